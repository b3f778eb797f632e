#include "desktop/TeamBoxTypeAhead.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "desktop/AnsiQt.h"
#include "core/BoxSearch.h"

namespace brackwell {

namespace {

// The key's character code as the search takes it; 0 for a key it does not handle.
int KeyCode(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace) return kKeyBackspace;
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return kKeyEnter;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
    const std::string text = QStringToAnsi(key.text());
    return text.size() == 1 ? static_cast<unsigned char>(text[0]) : 0;
}

}  // namespace

bool TypeAheadKey(QLineEdit& box, QListWidget& list, const std::vector<std::string>& entries, const QKeyEvent& key) {
    BoxSearchRequest request;
    request.source = BoxKind::TextBox;
    request.text = QStringToAnsi(box.text());
    request.selStart = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    request.selLength = static_cast<int>(box.selectedText().size());
    request.givenText = request.text;
    request.keyCode = KeyCode(key);
    request.target = BoxKind::ListBox;
    request.entries = entries;
    if (request.keyCode == 0) return false;

    const BoxSearchResult result = clsBoxSearch::FindIndexStr(request);
    if (result.sourceChanged) {
        box.setText(AnsiToQString(result.text));
        if (result.selLength > 0) box.setSelection(result.selStart, result.selLength);
        else box.setCursorPosition(result.selStart);
    }
    if (result.index) list.setCurrentRow(*result.index);
    return result.keyCode == 0;
}

}  // namespace brackwell
