// A list as the windows show it, in plain values: the logic classes fill these and the
// widgets copy them into their list views.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelmo {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

enum class Align { Left, Right, Center };

// align_column's kinds: 1 right, 2 centred, anything else left.
inline Align align_kind(int kind) {
    return kind == 1 ? Align::Right : kind == 2 ? Align::Center : Align::Left;
}

struct ListColumn {
    std::string title;
    int width = 100;
    Align align = Align::Left;
};

struct ListRow {
    std::vector<std::string> cells;
    std::optional<Rgb> background;  // whole row
    std::optional<Rgb> foreground;
    std::vector<std::optional<Rgb>> cell_backgrounds;  // per cell, overrides the row's
    std::vector<std::optional<Rgb>> cell_foregrounds;

    const std::string& cell(size_t i) const {
        static const std::string empty;
        return i < cells.size() ? cells[i] : empty;
    }
};

}  // namespace kelmo
