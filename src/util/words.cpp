#include "util/words.h"

#include <array>

#include "util/numbers.h"
#include "util/text.h"

namespace kelmo {

namespace {

const std::array<std::string, 100>& number_words() {
    static const std::array<std::string, 100> words = [] {
        std::array<std::string, 100> w;
        const char* units[] = {"",     "Un",  "Deux", "Trois", "Quatre",
                               "Cinq", "Six", "Sept", "Huit",  "Neuf"};
        const char* teens[] = {"Dix",    "Onze",     "Douze",    "Treize",   "Quatorze",
                               "Quinze", "Seize",    "Dix sept", "Dix huit", "Dix neuf"};
        const char* tens[] = {"", "", "Vingt", "Trente", "Quarante", "Cinquante", "Soixante"};
        for (int i = 0; i < 10; ++i) {
            w[i] = units[i];
            w[10 + i] = teens[i];
        }
        for (int t = 2; t <= 6; ++t) {
            w[t * 10] = tens[t];
            w[t * 10 + 1] = std::string(tens[t]) + " et Un";
            for (int u = 2; u < 10; ++u) w[t * 10 + u] = std::string(tens[t]) + " " + units[u];
        }
        const char* seventies[] = {"Soixante Dix",      "Soixante et Onze",  "Soixante Douze",
                                   "Soixante Treize",   "Soixante Quatorze", "Soixante Quinze",
                                   "Soixante Seize",    "Soixante Dix Sept", "Soixante Dix Huit",
                                   "Soixante Dix Neuf"};
        for (int i = 0; i < 10; ++i) w[70 + i] = seventies[i];
        w[80] = "Quatre Vingt";
        w[81] = "Quatre Vingt et Un";
        for (int u = 2; u < 10; ++u) w[80 + u] = std::string("Quatre Vingt ") + units[u];
        w[90] = "Quatre Vingt Dix";
        w[91] = "Quatre Vingt et Onze";
        for (int i = 2; i < 7; ++i) w[90 + i] = "Quatre Vingt " + w[10 + i];
        w[97] = "Quatre Vingt Dix Sept";
        w[98] = "Quatre Vingt Dix Huit";
        w[99] = "Quatre Vingt Dix Neuf";
        return w;
    }();
    return words;
}

const std::string& word(long long value) {
    return number_words()[(value >= 0 && value < 100) ? value : 0];
}

// A full group of three digits: hundreds then the last two digits.
void append_three(std::string& r, const std::string& g) {
    long long h = g[0] - '0';
    if (h > 1) r += word(h) + " Cent ";
    if (h == 1) r += " Cent ";
    r += word(whole_value(g.substr(1, 2)));
}

void replace_all(std::string& s, const std::string& from, const std::string& to) {
    for (size_t pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size()))
        s.replace(pos, from.size(), to);
}

}  // namespace

std::string amount_in_words(std::string_view display_amount) {
    std::string s = trim(remove_spaces(display_amount));
    if (!s.empty() && s[0] == '-') s.erase(0, 1);
    std::string cents = s.size() >= 2 ? s.substr(s.size() - 2) : s;
    std::string integer = s.size() >= 3 ? s.substr(0, s.size() - 3) : std::string();
    for (char c : integer)
        if (c < '0' || c > '9') integer.clear();  // not a display amount: no words

    std::string milliards, millions, thousands, units;
    if (!integer.empty() && integer.size() <= 12) {
        auto take = [&integer]() {
            std::string g = integer.size() > 3 ? integer.substr(integer.size() - 3) : integer;
            integer.erase(integer.size() - g.size());
            return g;
        };
        units = take();
        thousands = take();
        millions = take();
        milliards = take();
    }

    std::string r;
    long long v = whole_value(milliards);
    if (milliards.size() == 3) append_three(r, milliards);
    else r = word(v);
    if (v > 1) r += " Milliards ";
    else if (v == 1) r += " Milliard ";

    v = whole_value(millions);
    if (millions.size() == 3) append_three(r, millions);
    else r += word(v);
    if (v > 1) r += " Millions ";
    else if (v == 1) r += " Million ";

    v = whole_value(thousands);
    if (thousands.size() == 3) append_three(r, thousands);
    else if (v > 1) r += word(v);
    if (v > 0) r += " Mille ";

    if (units.size() == 3) append_three(r, units);
    else r += word(whole_value(units));

    replace_all(r, "Un Million Un Mille", "  Un Million Mille ");
    replace_all(r, "Millions Un Mille", "Millions  Mille  ");
    return r + " Dinars " + cents + " Cts";
}

}  // namespace kelmo
