#pragma once
// The test double of Dialogs: every dialog a test expects is scripted with its answer; each
// call is recorded; a dialog nobody scripted fails the test.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/Dialogs.h"

namespace brackwell::testing {

enum class DialogKind { Message, Input, OpenFile, SaveFile, Print, Font };

struct DialogCall {
    DialogKind kind = DialogKind::Message;
    std::string text;   // message text, input prompt, or file dialog filter
    std::string title;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    std::string defaultText;  // input default, or file dialog initial path
    FileDialogRequest file;   // the whole request of a file dialog
};

class ScriptedDialogs final : public Dialogs {
public:
    ScriptedDialogs() = default;
    ~ScriptedDialogs() override;

    // Answers, taken in order by the dialogs of their kind.
    ScriptedDialogs& Answer(MsgAnswer answer);
    ScriptedDialogs& Type(std::string text);
    ScriptedDialogs& ChooseFile(std::optional<std::string> path);
    ScriptedDialogs& ConfirmPrint(bool confirm);
    ScriptedDialogs& ChooseFont(std::optional<FontChoice> font);
    // Every OK-only message box is answered OK without scripting.
    ScriptedDialogs& AllowMessages();

    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    bool PrintDialog(PrintRequest& request) override;
    std::optional<FontChoice> FontDialog(const FontChoice& initial) override;

    const std::vector<DialogCall>& calls() const { return calls_; }
    // The message boxes shown, in order.
    std::vector<DialogCall> messages() const;
    // Drops the record of calls made so far.
    void ClearCalls() { calls_.clear(); }

private:
    std::deque<MsgAnswer> answers_;
    std::deque<std::string> typed_;
    std::deque<std::optional<std::string>> files_;
    std::deque<bool> prints_;
    std::deque<std::optional<FontChoice>> fonts_;
    bool allowMessages_ = false;
    std::vector<DialogCall> calls_;
};

}  // namespace brackwell::testing
