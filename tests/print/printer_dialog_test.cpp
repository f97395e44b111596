// The printer dialog reached through the Qt operator: cancelling gives no printer; accepting
// gives a printer that takes the job (here the dialog's "print to file" choice).
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "gui/qt_operator.h"
#include "print/layout.h"
#include "print/page.h"
#include "print/qt_page.h"

using namespace kelmo;

class PrinterDialogTest : public QObject {
    Q_OBJECT

  private:
    // Runs `act` on the printer dialog once it is shown.
    static void when_dialog_shows(std::function<void(QPrintDialog*)> act) {
        QTimer::singleShot(50, [act] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            act(dialog);
        });
    }

  private slots:
    void unwired_operator_says_there_is_no_printer() {
        gui::QtOperator op;
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        QVERIFY(op.choose_printer() == nullptr);
    }

    void cancelled_dialog_gives_no_printer() {
        gui::QtOperator op;
        op.set_printer_dialog(print::show_printer_dialog);
        when_dialog_shows([](QPrintDialog* d) {
            // Every page is printed: no page range to choose.
            QVERIFY(!d->testOption(QAbstractPrintDialog::PrintPageRange));
            d->reject();
        });
        QVERIFY(op.choose_printer() == nullptr);
    }

    void chosen_printer_takes_the_job() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("job.pdf");
        gui::QtOperator op;
        op.set_printer_dialog(print::show_printer_dialog);
        when_dialog_shows([pdf](QPrintDialog* d) {
            d->printer()->setOutputFormat(QPrinter::PdfFormat);
            d->printer()->setOutputFileName(pdf);
            // The dialog's own file field, where it offers printing to a file.
            for (QLineEdit* edit : d->findChildren<QLineEdit*>()) {
                if (edit->objectName() == "filename") edit->setText(pdf);
            }
            d->accept();
        });
        std::unique_ptr<PrintTarget> printer = op.choose_printer();
        QVERIFY(printer != nullptr);
        std::unique_ptr<print::Page> page = printer->start_job(print::kJobName);
        QVERIFY(page != nullptr);
        print::load_print_fonts(*page);
        page->select_font(88);
        page->text(print::cm_to_x(*page, 1.2f), print::cm_to_y(*page, 4), "JOURNAL DE CAISSE");
        page->end_job();
        QVERIFY(QFile::exists(pdf));
        QVERIFY(QFile(pdf).size() > 0);
    }
};

QTEST_MAIN(PrinterDialogTest)
#include "printer_dialog_test.moc"
