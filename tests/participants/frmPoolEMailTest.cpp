#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "core/RosterFile.h"
#include "participants/frmPoolEMail.h"
#include "tests/participants/RosterText.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::kJones;
using testing::kLee;
using testing::kSmith;
using testing::Roster;
using testing::ScriptedDialogs;
using testing::TempFolder;

struct MailWindow : testing::RosterFolder {
    std::unique_ptr<frmPoolEMail> window;

    MailWindow() { folder.Write(kRosterFileName, Roster({kSmith, kJones, kLee})); }
    void Open(bool emailAll = false) {
        window = std::make_unique<frmPoolEMail>(model, dialogs, emailAll);
        window->show();
    }
    template <typename T>
    T* Find(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    QStringList SendTo() const {
        QStringList items;
        auto* list = Find<QListWidget>("lstTo");
        for (int row = 0; row < list->count(); ++row) items << list->item(row)->text();
        return items;
    }
};

TEST(frmPoolEMail, OpensWithTheRosterAndTheEntryButtonsSetForSearching) {
    MailWindow w;
    w.Open();
    EXPECT_EQ(w.window->windowTitle(), "Brackwell - EMail Selections");
    const std::pair<const char*, const char*> buttons[] = {{"cmdUseList", "Match List Below"},
                                                           {"cmdFreeEntry", "Not In List Below"},
                                                           {"cmdDelete", "Delete Email Selected"},
                                                           {"cmdSend", "Send Email"},
                                                           {"cmdExit", "Exit/Cancel"}};
    for (const auto& [name, caption] : buttons) EXPECT_EQ(w.Find<QPushButton>(name)->text(), caption);
    EXPECT_FALSE(w.Find<QPushButton>("cmdUseList")->isEnabled());
    EXPECT_TRUE(w.Find<QPushButton>("cmdFreeEntry")->isEnabled());
    auto* names = w.Find<QListWidget>("lstPlayerNames");
    ASSERT_EQ(names->count(), 3);
    EXPECT_EQ(names->item(0)->text(), "Smith, TM  (tsmith@example.com)");
    EXPECT_EQ(names->item(2)->text(), "Lee, K     ()");
    EXPECT_TRUE(w.SendTo().isEmpty());
}

TEST(frmPoolEMail, RecipientsComeFromTheRosterByDoubleClickSearchAndEnterOrTyped) {
    MailWindow w;
    w.Open();
    auto* names = w.Find<QListWidget>("lstPlayerNames");
    // An entry without an address adds nothing when double-clicked.
    emit names->itemDoubleClicked(names->item(2));
    emit names->itemDoubleClicked(names->item(1));
    EXPECT_EQ(w.SendTo(), QStringList{"ab@example.com"});

    auto* entry = w.Find<QLineEdit>("txtEntry");
    entry->setFocus();
    QTest::keyClicks(entry, "Sm");
    EXPECT_EQ(names->currentRow(), 0);
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(w.SendTo(), (QStringList{"ab@example.com", "tsmith@example.com"}));

    names->setCurrentRow(2);
    w.dialogs.Answer(MsgAnswer::OK);
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(w.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.dialogs.messages()[0].text, kMailNoAddressMessage);

    // Typing after "Not In List Below" starts a new address, not one after the search text.
    ASSERT_FALSE(entry->text().isEmpty());
    w.Click("cmdFreeEntry");
    EXPECT_TRUE(w.Find<QPushButton>("cmdUseList")->isEnabled());
    EXPECT_FALSE(w.Find<QPushButton>("cmdFreeEntry")->isEnabled());
    QTest::keyClicks(entry, "guest@example.com");
    QTest::keyClick(entry, Qt::Key_Return);
    EXPECT_EQ(entry->text(), "");
    EXPECT_EQ(w.SendTo().last(), "guest@example.com");

    // A text that is not a plain address is refused and stays in the box to be mended.
    w.dialogs.ClearCalls();
    w.dialogs.Answer(MsgAnswer::OK);
    QTest::keyClicks(entry, "x@evil.io?attach=/etc/passwd");
    QTest::keyClick(entry, Qt::Key_Return);
    ASSERT_EQ(w.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.dialogs.messages()[0].text,
              "\"x@evil.io?attach=/etc/passwd\" is not a plain e-mail address.\r\nType it as name@example.com, "
              "without blanks, quotes, commas, \"?\" or \"&\".");
    EXPECT_EQ(w.dialogs.messages()[0].title, "Brackwell - frmPoolEMail, Form_KeyPress");
    EXPECT_EQ(entry->text(), "x@evil.io?attach=/etc/passwd");
    EXPECT_EQ(w.SendTo().last(), "guest@example.com");
    w.Click("cmdUseList");
    EXPECT_FALSE(w.Find<QPushButton>("cmdUseList")->isEnabled());
}

TEST(frmPoolEMail, DeleteRemovesTheSelectedRecipientOrSaysToSelectOne) {
    MailWindow w;
    w.dialogs.Answer(MsgAnswer::OK);  // Lee has no address
    w.Open(true);
    EXPECT_EQ(w.dialogs.messages().size(), 1u);
    w.dialogs.ClearCalls();
    w.dialogs.Answer(MsgAnswer::OK);
    w.Click("cmdDelete");
    ASSERT_EQ(w.dialogs.messages().size(), 1u);
    EXPECT_EQ(w.dialogs.messages()[0].title, "Brackwell - PoolEmail, cmdDelete");
    w.Find<QListWidget>("lstTo")->setCurrentRow(0);
    w.Click("cmdDelete");
    EXPECT_EQ(w.SendTo(), QStringList{"ab@example.com"});
}

TEST(frmPoolEMail, SendLeavesTheMailInTheHandOverAndCancelSetsTheFlag) {
    MailWindow w;
    w.dialogs.AllowMessages();
    w.Open(true);
    w.Find<QLineEdit>("txtSubject")->setText("Week 2");
    w.Find<QPlainTextEdit>("txtMessage")->setPlainText("Line one\nLine two");
    w.Click("cmdSend");
    EXPECT_EQ(w.window->result(), QDialog::Accepted);
    EXPECT_FALSE(w.model.MailHandOver.Cancelled);
    EXPECT_EQ(w.model.MailHandOver.Recipients, (std::vector<std::string>{"tsmith@example.com", "ab@example.com"}));
    EXPECT_EQ(w.model.MailHandOver.Subject, "Week 2");
    EXPECT_EQ(w.model.MailHandOver.Message, "Line one\r\nLine two");

    w.Open();
    EXPECT_EQ(w.model.MailHandOver.Subject, "");
    w.Click("cmdExit");
    EXPECT_TRUE(w.model.MailHandOver.Cancelled);
    EXPECT_EQ(w.window->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace brackwell
