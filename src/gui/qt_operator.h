// The operator reached through Qt's message boxes and file dialogs.
#pragma once

#include <functional>

#include "util/operator.h"

class QWidget;

namespace kelmo::gui {

class QtOperator : public Operator {
  public:
    explicit QtOperator(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    void message(const std::string& title, const std::string& text) override;
    bool ask_yes_no(const std::string& title, const std::string& text) override;
    Answer ask_yes_no_cancel(const std::string& title, const std::string& text) override;
    std::optional<std::string> choose_file(const std::string& title,
                                           const std::string& filter) override;
    std::optional<std::string> choose_folder(const std::string& title,
                                             const std::string& start) override;

    // The printer dialog lives with the print back ends (a layer above this one), so the
    // program hands it in at start-up: op.set_printer_dialog(print::show_printer_dialog).
    using PrinterDialog = std::function<std::unique_ptr<PrintTarget>(QWidget* parent)>;
    void set_printer_dialog(PrinterDialog dialog) { printer_dialog_ = std::move(dialog); }
    std::unique_ptr<PrintTarget> choose_printer() override;

  private:
    QWidget* parent_;
    PrinterDialog printer_dialog_;
};

}  // namespace kelmo::gui
