// Kelmov2: pictures, data files, fonts, login, then the main window until the session ends.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/accounts.h"
#include "app/dispatch.h"
#include "app/login_window.h"
#include "app/main_window.h"
#include "gui/catalogue.h"
#include "gui/qt_operator.h"
#include "gui/session.h"
#include "print/qt_page.h"
#include "store/store.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The session ends by "Fin de session" or by closing the main window, never because
    // the login window, the last one open for a moment, has closed.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(":/pictures/kelmo_icon.png"));
    // Qt's own dialogs (printer, files) speak French like the rest of the program.
    QTranslator qt_french;
    if (qt_french.load(QLocale(QLocale::French), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qt_french);

    kelmo::gui::load_pictures();
    kelmo::gui::QtOperator op;
    op.set_printer_dialog(kelmo::print::show_printer_dialog);
    auto store = kelmo::store::Store::open(op, "Data");
    if (!store) return 1;
    kelmo::gui::load_screen_fonts();
    kelmo::gui::use_application_font();

    kelmo::gui::Session session{*store, op};
    {
        kelmo::app::Accounts accounts(*store, op);
        kelmo::app::LoginWindow login(accounts);
        auto user = login.run();
        if (!user) return 0;
        session.user = *user;
    }

    kelmo::app::ProgramWindows windows;
    kelmo::app::MainWindow main_window(session, windows);
    windows.set_parent(&main_window);
    op.set_parent(&main_window);
    QObject::connect(&main_window, &kelmo::app::MainWindow::ended, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    main_window.showMaximized();
    return app.exec();
}
