// The main window as the operator sees it: menus, toolbar, and what each command opens.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/dispatch.h"
#include "app/main_window.h"
#include "gui/catalogue.h"
#include "gui/working_window.h"
#include "support/temp_data.h"

using kelmo::app::MainWindow;
using kelmo::app::Window;

namespace {

struct Recorder : kelmo::app::WindowOpener {
    void open(Window window, kelmo::gui::Session& session) override {
        opened.push_back({window, session.selected_entry});
    }
    std::vector<std::pair<Window, int>> opened;
};

// "text" for an item, "-" for a separator.
QStringList menu_lines(QMenu* menu) {
    QStringList lines;
    for (QAction* a : menu->actions()) lines << (a->isSeparator() ? QString("-") : a->text());
    return lines;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        data_ = std::make_unique<kelmo::test::TempData>();
        session_ = std::make_unique<kelmo::gui::Session>(
            kelmo::gui::Session{data_->store(), data_->op(), "ADMIN"});
    }
    void cleanup() {
        session_.reset();
        data_.reset();
    }

    void frame() {
        Recorder opener;
        MainWindow window(*session_, opener, QSize(1366, 768));
        QCOMPARE(window.windowTitle(),
                 QString("Kelmo 2019 (Logiciel de gestion Vente par facilité - Version 1)"));
        QCOMPARE(window.centralWidget()->palette().color(QPalette::Window), QColor(100, 100, 100));
        QCOMPARE(window.splash()->size(), QSize(956, 559));
        QCOMPARE(window.splash()->x(), (1366 - 956) / 2);
    }

    void menus_in_order() {
        Recorder opener;
        MainWindow window(*session_, opener, QSize(1366, 768));
        QStringList titles;
        QList<QMenu*> menus;
        for (QAction* a : window.menuBar()->actions()) {
            titles << a->text();
            menus << a->menu();
        }
        QCOMPARE(titles,
                 QStringList({"Tables", "Ventes et réceptions", "Prélèvement sur compte CCP",
                              "Trésorerie", "Rapports et journaux", "Factures", "Paramètres"}));
        QCOMPARE(menu_lines(menus[1]),
                 QStringList({"Vente par facilité", "Vente ordinaire", "-", "Journal de vente", "-",
                              "Achat", "-", "Fiche de stock", "Mouvement produit", "-",
                              "Régularisation du stock"}));
        QCOMPARE(menu_lines(menus[3]).size(), 7);
        QCOMPARE(menu_lines(menus[3])[4], QString("Fiche Fournisseur"));
        QCOMPARE(
            menu_lines(menus[6]),
            QStringList({"Paramètres d'accès (ADMINISTRATEUR)", "Paramètres d'accès (UTILISATEUR)",
                         "-", "Configurer les soldes initiaux", "-", "Fin de session"}));
        QCOMPARE(window.menu_action(2)->text(), QString("Table des clients"));
        QCOMPARE(window.menu_action(23)->text(),
                 QString("Importer le fichier délivré par la Poste"));
    }

    void every_menu_item_opens_its_window_on_its_entry() {
        Recorder opener;
        MainWindow window(*session_, opener, QSize(1366, 768));
        struct Case {
            int item;
            Window window;
            int entry;
        };
        const Case cases[] = {
            {1, Window::Tables, 0},
            {3, Window::Tables, 2},
            {10, Window::Sales, 0},
            {15, Window::Sales, 5},
            {16, Window::Sales, 6},
            {22, Window::Debit, 0},
            {23, Window::Debit, 1},
            {30, Window::Treasury, 0},
            {36, Window::Treasury, 6},
            {40, Window::Journals, 0},
            {45, Window::Journals, 5},
            {50, Window::Invoice, 0},
            {61, Window::AccessParameters, 0},
            {62, Window::AccessParameters, 1},
            {63, Window::InitialBalances, 1},  // keeps the entry of item 62
        };
        for (const Case& c : cases) {
            opener.opened.clear();
            window.menu_action(c.item)->trigger();
            QCOMPARE(opener.opened.size(), size_t(1));
            QVERIFY2(opener.opened[0] == std::make_pair(c.window, c.entry),
                     qPrintable(QString::number(c.item)));
        }
    }

