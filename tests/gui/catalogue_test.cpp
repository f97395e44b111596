// The picture slots hold pictures of the sizes the windows lay out, and the screen fonts
// render with a real face even where the requested one is missing.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

#include "gui/catalogue.h"

using kelmo::gui::picture;
using kelmo::gui::screen_font;

class CatalogueTest : public QObject {
    Q_OBJECT
  private slots:
    void picture_sizes() {
        struct Case {
            int slot;
            QSize size;
        };
        const Case cases[] = {{0, {655, 405}}, {1, {956, 559}},   {6, {34, 35}},    {7, {34, 35}},
                              {10, {39, 39}},  {98, {1058, 159}}, {99, {1058, 159}}};
        for (const Case& c : cases) {
            QVERIFY2(!picture(c.slot).isNull(), qPrintable(QString::number(c.slot)));
            QCOMPARE(picture(c.slot).size(), c.size);
        }
        for (int n = 100; n <= 120; ++n) QVERIFY(!picture(n).isNull());
    }

    void unknown_slot_is_null() {
        QVERIFY(picture(2).isNull());
        QVERIFY(picture(-1).isNull());
        QVERIFY(picture(500).isNull());
    }

    void font_table() {
        for (int n = 0; n <= 6; ++n) {
            QCOMPARE(screen_font(n).pointSize(), n + 8);
            QVERIFY(!screen_font(n).bold());
        }
        for (int n = 7; n <= 13; ++n) QCOMPARE(screen_font(n).pointSize(), n + 1);
        for (int n = 14; n <= 20; ++n) {
            QCOMPARE(screen_font(n).pointSize(), n - 6);
            QVERIFY(screen_font(n).bold());
        }
        QCOMPARE(screen_font(21).family(), QString("verdana"));
        QCOMPARE(screen_font(27).family(), QString("Calibri"));
        QCOMPARE(screen_font(27).pointSize(), 14);
        QVERIFY(!screen_font(29).bold());
        QVERIFY(screen_font(28).bold());
    }

    void metric_look_alikes_and_no_empty_text() {
        QCOMPARE(QFontInfo(screen_font(0)).family(), QString("Liberation Sans"));
        QCOMPARE(QFontInfo(screen_font(22)).family(), QString("Carlito"));
        if (QFontDatabase::families().contains("Veranda"))
            QCOMPARE(QFontInfo(screen_font(21)).family(), QString("Veranda"));
        // The print faces share the table: Candara (fonts 70 to 79) is Calibri's look-alike.
        kelmo::gui::install_font_substitutions();
        QCOMPARE(QFontInfo(QFont("Candara")).family(), QString("Carlito"));
        for (int n = 0; n < kelmo::gui::kScreenFontCount; ++n) {
            QFontMetrics metrics(screen_font(n));
            QVERIFY2(metrics.horizontalAdvance("Vente par facilité") > 0,
                     qPrintable(QString::number(n)));
        }
    }
};

QTEST_MAIN(CatalogueTest)
#include "catalogue_test.moc"
