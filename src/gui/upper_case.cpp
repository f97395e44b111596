#include "gui/upper_case.h"

#include <QComboBox>
#include <QLineEdit>

namespace kelmo::gui {

QValidator::State UpperCaseValidator::validate(QString& input, int& pos) const {
    input = input.toUpper();
    return Acceptable;
}

void make_upper_case(QLineEdit* field) {
    field->setValidator(new UpperCaseValidator(field));
}

void make_upper_case(QComboBox* box) {
    box->setValidator(new UpperCaseValidator(box));
}

}  // namespace kelmo::gui
