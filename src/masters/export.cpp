// The products export: a tab-separated "inventaire.xls" that the desktop's spreadsheet
// program opens, written in Windows-1252 with CR LF line ends as such programs expect.
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "masters/products.h"
#include "util/operator.h"

namespace kelmo::masters {

namespace {

// Windows-1252 bytes 0x80-0x9F and the characters they stand for (0 = unassigned).
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char to_byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string to_cp1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        int length = b < 0x80           ? 1
                     : (b >> 5) == 0x6  ? 2
                     : (b >> 4) == 0xE  ? 3
                     : (b >> 3) == 0x1E ? 4
                                        : 0;
        if (length == 0 || i + length > utf8.size()) {
            out += '?';  // not UTF-8: one byte at a time
            ++i;
            continue;
        }
        char32_t c = length == 1 ? b : b & (0x7F >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        out += to_byte(c);
        i += length;
    }
    return out;
}

std::string ProductsTab::export_products(const std::string& folder, const Opener& open_file) {
    const std::filesystem::path path = std::filesystem::path(folder) / "inventaire.xls";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    std::string text = "Code\tMarque\tRéférence\tDésignation du produit\tQté INV.\r\n";
    // A tab or line break pasted into a designation would shift the spreadsheet's columns.
    auto cell = [](std::string value) {
        for (char& c : value)
            if (c == '\t' || c == '\r' || c == '\n') c = ' ';
        return value;
    };
    for (const ListRow& row : rows_)
        text += cell(row.cell(0)) + "\t" + cell(row.cell(1)) + "\t" + cell(row.cell(2)) + "\r\n";
    file << to_cp1252(text);
    file.close();
    if (!file) {
        op_.message("Erreur", "Impossible d'écrire le fichier " + path.string() + " !");
        return "";
    }
    const std::string written = std::filesystem::absolute(path).string();
    if (open_file) open_file(written);
    return written;
}

}  // namespace kelmo::masters
