// Every command number: the window it opens and the selected entry it gives.
#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "app/dispatcher.h"
#include "support/temp_data.h"

using kelmo::app::dispatch_command;
using kelmo::app::main_menu;
using kelmo::app::Outcome;
using kelmo::app::Window;

namespace {

struct Recorder : kelmo::app::WindowOpener {
    void open(Window window, kelmo::gui::Session& session) override {
        opened.push_back({window, session.selected_entry});
    }
    std::vector<std::pair<Window, int>> opened;
};

}  // namespace

TEST(Dispatch, EveryRangeOpensItsWindowOnTheSelectedEntry) {
    kelmo::test::TempData data;
    kelmo::gui::Session session{data.store(), data.op()};
    struct Range {
        int first, last;
        Window window;
    };
    const Range ranges[] = {{1, 3, Window::Tables},
                            {10, 16, Window::Sales},
                            {22, 23, Window::Debit},
                            {30, 36, Window::Treasury},
                            {40, 45, Window::Journals},
                            {50, 51, Window::Invoice},
                            {61, 62, Window::AccessParameters}};
    for (const Range& r : ranges) {
        for (int n = r.first; n <= r.last; ++n) {
            Recorder opener;
            EXPECT_EQ(dispatch_command(n, session, opener), Outcome::Continue);
            ASSERT_EQ(opener.opened.size(), 1u) << n;
            EXPECT_EQ(opener.opened[0].first, r.window) << n;
            EXPECT_EQ(opener.opened[0].second, n - r.first) << n;
            EXPECT_EQ(session.selected_entry, n - r.first);
        }
    }
}

TEST(Dispatch, InitialBalancesKeepsTheSelectedEntry) {
    kelmo::test::TempData data;
    kelmo::gui::Session session{data.store(), data.op()};
    Recorder opener;
    dispatch_command(15, session, opener);  // "Mouvement produit"
    EXPECT_EQ(session.selected_entry, 5);
    EXPECT_EQ(dispatch_command(63, session, opener), Outcome::Continue);
    ASSERT_EQ(opener.opened.size(), 2u);
    EXPECT_EQ(opener.opened[1], std::make_pair(Window::InitialBalances, 5));
}

TEST(Dispatch, EndOfSessionAndCommandsThatDoNothing) {
    kelmo::test::TempData data;
    kelmo::gui::Session session{data.store(), data.op()};
    session.selected_entry = 4;
    Recorder opener;
    EXPECT_EQ(dispatch_command(99, session, opener), Outcome::EndSession);
    EXPECT_EQ(dispatch_command(119, session, opener), Outcome::EndSession);
    for (int n : {0, 4, 9, 17, 21, 24, 29, 37, 46, 52, 60, 64, 98, 100, 101, 118, 120, -1})
        EXPECT_EQ(dispatch_command(n, session, opener), Outcome::Continue) << n;
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(session.selected_entry, 4);
}

TEST(Menu, ItemsAreUniqueAndEveryOneIsDispatched) {
    kelmo::test::TempData data;
    kelmo::gui::Session session{data.store(), data.op()};
    std::set<int> seen;
    for (const auto& menu : main_menu()) {
        for (const auto& item : menu.items) {
            if (item.separator()) continue;
            EXPECT_TRUE(seen.insert(item.command).second) << item.command;
            Recorder opener;
            Outcome outcome = dispatch_command(item.command, session, opener);
            EXPECT_TRUE(opener.opened.size() == 1 || outcome == Outcome::EndSession) << item.text;
        }
    }
    EXPECT_EQ(seen.size(), 30u);
}

TEST(Toolbar, FillerButtons) {
    // 21 icons of 32 pixels: 672. Fillers run while the width stays below inner - 50.
    EXPECT_EQ(kelmo::app::filler_button_count(672, 32, 1366), 21);  // 672 + 21*32 = 1344
    EXPECT_EQ(kelmo::app::filler_button_count(672, 32, 722), 0);    // exactly inner - 50
    EXPECT_EQ(kelmo::app::filler_button_count(672, 32, 723), 1);
    EXPECT_EQ(kelmo::app::filler_button_count(672, 32, 600), 0);  // narrower than the icons
    EXPECT_EQ(kelmo::app::filler_button_count(672, 0, 1366), 0);
}
