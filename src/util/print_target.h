// A printer chosen by the operator, as the logic sees it: something that starts print jobs.
//
// The operator's printer choice (Operator::choose_printer) hands one of these to a printout,
// which starts its job on it and draws on the pages it returns. The page interface and the
// back ends (system printer, PDF file, recorder for tests) belong to the print layer
// (src/print/page.h); util only names the page type so that the operator can pass a printer
// along without depending on how printing is done.
#pragma once

#include <memory>
#include <string>

namespace kelmo {

namespace print {
class Page;
}

class PrintTarget {
public:
    virtual ~PrintTarget() = default;

    // Starts a print job named `job_name` and returns its drawing surface, positioned on the
    // first page; null when the job or its drawing cannot be started.
    virtual std::unique_ptr<print::Page> start_job(const std::string& job_name) = 0;
};

}  // namespace kelmo
