// Layout of the instalment tab: fixed pixel positions inside the tab page.
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include "gui/catalogue.h"
#include "gui/list_view.h"
#include "gui/upper_case.h"
#include "sales/instalment_tab.h"
#include "util/dates.h"

namespace kelmo::sales {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 205);

void colours(QWidget* w, const QColor& front, const QColor& back = QColor()) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, front);
    pal.setColor(QPalette::Text, front);
    if (back.isValid()) {
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::Base, back);
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}

QLabel* label(QWidget* parent, const QString& text, int x, int y, int w, int font,
              const QColor& front = QColor(0, 0, 0)) {
    auto* l = new QLabel(text, parent);
    l->setFont(gui::screen_font(font));
    l->setGeometry(x, y, w, 22);
    colours(l, front);
    return l;
}

QLineEdit* field(QWidget* parent, const QString& name, int x, int y, int w, int h = 22) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(x, y, w, h);
    return f;
}

QComboBox* box(QWidget* parent, const QString& name, int x, int y, int w, int h = 22) {
    auto* b = new QComboBox(parent);
    b->setObjectName(name);
    b->setEditable(true);
    b->setInsertPolicy(QComboBox::NoInsert);
    b->setGeometry(x, y, w, h);
    gui::make_upper_case(b);
    return b;
}

QDateEdit* picker(QWidget* parent, const QString& name, int x, int y, int w) {
    const LocalDateTime now = local_now();  // the program's clock, fixed in tests
    auto* d = new QDateEdit(QDate(now.date.year, now.date.month, now.date.day), parent);
    d->setObjectName(name);
    d->setDisplayFormat("dd/MM/yyyy");
    d->setCalendarPopup(true);
    d->setGeometry(x, y, w, 22);
    return d;
}

QPushButton* button(QWidget* parent, const QString& caption, int x, int y, int w, int h = 26) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(caption);
    b->setGeometry(x, y, w, h);
    // Return is the next-field key here, never a click on a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QFrame* frame(QWidget* parent, int x, int y, int w, int h) {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::StyledPanel);
    f->setGeometry(x, y, w, h);
    return f;
}

}  // namespace

