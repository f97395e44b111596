#include "support/scripted_operator.h"

namespace kelmo::test {

void ScriptedOperator::message(const std::string& title, const std::string& text) {
    shown.push_back({"message", title, text});
}

bool ScriptedOperator::ask_yes_no(const std::string& title, const std::string& text) {
    shown.push_back({"yes_no", title, text});
    return next_answer() == Answer::Yes;
}

Answer ScriptedOperator::ask_yes_no_cancel(const std::string& title, const std::string& text) {
    shown.push_back({"yes_no_cancel", title, text});
    return next_answer();
}

std::optional<std::string> ScriptedOperator::choose_file(const std::string& title,
                                                         const std::string& filter) {
    shown.push_back({"file", title, filter});
    return next_choice();
}

std::optional<std::string> ScriptedOperator::choose_folder(const std::string& title,
                                                           const std::string& start) {
    shown.push_back({"folder", title, start});
    return next_choice();
}

std::unique_ptr<PrintTarget> ScriptedOperator::choose_printer() {
    shown.push_back({"printer", "", ""});
    if (printers.empty()) return nullptr;
    auto p = std::move(printers.front());
    printers.pop_front();
    return p;
}

std::vector<std::string> ScriptedOperator::texts() const {
    std::vector<std::string> out;
    for (const Shown& s : shown) out.push_back(s.text);
    return out;
}

std::string ScriptedOperator::last() const { return shown.empty() ? "" : shown.back().text; }

Answer ScriptedOperator::next_answer() {
    if (answers.empty()) return default_answer;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> ScriptedOperator::next_choice() {
    if (choices.empty()) return std::nullopt;
    auto c = choices.front();
    choices.pop_front();
    return c;
}

}  // namespace kelmo::test
