#pragma once
// Type-ahead for the text, combo and list boxes of the setup and roster windows: as the user
// types, the first entry of a list that begins with what was typed is selected and completed
// in the box, the completion selected so that further typing replaces it.
//
// A key-press handler fills a BoxSearchRequest from its widgets, calls FindIndexStr, and applies
// the result: the source's text and selection (when sourceChanged), the target's selected
// entry (when index is set), the combo's drop-down (when openDropDown), and swallows the key
// when keyCode comes back 0.

#include <optional>
#include <span>
#include <string>

namespace brackwell {

enum class BoxKind { None, TextBox, ComboBox, ListBox };

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;

struct BoxSearchRequest {
    BoxKind source = BoxKind::TextBox;  // TextBox or ComboBox: the box being typed in
    std::string text;                   // its current text (Windows-1252 bytes)
    int selStart = 0;                   // the caret: characters before it
    int selLength = 0;
    std::string givenText;  // the text argument of the call: searched when the box is empty
    int keyCode = 0;        // the key's character code
    // The list searched: ListBox or ComboBox with its entries. None with a combo box source
    // searches the combo box itself, whose entries are then given here.
    BoxKind target = BoxKind::None;
    std::span<const std::string> entries;
};

struct BoxSearchResult {
    bool sourceChanged = false;  // text and selection below differ from the request's
    std::string text;            // the source's text afterwards
    int selStart = 0;
    int selLength = 0;
    std::optional<int> index;    // the entry to select in the target; unset: leave it
    bool openDropDown = false;   // open the target combo box's list
    int keyCode = 0;             // the key to pass on; 0 when consumed
};

class clsBoxSearch {
public:
    static BoxSearchResult FindIndexStr(const BoxSearchRequest& request);
};

}  // namespace brackwell
