// Draws the small pictures of Kelmov2 and its installer with QPainter: toolbar icons, the
// previous/next and reset buttons, the blank filler, and the logo mark.
// Usage: draw_icons OUTPUT_FOLDER (built and run by make_pictures.sh).
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

namespace {

// The product's palette, shared with the banners drawn by make_pictures.sh.
const QColor kNavy("#0f2740");
const QColor kBlue("#1d4e80");
const QColor kGold("#e9b949");
const QColor kWhite("#ffffff");

// Tile colours by area.
const QColor kTables("#2f6db5");
const QColor kSales("#23897d");
const QColor kDebit("#5b4db1");
const QColor kTreasury("#c98419");
const QColor kReports("#4a5f75");
const QColor kExit("#c0392b");

QString out_dir;

void save(const QImage& image, const QString& name) {
    if (!image.save(out_dir + "/" + name)) qFatal("cannot write %s", qPrintable(name));
}

// A rounded tile filling `rect`, lighter at the top, with a darker hairline border.
void tile(QPainter& p, const QRectF& rect, const QColor& base, qreal radius) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, base.lighter(125));
    g.setColorAt(1, base.darker(110));
    p.setPen(QPen(base.darker(140), 1));
    p.setBrush(g);
    p.drawRoundedRect(rect, radius, radius);
    // A soft highlight on the upper half gives the tile some depth.
    QLinearGradient shine(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 60));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(rect.adjusted(1, 1, -1, -rect.height() / 2), radius - 1, radius - 1);
}

QPen line_pen(qreal width, const QColor& color = kWhite) {
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// A 32 x 32 toolbar icon: a tile with a white pictogram drawn in a 32-unit box.
QImage icon(const QColor& base, const std::function<void(QPainter&)>& pictogram) {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, QRectF(1.5, 1.5, 29, 29), base, 6);
    p.setPen(line_pen(2));
    p.setBrush(Qt::NoBrush);
    pictogram(p);
    return image;
}

void lines(QPainter& p, std::initializer_list<QLineF> segments) {
    for (const QLineF& s : segments) p.drawLine(s);
}

// Pictograms, in a 32-unit box with the tile's inner area from about 7 to 25.
void box(QPainter& p) {  // products
    QPolygonF top({{16, 7}, {25, 11}, {16, 15}, {7, 11}});
    p.drawPolygon(top);
    lines(p, {{7, 11, 7, 21}, {25, 11, 25, 21}, {16, 15, 16, 25}});
    lines(p, {{7, 21, 16, 25}, {25, 21, 16, 25}});
}

void person(QPainter& p) {  // clients
    p.drawEllipse(QPointF(16, 12), 4, 4);
    QPainterPath body;
    body.moveTo(8, 25);
    body.cubicTo(8, 18, 24, 18, 24, 25);
    p.drawPath(body);
}

void truck(QPainter& p) {  // suppliers
    p.drawRect(QRectF(6, 10, 12, 10));
    QPainterPath cab;
    cab.moveTo(18, 13);
    cab.lineTo(23, 13);
    cab.lineTo(26, 16.5);
    cab.lineTo(26, 20);
    cab.lineTo(18, 20);
    p.drawPath(cab);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(10.5, 22.5), 2, 2);
    p.drawEllipse(QPointF(22, 22.5), 2, 2);
    p.setBrush(Qt::NoBrush);
}

void calendar(QPainter& p) {  // instalment sale
    p.drawRoundedRect(QRectF(7, 9, 18, 16), 2, 2);
    lines(p, {{7, 13.5, 25, 13.5}, {11.5, 7, 11.5, 10}, {20.5, 7, 20.5, 10}});
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(11 + i * 5, 18), 1.6, 1.6);
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(11, 22), 1.6, 1.6);
    p.setBrush(Qt::NoBrush);
}

void banknote(QPainter& p) {  // cash sale
    p.drawRoundedRect(QRectF(5.5, 10, 21, 12), 1.5, 1.5);
    p.drawEllipse(QPointF(16, 16), 3, 3);
    p.setPen(line_pen(2.2));
    lines(p, {{9, 16, 9.2, 16}, {23, 16, 23.2, 16}});
}

void inbox(QPainter& p) {  // purchase
    QPainterPath tray;
    tray.moveTo(6, 18);
    tray.lineTo(11, 18);
    tray.lineTo(13, 21);
    tray.lineTo(19, 21);
    tray.lineTo(21, 18);
    tray.lineTo(26, 18);
    tray.lineTo(26, 25);
    tray.lineTo(6, 25);
    tray.closeSubpath();
    p.drawPath(tray);
    lines(p, {{16, 6, 16, 16}, {12, 12, 16, 16}, {20, 12, 16, 16}});
}

