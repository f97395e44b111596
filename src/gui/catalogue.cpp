#include "gui/catalogue.h"

#include <QGuiApplication>
#include <QString>

#include <array>
#include <map>

namespace kelmo::gui {

namespace {

// Slot number and resource file of every picture the program carries.
struct Slot {
    int number;
    const char* file;
};

constexpr Slot kSlots[] = {
    {0, "login_banner.jpg"}, {1, "splash.jpg"},     {6, "previous.png"},
    {7, "next.png"},         {10, "reset.png"},     {98, "letterhead.jpg"},
    {99, "letterhead.jpg"},  {100, "tool_100.png"}, {101, "tool_101.png"},
    {102, "tool_102.png"},   {103, "tool_103.png"}, {104, "tool_104.png"},
    {105, "tool_105.png"},   {106, "tool_106.png"}, {107, "tool_107.png"},
    {108, "tool_108.png"},   {109, "tool_109.png"}, {110, "tool_110.png"},
    {111, "tool_111.png"},   {112, "tool_112.png"}, {113, "tool_113.png"},
    {114, "tool_114.png"},   {115, "tool_115.png"}, {116, "tool_116.png"},
    {117, "tool_117.png"},   {118, "tool_118.png"}, {119, "tool_119.png"},
    {120, "tool_blank.png"},
};

std::map<int, QPixmap>& pictures() {
    static std::map<int, QPixmap> loaded;
    return loaded;
}

bool pictures_loaded = false;

// Face, point size and boldness of each screen font, in slot order.
struct FontSpec {
    const char* face;
    int points;
    bool bold;
};

constexpr std::array<FontSpec, kScreenFontCount> font_specs() {
    std::array<FontSpec, kScreenFontCount> specs{};
    for (int n = 0; n <= 6; ++n) specs[n] = {"arial", n + 8, false};
    for (int n = 7; n <= 13; ++n) specs[n] = {"ms trebuchet", n + 1, false};
    for (int n = 14; n <= 20; ++n) specs[n] = {"ms trebuchet", n - 6, true};
    specs[21] = {"verdana", 9, true};
    specs[22] = {"Calibri", 10, true};
    specs[23] = {"arial", 9, true};
    specs[24] = {"arial", 10, true};
    specs[25] = {"Calibri", 11, true};
    specs[26] = {"Calibri", 9, true};
    specs[27] = {"Calibri", 14, true};
    specs[28] = {"Calibri", 12, true};
    specs[29] = {"Calibri", 11, false};
    return specs;
}

std::array<QFont, kScreenFontCount>& fonts() {
    static std::array<QFont, kScreenFontCount> created;
    return created;
}

bool fonts_loaded = false;

}  // namespace

// Faces the desktop may lack, mapped to installed look-alikes: the metric-compatible ones
// first (Liberation Sans for Arial, Carlito for Calibri and Candara, Veranda for Verdana),
// then general sans faces. Debian has no metric twin of Trebuchet MS; an Arial-metric face
// stands in.
void install_font_substitutions() {
    static bool done = false;
    if (done) return;
    done = true;
    const QStringList sans = {"Liberation Sans", "DejaVu Sans", "Nimbus Sans"};
    QFont::insertSubstitutions("arial", QStringList{"Arial"} + sans);
    QFont::insertSubstitutions("Calibri", QStringList{"Carlito"} + sans);
    QFont::insertSubstitutions("Candara", QStringList{"Carlito"} + sans);
    QFont::insertSubstitutions("ms trebuchet",
                               QStringList{"Trebuchet MS", "Fira Sans", "Liberation Sans"} + sans);
    QFont::insertSubstitutions("verdana", QStringList{"Verdana", "Veranda", "DejaVu Sans"} + sans);
}

void load_pictures() {
    auto& loaded = pictures();
    loaded.clear();
    for (const Slot& slot : kSlots) {
        QPixmap pixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(slot.file));
        if (!pixmap.isNull()) loaded[slot.number] = pixmap;
    }
    pictures_loaded = true;
}

const QPixmap& picture(int n) {
    static const QPixmap none;
    if (!pictures_loaded) load_pictures();
    auto it = pictures().find(n);
    return it == pictures().end() ? none : it->second;
}

void load_screen_fonts() {
    install_font_substitutions();
    const auto specs = font_specs();
    for (int n = 0; n < kScreenFontCount; ++n) {
        QFont font(QString::fromLatin1(specs[n].face), specs[n].points,
                   specs[n].bold ? QFont::Bold : QFont::Normal);
        font.setStyleHint(QFont::SansSerif);
        fonts()[n] = font;
    }
    fonts_loaded = true;
}

const QFont& screen_font(int n) {
    if (!fonts_loaded) load_screen_fonts();
    if (n < 0 || n >= kScreenFontCount) n = 0;
    return fonts()[n];
}

void use_application_font() {
    install_font_substitutions();
    QFont font("arial", 8);
    font.setStyleHint(QFont::SansSerif);
    QGuiApplication::setFont(font);
}

}  // namespace kelmo::gui
