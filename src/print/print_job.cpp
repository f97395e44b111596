#include "print/print_job.h"

#include "print/layout.h"
#include "util/print_target.h"

namespace kelmo::print {

PrintOutcome run_print_job(Operator& op, const std::string& refusal,
                           const std::function<void(Page&)>& draw) {
    if (!refusal.empty()) {
        op.message("Erreur", refusal);
        return PrintOutcome::Refused;
    }
    std::unique_ptr<PrintTarget> printer = op.choose_printer();
    if (!printer) return PrintOutcome::Cancelled;
    std::unique_ptr<Page> page = printer->start_job(kJobName);
    if (!page) return PrintOutcome::JobRefused;
    // The page ends its job when destroyed, so an exception from drawing still ends it.
    load_print_fonts(*page);
    draw(*page);
    page->end_job();
    return PrintOutcome::Printed;
}

}  // namespace kelmo::print
