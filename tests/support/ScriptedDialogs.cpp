#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace brackwell::testing {

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted message answers were never asked for";
    EXPECT_TRUE(typed_.empty()) << typed_.size() << " scripted input answers were never asked for";
    EXPECT_TRUE(files_.empty()) << files_.size() << " scripted file choices were never asked for";
}

ScriptedDialogs& ScriptedDialogs::Answer(MsgAnswer answer) {
    answers_.push_back(answer);
    return *this;
}
ScriptedDialogs& ScriptedDialogs::Type(std::string text) {
    typed_.push_back(std::move(text));
    return *this;
}
ScriptedDialogs& ScriptedDialogs::ChooseFile(std::optional<std::string> path) {
    files_.push_back(std::move(path));
    return *this;
}
ScriptedDialogs& ScriptedDialogs::ConfirmPrint(bool confirm) {
    prints_.push_back(confirm);
    return *this;
}
ScriptedDialogs& ScriptedDialogs::ChooseFont(std::optional<FontChoice> font) {
    fonts_.push_back(std::move(font));
    return *this;
}
ScriptedDialogs& ScriptedDialogs::AllowMessages() {
    allowMessages_ = true;
    return *this;
}

MsgAnswer ScriptedDialogs::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                      const std::string& title) {
    calls_.push_back({DialogKind::Message, text, title, buttons, icon, {}, {}});
    if (!answers_.empty()) {
        const MsgAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (allowMessages_ && buttons == MsgButtons::OK) return MsgAnswer::OK;
    ADD_FAILURE() << "unscripted message box \"" << title << "\": " << text;
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::No : MsgAnswer::Cancel;
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) {
    calls_.push_back({DialogKind::Input, prompt, title, MsgButtons::OKCancel, MsgIcon::None, defaultText, {}});
    if (typed_.empty()) {
        ADD_FAILURE() << "unscripted input box \"" << title << "\": " << prompt;
        return {};
    }
    std::string text = std::move(typed_.front());
    typed_.pop_front();
    return text;
}

namespace {
std::optional<std::string> TakeFile(std::deque<std::optional<std::string>>& files, const char* what) {
    if (files.empty()) {
        ADD_FAILURE() << "unscripted " << what << " dialog";
        return std::nullopt;
    }
    auto path = std::move(files.front());
    files.pop_front();
    return path;
}
}  // namespace

std::optional<std::string> ScriptedDialogs::OpenFile(const FileDialogRequest& request) {
    calls_.push_back({DialogKind::OpenFile, request.filter, request.title, MsgButtons::OKCancel, MsgIcon::None,
                      request.initialPath, request});
    return TakeFile(files_, "file open");
}

std::optional<std::string> ScriptedDialogs::SaveFile(const FileDialogRequest& request) {
    calls_.push_back({DialogKind::SaveFile, request.filter, request.title, MsgButtons::OKCancel, MsgIcon::None,
                      request.initialPath, request});
    return TakeFile(files_, "file save");
}

bool ScriptedDialogs::PrintDialog(PrintRequest&) {
    calls_.push_back({DialogKind::Print, {}, {}, MsgButtons::OKCancel, MsgIcon::None, {}, {}});
    if (prints_.empty()) {
        ADD_FAILURE() << "unscripted print dialog";
        return false;
    }
    const bool confirm = prints_.front();
    prints_.pop_front();
    return confirm;
}

std::optional<FontChoice> ScriptedDialogs::FontDialog(const FontChoice&) {
    calls_.push_back({DialogKind::Font, {}, {}, MsgButtons::OKCancel, MsgIcon::None, {}, {}});
    if (fonts_.empty()) {
        ADD_FAILURE() << "unscripted font dialog";
        return std::nullopt;
    }
    auto font = std::move(fonts_.front());
    fonts_.pop_front();
    return font;
}

std::vector<DialogCall> ScriptedDialogs::messages() const {
    std::vector<DialogCall> result;
    for (const auto& call : calls_)
        if (call.kind == DialogKind::Message) result.push_back(call);
    return result;
}

}  // namespace brackwell::testing