    void end_of_session() {
        for (int command : {99, 119}) {
            Recorder opener;
            MainWindow window(*session_, opener, QSize(1366, 768));
            window.show();
            QSignalSpy ended(&window, &MainWindow::ended);
            if (command == 99)
                window.menu_action(99)->trigger();
            else
                QTest::mouseClick(window.tool_button(119), Qt::LeftButton);
            QCOMPARE(ended.count(), 1);
            QVERIFY(!window.isVisible());
        }
    }

    void closing_the_window_ends_the_session() {
        Recorder opener;
        MainWindow window(*session_, opener, QSize(1366, 768));
        window.show();
        QSignalSpy ended(&window, &MainWindow::ended);
        window.close();
        QCOMPARE(ended.count(), 1);
    }

    void toolbar_buttons() {
        Recorder opener;
        MainWindow window(*session_, opener, QSize(1366, 768));
        window.show();
        QSignalSpy ended(&window, &MainWindow::ended);
        for (int n = 100; n <= 120; ++n) {
            QVERIFY(window.tool_button(n));
            QCOMPARE(window.tool_button(n)->iconSize(), kelmo::gui::picture(n).size());
            if (n != 119) QTest::mouseClick(window.tool_button(n), Qt::LeftButton);
        }
        QCOMPARE(ended.count(), 0);
        QVERIFY(opener.opened.empty());
        QVERIFY(window.isVisible());
        QVERIFY(window.filler_buttons() > 0);
        QCOMPARE(window.findChildren<QToolButton*>("filler").size(), window.filler_buttons());
    }

    void no_filler_on_a_narrow_desktop() {
        Recorder opener;
        int icons = 0;
        for (int n = 100; n <= 120; ++n) icons += kelmo::gui::picture(n).width();
        MainWindow window(*session_, opener, QSize(icons - 10, 600));
        QCOMPARE(window.filler_buttons(), 0);
        QVERIFY(window.findChildren<QToolButton*>("filler").isEmpty());
    }

    // The windows not built yet open as their real frame and close by " FERMER".
    void working_frames_open_on_their_entry_and_close() {
        kelmo::app::ProgramWindows windows;
        struct Case {
            int item;
            QString title;
            QString tab;
            int count;
        };
        const Case cases[] = {
            {14, "Logiciel de vente par facilité - Ventes et réceptions", " FICHE DE STOCK ", 8},
            {23, "Logiciel de vente par facilité - Opérations sur les prélèvements CCP",
             "IMPORTER LE FICHIER VO", 3},
            {34, "Logiciel de vente par facilité - Trésorerie", "Fiche fournisseur", 8},
            {43, "Logiciel de vente par facilité - Journaux", "JOURNAL DES VERSEMENTS", 7},
            {50, "Logiciel de vente par facilité - facture", " FACTURE VENTE", 2},
            {3, "Logiciel de vente par facilité - Tables", " TABLE DES FOURNISSEURS", 3},
        };
        for (const Case& c : cases) {
            QString title, tab;
            int count = 0;
            QTimer::singleShot(0, [&] {
                auto* frame =
                    qobject_cast<kelmo::gui::WorkingWindow*>(QApplication::activeModalWidget());
                QVERIFY(frame);
                title = frame->windowTitle();
                tab = frame->tabs()->tabText(frame->tabs()->currentIndex());
                count = frame->tabs()->count();
                // " FERMER" closes; the Tables window has no such tab and closes by its box.
                if (frame->tabs()->tabText(count - 1) == " FERMER")
                    frame->tabs()->setCurrentIndex(count - 1);
                else
                    frame->close();
            });
            kelmo::app::dispatch_command(c.item, *session_, windows);
            QCOMPARE(title, c.title);
            QCOMPARE(tab, c.tab);
            QCOMPARE(count, c.count);
        }
    }

  private:
    std::unique_ptr<kelmo::test::TempData> data_;
    std::unique_ptr<kelmo::gui::Session> session_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