void bars(QPainter& p) {  // stock card
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawRect(QRectF(8, 16, 4, 8));
    p.drawRect(QRectF(14, 11, 4, 13));
    p.setBrush(kGold);
    p.drawRect(QRectF(20, 7, 4, 17));
    p.setBrush(Qt::NoBrush);
    p.setPen(line_pen(1.5));
    p.drawLine(QLineF(6, 25, 26, 25));
}

void exchange(QPainter& p) {  // product movement
    lines(p, {{7, 12, 24, 12}, {20, 8, 24, 12}, {20, 16, 24, 12}});
    lines(p, {{25, 21, 8, 21}, {12, 17, 8, 21}, {12, 25, 8, 21}});
}

void plus_minus(QPainter& p) {  // stock regularisation
    lines(p, {{8, 12, 16, 12}, {12, 8, 12, 16}});
    lines(p, {{16, 21, 24, 21}});
    p.setPen(line_pen(1.5));
    p.drawLine(QLineF(23, 8, 9, 25));
}

void list(QPainter& p) {  // sales journal
    for (int i = 0; i < 4; ++i) {
        qreal y = 9 + i * 4.7;
        p.drawLine(QLineF(12, y, 25, y));
        p.setPen(line_pen(2.6));
        p.drawPoint(QPointF(8, y));
        p.setPen(line_pen(2));
    }
}

void download(QPainter& p) {  // VO file import
    lines(p, {{16, 6, 16, 18}, {11.5, 13.5, 16, 18}, {20.5, 13.5, 16, 18}});
    QPainterPath tray;
    tray.moveTo(7, 19);
    tray.lineTo(7, 25);
    tray.lineTo(25, 25);
    tray.lineTo(25, 19);
    p.drawPath(tray);
}

void document(QPainter& p) {  // statement of operations
    QPainterPath sheet;
    sheet.moveTo(9, 6);
    sheet.lineTo(19, 6);
    sheet.lineTo(24, 11);
    sheet.lineTo(24, 26);
    sheet.lineTo(9, 26);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.setPen(line_pen(1.5));
    lines(p, {{12.5, 14, 20.5, 14}, {12.5, 18, 20.5, 18}, {12.5, 22, 18, 22}});
}

void cash_register(QPainter& p) {  // cash register
    p.drawRect(QRectF(8, 6.5, 10, 5));
    p.drawLine(QLineF(13, 11.5, 13, 15));
    p.drawRoundedRect(QRectF(6, 15, 20, 10), 1.5, 1.5);
    p.drawLine(QLineF(6, 21, 26, 21));
    p.setPen(line_pen(2.4, kNavy));  // gold would vanish on the amber tile
    for (qreal x : {11.0, 16.0, 21.0}) p.drawPoint(QPointF(x, 18));
}

