#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/UnattendedDialogs.h"

namespace brackwell {
namespace {

class RecordingDialogs final : public UnattendedDialogs {
public:
    std::vector<std::pair<std::string, std::string>> shown;

private:
    void Show(const std::string& title, const std::string& text) override { shown.emplace_back(title, text); }
};

TEST(UnattendedDialogs, OnlyOkGoesThroughAndEveryQuestionIsDeclined) {
    RecordingDialogs dialogs;
    EXPECT_EQ(dialogs.MessageBox("Saved.", MsgButtons::OK, MsgIcon::Information, "Save"), MsgAnswer::OK);
    EXPECT_EQ(dialogs.MessageBox("Replace?", MsgButtons::YesNo, MsgIcon::Question, "Save"), MsgAnswer::No);
    EXPECT_EQ(dialogs.MessageBox("Save first?", MsgButtons::YesNoCancel, MsgIcon::Question, "Exit"),
              MsgAnswer::Cancel);
    EXPECT_EQ(dialogs.MessageBox("Go on?", MsgButtons::OKCancel, MsgIcon::None, "Print"), MsgAnswer::Cancel);
    dialogs.Message("plain");
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Save", "Saved."}, {"Save", "Replace?"}, {"Exit", "Save first?"}, {"Print", "Go on?"}, {kAppTitle, "plain"}};
    EXPECT_EQ(dialogs.shown, expected);
}

TEST(UnattendedDialogs, NothingIsTypedOrChosen) {
    RecordingDialogs dialogs;
    EXPECT_EQ(dialogs.InputBox("Your initials?", "Player", "AB"), "");
    EXPECT_FALSE(dialogs.OpenFile({}));
    EXPECT_FALSE(dialogs.SaveFile({}));
    PrintRequest print;
    EXPECT_FALSE(dialogs.PrintDialog(print));
    EXPECT_FALSE(dialogs.FontDialog({"Arial", 10.0, false, false}));
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace brackwell
