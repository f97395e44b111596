// The delivery note of the instalment sale shown on the tab: what the tab shows (its
// fields and the rows of its line list), never what the tables hold.
#pragma once

#include "print/print_job.h"

namespace kelmo::sales {

class InstalmentSale;

// "Imprimer". A note whose lines do not fit on the first page goes on over further pages,
// each under the column header again; the total and the figures come after the last line.
print::PrintOutcome print_instalment_delivery_note(Operator& op, const InstalmentSale& sale);

}  // namespace kelmo::sales
