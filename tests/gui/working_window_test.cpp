// The working-window frame: its colour shows around the tab panel, not on the pages.
#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "gui/working_window.h"

class WorkingWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void pages_keep_the_application_colours() {
        kelmo::gui::WorkingWindow window({"Essai", QColor(255, 0, 255), {"UN", " FERMER"}});
        QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 0, 255));
        QCOMPARE(window.page(0)->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));
    }

    void escape_does_not_close_the_window() {
        kelmo::gui::WorkingWindow window({"Essai", QColor(255, 0, 255), {"UN", " FERMER"}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        window.tabs()->setCurrentIndex(1);  // " FERMER"
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(WorkingWindowTest)
#include "working_window_test.moc"
