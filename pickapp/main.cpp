// QUILLON: the pick program. It shows the field its two areas carry; "--print-field" prints
// that field instead, one item a line.
#include <QApplication>

#include <cstdio>
#include <string_view>

#include "fieldblock/FieldAreaReader.h"
#include "pickapp/QtPickDialogs.h"
#include "pickapp/QuillonDialog.h"
#include "pickapp/rules/PrintedField.h"
#include "pickapp/rules/SaveRules.h"

int main(int argc, char** argv) {
    using namespace brackwell;
    const auto field = fieldblock::ReadOwnField();
    if (argc > 1 && std::string_view(argv[1]) == "--print-field") {
        if (!field) {
            std::fputs(pick::kNoFieldMessage, stderr);
            std::fputs("\n", stderr);
            return 1;
        }
        const std::string text = pick::PrintedField(*field);
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0 ? 0 : 1;
    }
    QApplication app(argc, argv);
    pick::QtPickDialogs dialogs;
    if (!field) {
        dialogs.Warn(pick::kErrorTitle, pick::kNoFieldMessage);
        return 1;
    }
    pick::QuillonDialog dialog(*field, dialogs);
    dialogs.setParent(&dialog);
    dialog.exec();
    return 0;
}
