// Fields that turn typed letters into capitals as they are typed (user names, designations).
#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;

namespace kelmo::gui {

// Accepts everything and upper-cases it in place, keeping the cursor where it was.
class UpperCaseValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

void make_upper_case(QLineEdit* field);
void make_upper_case(QComboBox* box);  // an editable combo box

}  // namespace kelmo::gui
