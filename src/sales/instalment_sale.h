// The instalment tab's logic: the instalment sale document (BLF) with its lines and
// schedule figures, its calendar and instalments paid, and the client and product
// look-ups of the tab. Every operation reads the form afresh and writes its results back
// to it; the widget only moves texts between its controls and the form.
#pragma once

#include <functional>
#include <string>

#include "sales/instalment_form.h"

namespace kelmo {
class Operator;
namespace store {
class Store;
}
}  // namespace kelmo

namespace kelmo::sales {

// Colours of the tab's lists.
inline constexpr Rgb kCalendarFirst{175, 238, 238};   // pale turquoise
inline constexpr Rgb kCalendarSecond{224, 255, 255};  // light cyan
inline constexpr Rgb kTotalsBack{112, 128, 144};      // slate grey
inline constexpr Rgb kTotalsFront{255, 255, 255};
inline constexpr const char* kTotalsCaption = "   TOTAUX";

// Chooser rows shown at most: enough to pick from, few enough to refill at every keystroke.
inline constexpr int kChooserLimit = 300;

class InstalmentSale {
  public:
    InstalmentSale(store::Store& store, Operator& op);

    InstalmentForm form;

    // Window values.
    const std::string& client_code() const { return client_code_; }
    const std::string& client_name() const { return client_name_; }
    long long navigation_number() const { return navigation_; }
    bool validation_failed() const { return validation_failed_; }
    LookupKind lookup_kind() const { return lookup_; }
    // The total of the instalments paid of the document shown, as last listed.
    const std::string& total_paid() const { return total_paid_; }

    // The next free number: the one last allocated since the program started (0 before).
    static long long next_free_number();
    static void reset_next_free_number();  // tests

    // Opens the small product window; given the designation typed on the tab. Returns when
    // the operator closed it. Without one, an unknown product is simply not created.
    std::function<void(const std::string& designation)> create_product_quickly;

    // --- Document -------------------------------------------------------------------------
    long long new_instalment_sale_number();
    void clear_instalment_sale_form();
    void new_instalment_sale();
    void load_instalment_sale();
    void previous_instalment_sale();
    void next_instalment_sale();
    void show_instalment_sale_lines();
    void add_instalment_sale_line();
    void delete_instalment_sale_line();
    void recompute_instalment_schedule();
    // True when the document passed its checks and its row was written.
    bool save_instalment_sale();
    void cancel_instalment_sale();

    // --- Calendar and payments ------------------------------------------------------------
    void generate_instalment_calendar();
    void record_instalment_payment();
    void delete_instalment_payment();
    void show_instalment_payments();

    // --- Client and product look-ups ------------------------------------------------------
    void search_by_name();         // "CLIENT :" changed
    void search_by_tel();          // "N° TEL. :"
    void search_by_ccp();          // "N° CCP :"
    void search_by_designation();  // "Désignation :" changed
    void code_changed();           // "Code P.:": search by product reference
    // A click on chooser row `row` (out of range: nothing).
    void choose(int row);
    // A click on a row of the line list / of the payment list.
    void pick_line(int row);
    void pick_payment(int row);
    // Return in "Qté:": the instalment price goes to "Pu:".
    void take_instalment_price();

    void show_instalment_client();
    void show_instalment_product(const std::string& code);
    // Fills the occupation box when it is empty.
    void fill_occupations();
    // Tab-change initialisation of the instalment tab.
    void tab_chosen();

  private:
    void set_client_code(const std::string& code);
    void resolve_client_by_name(const std::string& name);
    bool check_number(long long& numdoc);
    // After a line was stored or deleted: the line band emptied, the figures recomputed.
    void line_done();
    // The checks of a payment to record (with its amount) or to delete, in their order.
    bool check_payment(long long& numdoc, bool with_amount);
    // Fills the chooser with the client values of `sql` that hold the upper-case `typed` text.
    void search_clients(const std::string& typed, const char* sql, LookupKind kind);

    store::Store& store_;
    Operator& op_;
    std::string client_code_;
    std::string client_name_;
    long long navigation_ = 0;
    bool validation_failed_ = false;
    LookupKind lookup_ = LookupKind::None;
    std::string total_paid_ = "0.00";
};

}  // namespace kelmo::sales