void InstalmentTab::build(QWidget* page) {
    // Top line: title and balance box.
    label(page, "VENTE PAR FACILITE", 10, 4, 400, 17)->setFixedHeight(30);
    auto* solde = label(page, "S O L D E", 1020, 4, 110, 24, Qt::white);
    colours(solde, Qt::white, QColor(2, 2, 2));
    solde->setAlignment(Qt::AlignCenter);
    solde->setFixedHeight(28);
    balance = label(page, "999.999.99", 1135, 4, 160, 24, Qt::white);
    balance->setObjectName("S O L D E");
    colours(balance, Qt::white, QColor(2, 2, 2));
    balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    balance->setFixedHeight(28);

    // Header band.
    QFrame* head = frame(page, 10, 40, 1000, 50);
    label(head, "BON N°:", 8, 14, 95, 24);
    previous_button = button(head, "", 105, 11, 28, 28);
    previous_button->setObjectName("previous");
    previous_button->setIcon(gui::picture(6));
    number = field(head, "BON N°:", 137, 14, 50);
    next_button = button(head, "", 191, 11, 28, 28);
    next_button->setObjectName("next");
    next_button->setIcon(gui::picture(7));
    label(head, "DATE:", 235, 14, 70, 24);
    date = picker(head, "DATE:", 305, 14, 120);
    label(head, "N° DOSSIER:", 445, 14, 95, 14, kNavy);
    file_number = field(head, "N° DOSSIER:", 540, 14, 80);
    colours(file_number, Qt::black, QColor(250, 250, 210));
    label(head, "ID:", 640, 14, 30, 14, kNavy);
    client_id = field(head, "ID:", 670, 14, 80);
    client_id->setReadOnly(true);

    // Client band.
    QFrame* band = frame(page, 10, 95, 1000, 70);
    label(band, "CLIENT :", 8, 8, 85, 24, kNavy);
    client = field(band, "CLIENT :", 95, 8, 200);
    gui::make_upper_case(client);
    label(band, "ADRESSE :", 310, 8, 85, 14, kNavy);
    address = field(band, "ADRESSE :", 395, 8, 150);
    gui::make_upper_case(address);
    label(band, "FONCTION :", 560, 8, 90, 14, kNavy);
    occupation = box(band, "FONCTION :", 655, 8, 200);
    label(band, "N° TEL. :", 8, 38, 85, 14, kNavy);
    tel = field(band, "N° TEL. :", 95, 38, 200);
    label(band, "N° CCP :", 310, 38, 85, 14, kNavy);
    ccp = field(band, "N° CCP :", 395, 38, 150);
    label(band, "Jour de prélèvement:", 560, 38, 150, 14, kNavy);
    debit_day = field(band, "Jour de prélèvement:", 715, 38, 50);

    // Chooser at the top right.
    chooser = gui::make_list(page, QRect(1020, 40, 280, 160),
                             {{" Sélectionnez ...", 260, Align::Left}, {"", 10, Align::Left}},
                             Rgb{240, 230, 140});
    chooser->setObjectName("chooser");
    // The two columns fill the list; a long name is elided rather than scrolled sideways.
    chooser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // Line band and buttons.
    QFrame* line_band = frame(page, 10, 170, 1000, 40);
    label(line_band, "Code P.:", 8, 9, 85, 24);
    code = field(line_band, "Code P.:", 95, 9, 100);
    label(line_band, "Désignation :", 210, 9, 130, 24);
    designation = field(line_band, "Désignation :", 340, 9, 350);
    gui::make_upper_case(designation);
    label(line_band, "Qté:", 705, 9, 50, 24);
    quantity = field(line_band, "Qté:", 755, 9, 30);
    label(line_band, "Pu:", 800, 9, 40, 24);
    unit_price = field(line_band, "Pu:", 840, 9, 80);

    print_button = button(page, "Imprimer", 10, 215, 120);
    delete_line_button = button(page, "Supprimer", 140, 215, 120);
    cancel_button = button(page, "ANNULER LE BON", 270, 215, 160);
    new_button = button(page, "NOUVEAU BON", 440, 215, 160);
    add_line_button = button(page, "Valider", 610, 215, 120);

    // Line list and product panel.
    lines = gui::make_list(page, QRect(10, 246, 1000, 100),
                           {{"Code P.", 130, Align::Center},
                            {"DESIGNATION DU PRODUIT", 400, Align::Center},
                            {"Qté", 80, Align::Right},
                            {"P. U.", 100, Align::Right},
                            {"MONTANT", 100, Align::Right}},
                           Rgb{0, 191, 255});
    lines->setObjectName("lines");
    colours(lines, QColor(2, 2, 2), QColor(0, 191, 255));
    QFrame* panel = frame(page, 1020, 206, 280, 140);
    label(panel, "Prix d'achat :", 8, 8, 140, 14);
    purchase_price = label(panel, "", 150, 8, 120, 14);
    label(panel, "Prix de vente VF :", 8, 34, 140, 14);
    instalment_price = label(panel, "", 150, 34, 120, 14);
    label(panel, "Prix de vente VC :", 8, 60, 140, 14);
    cash_price = label(panel, "", 150, 60, 120, 14);
    label(panel, "S T O C K :", 8, 96, 140, 24);
    stock = label(panel, "", 150, 94, 120, 24);
    colours(stock, Qt::black, QColor(241, 242, 204));
    stock->setAlignment(Qt::AlignCenter);
    stock->setFixedHeight(28);
    for (QLabel* l : {purchase_price, instalment_price, cash_price})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // Payment entry row.
    label(page, "TR", 10, 356, 25, 14);
    tr_field = field(page, "TR", 35, 356, 30);
    label(page, "Date réelle:", 75, 356, 90, 14);
    paid_date = picker(page, "Date réelle:", 165, 356, 115);
    label(page, "Montant versé:", 290, 356, 110, 14);
    paid = field(page, "Montant versé:", 400, 356, 100);
    label(page, "Obs.:", 510, 356, 45, 14);
    obs = field(page, "Obs.:", 555, 356, 200);
    record_payment_button = button(page, "Valider le versement", 765, 354, 170);
    delete_payment_button = button(page, "Supprimer le versement", 940, 354, 190);

    // Calendar, payments, schedule.
    calendar =
        gui::make_list(page, QRect(10, 388, 250, 190),
                       {{"DATE PREVUE", 95, Align::Left}, {"MONTANT PREVU", 130, Align::Right}});
    // The date column gives up 15 pixels to the vertical scroll bar that a calendar of more
    // than a dozen instalments shows, so that the amounts are never cut.
    calendar->setObjectName("calendar");
    payments = gui::make_list(page, QRect(270, 388, 600, 190),
                              {{"DATE REELLE", 110, Align::Center},
                               {"TR", 50, Align::Right},
                               {"MONTANT REEL", 130, Align::Center},
                               {"OBSERVATIONS", 250, Align::Center}},
                              Rgb{255, 215, 0});
    payments->setObjectName("payments");
    payments->setFont(gui::screen_font(23));
    build_schedule(page);

    // Bottom line.
    calendar_button = button(page, "Afficher le calendrier", 10, 586, 250, 28);
    progress = new QProgressBar(page);
    progress->setGeometry(10, 618, 250, 15);
    progress->setRange(0, 100);
    progress->setValue(0);
    progress->setTextVisible(false);
    label(page, "Nombre de mois restant:", 280, 592, 185, 14);
    months_left = label(page, "", 465, 590, 30, 14);
    label(page, "Reste à payer:", 510, 592, 120, 14);
    remaining = label(page, "", 630, 590, 100, 14);
    for (QLabel* l : {months_left, remaining}) {
        colours(l, Qt::black, QColor(175, 238, 238));
        l->setAlignment(Qt::AlignCenter);
    }
    months_left->setObjectName("Nombre de mois restant:");
    remaining->setObjectName("Reste à payer:");
    save_button = button(page, "Valider le bon", 760, 586, 200, 32);
}

