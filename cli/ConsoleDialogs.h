#pragma once
// Dialogs for the command line: a message box becomes its title and text on the error stream;
// nobody is there to answer, so every question is declined and only OK goes through.

#include <ostream>

#include "core/UnattendedDialogs.h"

namespace brackwell::cli {

class ConsoleDialogs final : public UnattendedDialogs {
public:
    explicit ConsoleDialogs(std::ostream& err) : err_(err) {}

private:
    void Show(const std::string& title, const std::string& text) override;

    std::ostream& err_;
};

}  // namespace brackwell::cli
