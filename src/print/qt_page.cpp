#include "print/qt_page.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include <map>

#include "gui/catalogue.h"

namespace kelmo::print {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QColor qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

}  // namespace

struct QtPage::Impl {
    std::unique_ptr<QPagedPaintDevice> device;
    QPainter painter;
    std::map<int, QFont> fonts;
    QFont font;
    QColor front = Qt::black, back = Qt::white, draw = Qt::black;
};

QtPage::QtPage(std::unique_ptr<Impl> impl) : d_(std::move(impl)) {}

QtPage::~QtPage() {
    end_job();
}

std::unique_ptr<QtPage> QtPage::begin(std::unique_ptr<QPagedPaintDevice> device) {
    gui::install_font_substitutions();
    auto impl = std::make_unique<Impl>();
    impl->device = std::move(device);
    if (!impl->painter.begin(impl->device.get())) return nullptr;
    impl->painter.setRenderHint(QPainter::SmoothPixmapTransform);
    impl->painter.setRenderHint(QPainter::TextAntialiasing);
    return std::unique_ptr<QtPage>(new QtPage(std::move(impl)));
}

int QtPage::width() const {
    return d_->device->width();
}
int QtPage::height() const {
    return d_->device->height();
}

int QtPage::screen_logical_dpi() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 96;
    int dpi = qRound(screen->logicalDotsPerInch());
    return dpi > 0 ? dpi : 96;
}

void QtPage::create_font(int number, const FontSpec& wanted) {
    QFont font(q(wanted.face));
    font.setPixelSize(std::max(1, wanted.em_height));
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    // No ligatures: "ti" or "fi" drawn as one glyph would not read back as text from a PDF,
    // and a printout draws characters, not typography.
    font.setStyleHint(
        QFont::SansSerif,
        QFont::StyleStrategy((wanted.proof_quality ? QFont::PreferQuality : QFont::PreferDefault) |
                             QFont::PreferNoShaping));
    d_->fonts[number] = font;
}

void QtPage::select_font(int number) {
    auto it = d_->fonts.find(number);
    if (it != d_->fonts.end()) d_->font = it->second;
}

void QtPage::set_text_colours(Rgb front, Rgb back) {
    d_->front = qcolor(front);
    d_->back = qcolor(back);
}

void QtPage::set_draw_colour(Rgb colour) {
    d_->draw = qcolor(colour);
}

void QtPage::text(int x, int y, const std::string& text) {
    if (!d_->painter.isActive() || text.empty()) return;
    const QString s = q(text);
    QFontMetrics fm(d_->font, d_->device.get());
    QPainter& p = d_->painter;
    p.setFont(d_->font);
    // An opaque cell behind the text, as tall as the font's line.
    p.fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), d_->back);
    p.setPen(d_->front);
    p.drawText(QPoint(x, y + fm.ascent()), s);
}

int QtPage::text_width(const std::string& text) {
    QFontMetrics fm(d_->font, d_->device.get());
    return fm.horizontalAdvance(q(text));
}

void QtPage::line(int x1, int y1, int x2, int y2) {
    if (!d_->painter.isActive()) return;
    QPen pen(d_->draw);
    pen.setWidth(1);
    pen.setCosmetic(true);
    d_->painter.setPen(pen);
    d_->painter.drawLine(x1, y1, x2, y2);
}

void QtPage::box(int left, int top, int right, int bottom) {
    box(left, top, right, bottom, Rgb{d_->draw.red(), d_->draw.green(), d_->draw.blue()});
}

void QtPage::box(int left, int top, int right, int bottom, Rgb colour) {
    if (!d_->painter.isActive()) return;
    d_->painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), qcolor(colour));
}

void QtPage::picture(int image, int x, int y, int w, int h) {
    if (!d_->painter.isActive()) return;
    const QPixmap& pixmap = gui::picture(image);
    if (pixmap.isNull()) return;
    d_->painter.drawPixmap(QRect(x, y, w, h), pixmap);
}

void QtPage::new_page() {
    if (d_->painter.isActive()) d_->device->newPage();
}

void QtPage::end_job() {
    if (d_ && d_->painter.isActive()) d_->painter.end();
}

SystemPrinter::SystemPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}
SystemPrinter::~SystemPrinter() = default;

std::unique_ptr<Page> SystemPrinter::start_job(const std::string& job_name) {
    if (!printer_) return nullptr;
    printer_->setDocName(q(job_name));
    // A printer starts one job: the page owns it from here.
    return QtPage::begin(std::move(printer_));
}

std::unique_ptr<Page> PdfFile::start_job(const std::string& job_name) {
    auto writer = std::make_unique<QPdfWriter>(q(path_));
    writer->setResolution(dpi_);
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setPageOrientation(QPageLayout::Portrait);
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    writer->setTitle(q(job_name));
    writer->setCreator("Kelmov2");
    return QtPage::begin(std::move(writer));
}

std::unique_ptr<PrintTarget> show_printer_dialog(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setFullPage(false);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle("Imprimer");
    // Every page is printed: no range, selection or current-page choice.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    printer->setPrintRange(QPrinter::AllPages);
    return std::make_unique<SystemPrinter>(std::move(printer));
}

}  // namespace kelmo::print
