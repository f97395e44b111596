// The operator: the person at the keyboard, reached through message boxes and dialogs.
// Logic classes talk to this interface only, so tests can script every answer; the Qt
// implementation lives with the widgets.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "util/print_target.h"

namespace kelmo {

enum class Answer { Yes, No, Cancel };

class Operator {
public:
    virtual ~Operator() = default;

    // An OK box with the given title ("Erreur", "Confirmation", "Info", ...).
    virtual void message(const std::string& title, const std::string& text) = 0;

    // Yes/No question; true for Yes.
    virtual bool ask_yes_no(const std::string& title, const std::string& text) = 0;

    // Yes/No/Cancel question.
    virtual Answer ask_yes_no_cancel(const std::string& title, const std::string& text) = 0;

    // A file to open; `filter` in Qt's form ("Fichiers texte (*.txt);;Tous (*)").
    // Empty when the operator cancels.
    virtual std::optional<std::string> choose_file(const std::string& title,
                                                   const std::string& filter) = 0;

    // A folder; empty when the operator cancels.
    virtual std::optional<std::string> choose_folder(const std::string& title,
                                                     const std::string& start) = 0;

    // The printer-selection dialog: the printer chosen, or null when the operator cancels
    // (the printout then stops without a word). Operators that cannot print say "cancelled".
    virtual std::unique_ptr<PrintTarget> choose_printer() { return nullptr; }
};

}  // namespace kelmo
