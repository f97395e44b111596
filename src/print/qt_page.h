// The Qt back ends of the print framework: the system printer (QPrintDialog; on Linux the
// dialog also offers printing to a PDF file) and PDF files written directly (QPdfWriter).
//
// Program start-up hands the printer dialog to the Qt operator:
//     qt_operator.set_printer_dialog(print::show_printer_dialog);
// Pictures come from the image catalogue (gui::picture); faces missing on the desktop are
// matched by fontconfig through substitutions installed with the first job.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "print/page.h"
#include "util/print_target.h"

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kelmo::print {

// A page drawn with QPainter on a printer or PDF writer, which it owns.
class QtPage : public Page {
  public:
    // Starts drawing on `device`; null when the painter cannot begin (job refused).
    static std::unique_ptr<QtPage> begin(std::unique_ptr<QPagedPaintDevice> device);
    ~QtPage() override;

    int width() const override;
    int height() const override;
    int screen_logical_dpi() const override;
    void create_font(int number, const FontSpec& font) override;
    void select_font(int number) override;
    void set_text_colours(Rgb front, Rgb back) override;
    void set_draw_colour(Rgb colour) override;
    void text(int x, int y, const std::string& text) override;
    int text_width(const std::string& text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void box(int left, int top, int right, int bottom) override;
    void box(int left, int top, int right, int bottom, Rgb colour) override;
    void picture(int image, int x, int y, int w, int h) override;
    void new_page() override;
    void end_job() override;

  private:
    struct Impl;
    explicit QtPage(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d_;
};

// A printer chosen in the printer dialog.
class SystemPrinter : public PrintTarget {
  public:
    explicit SystemPrinter(std::unique_ptr<QPrinter> printer);
    ~SystemPrinter() override;
    std::unique_ptr<Page> start_job(const std::string& job_name) override;

  private:
    std::unique_ptr<QPrinter> printer_;
};

// A PDF file of A4 portrait pages at `dpi` device pixels per inch, the whole sheet being
// the printable area (4961 x 7016 pixels at 600 dpi).
class PdfFile : public PrintTarget {
  public:
    explicit PdfFile(std::string path, int dpi = 600) : path_(std::move(path)), dpi_(dpi) {}
    std::unique_ptr<Page> start_job(const std::string& job_name) override;

  private:
    std::string path_;
    int dpi_;
};

// Shows the printer-selection dialog on an A4 portrait printer at high resolution; the
// chosen printer, or null when the operator cancels.
std::unique_ptr<PrintTarget> show_printer_dialog(QWidget* parent);

}  // namespace kelmo::print
