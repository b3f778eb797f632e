#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "core/RosterFile.h"
#include "participants/frmPoolNames.h"
#include "tests/support/qt/ModalDialog.h"
#include "tests/participants/RosterText.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScriptedDialogs;
using testing::TempFolder;
using testing::kJones;
using testing::kSmith;
using testing::Roster;

struct Editor : testing::RosterFolder {
    std::unique_ptr<frmPoolNames> window;

    Editor() { folder.Write(kRosterFileName, Roster({kSmith, kJones})); }
    void Open() {
        window = std::make_unique<frmPoolNames>(model, dialogs);
        window->show();
    }
    template <typename T>
    T* Find(const char* name) const {
        T* widget = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
    void Click(const char* button) const { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    QString roster() const { return QString::fromStdString(folder.Read(kRosterFileName)); }
};

TEST(frmPoolNames, ControlsShowTheirCaptionsInAFixedPitchFont) {
    Editor editor;
    editor.Open();
    EXPECT_EQ(editor.window->windowTitle(), "PlayerName Edit");
    const std::pair<const char*, const char*> buttons[] = {{"cmdAdd", "Add Record"}, {"cmdChange", "Complete Changes"},
                                                           {"cmdDelete", "Delete Selection"}, {"cmdCancel", "Cancel"},
                                                           {"cmdExit", "Done"}};
    for (const auto& [name, caption] : buttons) EXPECT_EQ(editor.Find<QPushButton>(name)->text(), caption);
    EXPECT_EQ(editor.Find<QPushButton>("cmdChange")->toolTip(), "Store the CHANGEs made");
    EXPECT_EQ(editor.Find<QPushButton>("cmdDelete")->toolTip(), "Select to DELETE selected record");
    const std::pair<const char*, const char*> fields[] = {{"txtName", "Name (Last, IN):"}, {"txtFileName", "FileName:"},
                                                          {"txtEmail", "EMail Address:"}, {"txtPhone", "Phone No:"}};
    for (const auto& [name, caption] : fields) {
        QLineEdit* field = editor.Field(name);
        EXPECT_EQ(field->accessibleName(), caption);
        EXPECT_TRUE(QFontInfo(field->font()).fixedPitch()) << name;
    }
    EXPECT_EQ(editor.Find<QLabel>("lblFileNameNote")->text(), "The File Name cannot be changed");
    auto* list = editor.Find<QListWidget>("lstNames");
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().toStdString(), DisplayLineOf(kSmith));
    EXPECT_FALSE(editor.Find<QPushButton>("cmdAdd")->isEnabled());
}

TEST(frmPoolNames, SavedFileIsAddedThroughExec) {
    Editor editor;
    editor.model.RosterHandOver = {"A", "Lee,K", editor.folder.File("Lee_K.BKS"), true};
    frmPoolNames window(editor.model, editor.dialogs);
    bool checked = false;
    testing::WhenModalDialogShows([&](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("txtName");
        auto* fileName = dialog->findChild<QLineEdit*>("txtFileName");
        checked = name->text() == "Lee,K" && fileName->text() == "LEE_K.BKS" && fileName->isReadOnly() &&
                  !dialog->findChild<QPushButton*>("cmdChange")->isEnabled();
        QTest::keyClicks(dialog->findChild<QLineEdit*>("txtEmail"), "lee@example.com");
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdAdd"), Qt::LeftButton);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_TRUE(checked);
    EXPECT_EQ(editor.roster().toStdString(), Roster({kSmith, kJones, {"Lee,K", "LEE_K.BKS", "lee@example.com", ""}}));
    EXPECT_EQ(editor.model.RosterHandOver.Action, "");
}

TEST(frmPoolNames, KeysMoveTheFocusAndEscapeNeverCloses) {
    Editor editor;
    editor.Open();
    QApplication::setActiveWindow(editor.window.get());
    auto* list = editor.Find<QListWidget>("lstNames");
    QLineEdit* email = editor.Field("txtEmail");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(list->currentRow(), 1);
    EXPECT_EQ(editor.Field("txtFileName")->text().trimmed(), "jones_ab.bks");

    email->setFocus();
    QTest::keyClick(email, Qt::Key_Escape);
    EXPECT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);  // the arrow keys still choose an entry in the list
    EXPECT_EQ(editor.Field("txtName")->text().trimmed(), "Jones, AB");
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(editor.Field("txtName")->text().trimmed(), "Smith, TM");
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(editor.Field("txtName")->hasFocus());
    QTest::keyClick(editor.Find<QPushButton>("cmdExit"), Qt::Key_Escape);
    EXPECT_TRUE(editor.window->isVisible());
}

TEST(frmPoolNames, CancelAfterADeleteLeavesEverything) {
    Editor editor;
    editor.folder.Write("Smith_TM.BKS", "picks");
    const QString before = editor.roster();
    editor.Open();
    auto* list = editor.Find<QListWidget>("lstNames");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    editor.dialogs.Answer(MsgAnswer::OK);
    editor.Click("cmdDelete");
    EXPECT_EQ(list->count(), 1);
    EXPECT_EQ(editor.Field("txtName")->text(), "");
    editor.Click("cmdCancel");
    EXPECT_FALSE(editor.window->isVisible());
    EXPECT_EQ(editor.window->result(), QDialog::Rejected);
    EXPECT_EQ(editor.roster(), before);
    EXPECT_TRUE(editor.folder.Exists("Smith_TM.BKS"));
}

TEST(frmPoolNames, DoneAfterAChangeWritesTheRoster) {
    Editor editor;
    editor.folder.Write("Jones_AB.BKS", "picks");
    editor.Open();
    auto* list = editor.Find<QListWidget>("lstNames");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QLineEdit* phone = editor.Field("txtPhone");
    phone->selectAll();
    QTest::keyClicks(phone, "555-0123 and far too long");
    editor.Click("cmdChange");
    EXPECT_TRUE(editor.window->isVisible());
    editor.Click("cmdExit");
    EXPECT_FALSE(editor.window->isVisible());
    EXPECT_EQ(editor.roster().toStdString(), Roster({kSmith, {kJones.name, kJones.fileName, kJones.email, "555-0123 and f"}}));
}

}  // namespace
}  // namespace brackwell
