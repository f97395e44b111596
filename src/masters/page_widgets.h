// Small widget helpers shared by the three pages of the Tables window: labels, fields,
// buttons at fixed pixel positions, and the list kept in step with a tab's rows.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "masters/master_lists.h"
#include "util/list_rows.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;
class QComboBox;

namespace kelmo::masters {

QString qs(const std::string& s);
std::string text_of(const QLineEdit* field);
std::string text_of(const QComboBox* box);

// The page's heading (font 17) at (20, 20).
QLabel* heading(QWidget* page, const QString& text);
QLabel* label(QWidget* page, const QString& text, int x, int y, int width);
QLineEdit* field(QWidget* page, const char* name, int x, int y, int width);
// A read-only text on a coloured background (codes, stock).
QLineEdit* read_only(QWidget* page, const char* name, int x, int y, int width, Rgb background);
QPushButton* button(QWidget* page, const QString& caption, int x, int y, int width);
// A flat frame drawn around a form.
void frame(QWidget* page, int x, int y, int width, int height);
// The reset picture button (image 10) with its tool tip.
QPushButton* reset_button(QWidget* page, int x, int y);
// Letters typed into the field or editable box turn into capitals.
void capitals(QLineEdit* field);
void capitals(QComboBox* box);

// Replaces every row of `list` (a fill).
void show_all(QTreeWidget* list, const std::vector<ListRow>& rows);
// Redraws only the row an operation changed.
void show_change(QTreeWidget* list, const std::vector<ListRow>& rows,
                 const std::vector<ListColumn>& columns, RowChange change);

}  // namespace kelmo::masters
