// The operator reached through Qt's message boxes and file dialogs.
#pragma once

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

private:
    QWidget* parent_;
};

}  // namespace kelmo::gui
