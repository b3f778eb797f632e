#include "tests/support/DecimalCommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <string>

namespace brackwell::testing {

bool SwitchToDecimalCommaLocale(const TempFolder& folder) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_NUMERIC, name) != nullptr) return true;
    const std::string compile = "localedef -i de_DE -f UTF-8 " + folder.File("de_DE.UTF-8") + " >/dev/null 2>&1";
    if (std::system(compile.c_str()) != 0) return false;
    setenv("LOCPATH", folder.path().c_str(), 1);
    const bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
    return switched;
}

}  // namespace brackwell::testing