void InstalmentTab::build_schedule(QWidget* page) {
    QFrame* f = frame(page, 880, 388, 360, 190);
    const QColor back(254, 255, 205);
    int y = 6;
    auto row = [&](const QString& caption) {
        label(f, caption, 6, y, 180, 14, kBlue)->setFixedHeight(17);
        int top = y;
        y += 17;
        return top;
    };
    // A thin border and a one-pixel gap between rows, so that each field shows where it
    // ends (the style's own frame does not fit in 17 pixels).
    const QString style = QString(
                              "QLineEdit { background: %1; color: black; border: 1px solid "
                              "rgb(170, 170, 140); padding: 0 2px; }")
                              .arg(back.name());
    auto value = [&](const QString& name, int top, int x = 190, int w = 160) {
        QLineEdit* e = field(f, name, x, top, w, 16);
        e->setAlignment(Qt::AlignRight);
        e->setFont(gui::screen_font(14));
        e->setStyleSheet(style);
        return e;
    };
    total = value("Total BLF:", row("Total BLF:"));
    discount = value("Remise:", row("Remise:"));
    first_payment = value("1er Versement:", row("1er Versement:"));
    first_date = value("Date 1er Vers.:", row("Date 1er Vers.:"));
    mode = box(f, "Mode Vers. (1er V.):", 190, row("Mode Vers. (1er V.):"), 160, 17);
    mode->setFont(gui::screen_font(14));
    net = value("Net à payer:", row("Net à payer:"));
    months = value("Nbre de mois:", row("Nbre de mois:"));
    monthly = value("Mensualité:", row("Mensualité:"));
    per_month = value("Nbre de tranches/mois:", row("Nbre de tranches/mois:"));
    int last = row("Montant à prélever/mois:");
    count_text = label(f, "", 230, last, 50, 14);
    count_text->setFixedHeight(17);
    count_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    instalment = value("Montant à prélever/mois:", last, 283, 70);
}

}  // namespace kelmo::sales
