#include "gui/qt_operator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace kelmo::gui {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QWidget* active_parent(QWidget* fallback) {
    QWidget* w = QApplication::activeWindow();
    return w ? w : fallback;
}
}  // namespace

void QtOperator::message(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, q(title), q(text), QMessageBox::Ok,
                    active_parent(parent_));
    box.exec();
}

bool QtOperator::ask_yes_no(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, q(title), q(text), QMessageBox::Yes | QMessageBox::No,
                    active_parent(parent_));
    box.button(QMessageBox::Yes)->setText("Oui");
    box.button(QMessageBox::No)->setText("Non");
    return box.exec() == QMessageBox::Yes;
}

Answer QtOperator::ask_yes_no_cancel(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Question, q(title), q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    active_parent(parent_));
    box.button(QMessageBox::Yes)->setText("Oui");
    box.button(QMessageBox::No)->setText("Non");
    box.button(QMessageBox::Cancel)->setText("Annuler");
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::string> QtOperator::choose_file(const std::string& title,
                                                   const std::string& filter) {
    QString file = QFileDialog::getOpenFileName(active_parent(parent_), q(title),
                                                QDir::currentPath(), q(filter));
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

std::optional<std::string> QtOperator::choose_folder(const std::string& title,
                                                     const std::string& start) {
    QString dir = QFileDialog::getExistingDirectory(active_parent(parent_), q(title), q(start));
    if (dir.isEmpty()) return std::nullopt;
    return dir.toStdString();
}

std::unique_ptr<PrintTarget> QtOperator::choose_printer() {
    if (!printer_dialog_) {
        message("Erreur", "Aucune imprimante n'est disponible !");
        return nullptr;
    }
    return printer_dialog_(active_parent(parent_));
}

}  // namespace kelmo::gui