// A coin and a horizontal arrow: into the coin for money received, out of it for
// money paid.
void coin_arrow(QPainter& p, bool incoming) {
    const QPointF coin = incoming ? QPointF(21, 16) : QPointF(11, 16);
    p.setBrush(kNavy);
    p.setPen(line_pen(1.6));
    p.drawEllipse(coin, 5, 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(line_pen(2));
    if (incoming) {
        lines(p, {{5.5, 16, 13.5, 16}, {10.5, 12.5, 14, 16}, {10.5, 19.5, 14, 16}});
    } else {
        lines(p, {{18.5, 16, 26.5, 16}, {23, 12.5, 26.5, 16}, {23, 19.5, 26.5, 16}});
    }
}

void pie(QPainter& p) {  // balances
    p.drawEllipse(QPointF(15, 17), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawPie(QRectF(9, 7, 16, 16), 0, 90 * 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(line_pen(2));
    lines(p, {{15, 17, 15, 9}, {15, 17, 23, 17}});
}

void book(QPainter& p) {  // journals
    QPainterPath left, right;
    left.moveTo(16, 10);
    left.cubicTo(13, 8, 9, 8, 6, 9);
    left.lineTo(6, 24);
    left.cubicTo(9, 23, 13, 23, 16, 25);
    right.moveTo(16, 10);
    right.cubicTo(19, 8, 23, 8, 26, 9);
    right.lineTo(26, 24);
    right.cubicTo(23, 23, 19, 23, 16, 25);
    p.drawPath(left);
    p.drawPath(right);
    p.drawLine(QLineF(16, 10, 16, 25));
}

void trend(QPainter& p) {  // margin
    QPolygonF path({{6, 22}, {12, 16}, {17, 19}, {25, 10}});
    p.drawPolyline(path);
    lines(p, {{20, 10, 25, 10}, {25, 10, 25, 15}});
    p.setPen(line_pen(1.5));
    p.drawLine(QLineF(6, 26, 26, 26));
}

void receipt(QPainter& p) {  // invoice
    QPainterPath r;
    r.moveTo(9, 6);
    r.lineTo(23, 6);
    r.lineTo(23, 25);
    for (int i = 0; i < 4; ++i) {
        r.lineTo(23 - 1.75 - i * 3.5, 23);
        r.lineTo(23 - 3.5 - i * 3.5, 25);
    }
    r.closeSubpath();
    p.drawPath(r);
    p.setPen(line_pen(1.5));
    lines(p, {{12, 11, 20, 11}, {12, 15, 20, 15}});
    p.setPen(line_pen(1.6, kGold));
    p.drawLine(QLineF(15, 19.5, 20, 19.5));
}

void power(QPainter& p) {  // end of session
    p.setPen(line_pen(2.4));
    p.drawArc(QRectF(8.5, 9, 15, 15), 125 * 16, 290 * 16);
    p.drawLine(QLineF(16, 6.5, 16, 15));
}

// Chevron button (34 x 35) for the previous and next numbers.
QImage arrow(bool next) {
    QImage image(34, 35, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, QRectF(1.5, 2, 31, 31), kBlue, 7);
    p.setPen(line_pen(3.2));
    QPolygonF chevron = next ? QPolygonF({{14, 10.5}, {21, 17.5}, {14, 24.5}})
                             : QPolygonF({{20, 10.5}, {13, 17.5}, {20, 24.5}});
    p.drawPolyline(chevron);
    return image;
}

// Reset button (39 x 39): a circular arrow.
QImage reset() {
    QImage image(39, 39, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, QRectF(1.5, 1.5, 36, 36), kSales, 8);
    p.setPen(line_pen(3));
    QRectF circle(10.5, 10.5, 18, 18);
    p.drawArc(circle, 100 * 16, 280 * 16);
    // Arrow head at the arc's start (top, slightly left of centre), pointing clockwise.
    const qreal a = 100 * M_PI / 180;
    QPointF tip(19.5 + 9 * std::cos(a), 19.5 - 9 * std::sin(a));
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF({tip + QPointF(5.5, 0), tip + QPointF(-2, -5), tip + QPointF(-2, 5)}));
    return image;
}

// The blank filler: an empty slot, barely visible, so the row of fillers reads as a rule.
QImage blank() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The logo mark: a navy tile with a white K and the gold instalment dots.
QImage logo(int size, bool installer) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient g(0, 0, 256, 256);
    g.setColorAt(0, QColor("#2a6aa8"));
    g.setColorAt(1, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    QFont font("Carlito", 150, QFont::Bold);
    font.setPixelSize(170);
    p.setFont(font);
    p.setPen(kWhite);
    p.drawText(QRectF(8, 0, 240, 215), Qt::AlignCenter, "K");
    p.setBrush(kGold);
    for (int i = 0; i < 4; ++i) {
        if (i == 3) p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(68 + i * 40, 206), 12, 12);
    }
    if (installer) {  // a download badge on the corner
        p.setBrush(kGold);
        p.setPen(QPen(kNavy, 8));
        p.drawEllipse(QPointF(200, 60), 44, 44);
        QPen arrow_pen(kNavy, 12);
        arrow_pen.setCapStyle(Qt::RoundCap);
        arrow_pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(arrow_pen);
        p.drawLine(QLineF(200, 36, 200, 80));
        p.drawPolyline(QPolygonF({{182, 64}, {200, 82}, {218, 64}}));
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) qFatal("usage: draw_icons OUTPUT_FOLDER");
    out_dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out_dir);

    struct Tool {
        int number;
        QColor colour;
        std::function<void(QPainter&)> draw;
    };
    const Tool tools[] = {
        {100, kTables, box},
        {101, kTables, person},
        {102, kTables, truck},
        {103, kSales, calendar},
        {104, kSales, banknote},
        {105, kSales, inbox},
        {106, kSales, bars},
        {107, kSales, exchange},
        {108, kSales, plus_minus},
        {109, kSales, list},
        {110, kDebit, download},
        {111, kDebit, document},
        {112, kTreasury, cash_register},
        {113, kTreasury, [](QPainter& p) { coin_arrow(p, true); }},
        {114, kTreasury, [](QPainter& p) { coin_arrow(p, false); }},
        {115, kTreasury, pie},
        {116, kReports, book},
        {117, kReports, trend},
        {118, kReports, receipt},
        {119, kExit, power},
    };
    for (const Tool& t : tools) save(icon(t.colour, t.draw), QString("tool_%1.png").arg(t.number));
    save(blank(), "tool_blank.png");
    save(arrow(false), "previous.png");
    save(arrow(true), "next.png");
    save(reset(), "reset.png");
    save(logo(256, false), "kelmo_icon.png");
    save(logo(256, true), "installer_icon.png");
    save(logo(112, false), "logo_112.png");  // for the letterhead, drawn by the script
    return 0;
}
