// An operator for tests: records every box shown and gives the answers the test queued.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "util/operator.h"

namespace kelmo::test {

struct Shown {
    std::string kind;  // "message", "yes_no", "yes_no_cancel", "file", "folder", "printer"
    std::string title;
    std::string text;
    bool operator==(const Shown&) const = default;
};

class ScriptedOperator : public Operator {
public:
    void message(const std::string& title, const std::string& text) override;
    bool ask_yes_no(const std::string& title, const std::string& text) override;
    Answer ask_yes_no_cancel(const std::string& title, const std::string& text) override;
    std::optional<std::string> choose_file(const std::string& title,
                                           const std::string& filter) override;
    std::optional<std::string> choose_folder(const std::string& title,
                                             const std::string& start) override;
    std::unique_ptr<PrintTarget> choose_printer() override;

    // Answers given in order; when none is queued, questions get `default_answer` and
    // choices get nothing (cancelled).
    std::deque<Answer> answers;
    Answer default_answer = Answer::Yes;
    std::deque<std::optional<std::string>> choices;
    // Printers "chosen" in the printer dialog, in order (a null entry, or none queued, is a
    // cancelled dialog). Tests queue a recorder from src/print here.
    std::deque<std::unique_ptr<PrintTarget>> printers;

    std::vector<Shown> shown;

    // Texts of the boxes shown, in order.
    std::vector<std::string> texts() const;
    // Text of the last box, "" when none was shown.
    std::string last() const;
    void clear() { shown.clear(); }

private:
    Answer next_answer();
    std::optional<std::string> next_choice();
};

}  // namespace kelmo::test
