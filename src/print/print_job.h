// The skeleton every printout follows. Qt-free.
//
//     // 1. the printout's checks: its refusal, or "" to go on
//     std::string refusal = rows.empty() ? kNothingToPrint : "";
//     // 2. read what the header needs from the window into the lambda's captures
//     run_print_job(op, refusal, [&](Page& page) { ... draw ... });
//
// A refusal shows in an "Erreur" box and the printer dialog never opens; a cancelled dialog
// or a job the printer refuses end the printout without a word; a job that was started is
// always ended, even when drawing throws.
#pragma once

#include <functional>
#include <string>

#include "print/page.h"
#include "util/operator.h"

namespace kelmo::print {

enum class PrintOutcome {
    Printed,     // drawn and sent to the printer
    Refused,     // a check failed; its message was shown
    Cancelled,   // the operator cancelled the printer dialog
    JobRefused,  // the printer would not start the job
};

// Checks, printer dialog, job "Print-Doc", print fonts, `draw`, end of job.
PrintOutcome run_print_job(Operator& op, const std::string& refusal,
                           const std::function<void(Page&)>& draw);

}  // namespace kelmo::print
