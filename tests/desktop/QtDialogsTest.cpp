#include "desktop/QtDialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "desktop/AnsiQt.h"

#include "tests/support/qt/ModalDialog.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::WhenModalDialogShows;

TEST(QtFileFilter, DescriptionsKeepTheirPatternsOnce) {
    EXPECT_EQ(QtFileFilter("PoolSelections (*.BKS) | *.BKS"), QStringLiteral("PoolSelections (*.BKS)"));
    EXPECT_EQ(QtFileFilter("Results File (*.BKT)|*.BKT"), QStringLiteral("Results File (*.BKT)"));
}

TEST(QtFileFilter, PatternsAreAddedWhereTheDescriptionLacksThem) {
    EXPECT_EQ(QtFileFilter("Pool Files | *.BKS;*.BKT"), QStringLiteral("Pool Files (*.BKS *.BKT)"));
    EXPECT_EQ(QtFileFilter("Selections (*.BKS;*.BKT) | *.BKS; *.BKT"), QStringLiteral("Selections (*.BKS *.BKT)"));
    EXPECT_EQ(QtFileFilter("Text (*.doc) | *.TXT"), QStringLiteral("Text (*.doc) (*.TXT)"));
}

TEST(QtFileFilter, SeveralEntriesBecomeSeveralLines) {
    EXPECT_EQ(QtFileFilter("Text Files (*.TXT) | *.TXT | All Files (*.*) | *.*"),
              QStringLiteral("Text Files (*.TXT);;All Files (*.*)"));
}

TEST(QtFileFilter, EmptyOrIncompleteEntriesAreLeftOut) {
    EXPECT_EQ(QtFileFilter(""), QString());
    EXPECT_EQ(QtFileFilter("Pool Files | *.BKS | Dangling"), QStringLiteral("Pool Files (*.BKS)"));
    EXPECT_EQ(QtFileFilter("Nothing | "), QString());
}

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Shows a box through QtDialogs, records what it showed and presses `press` (Escape for NoButton).
MsgAnswer ShowAndPress(ShownBox& shown, const std::string& text, MsgButtons buttons, MsgIcon icon,
                       const std::string& title, QMessageBox::StandardButton press) {
    WhenModalDialogShows([&shown, press](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                 box->standardButton(box->defaultButton())};
        if (press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(press)->click();
    });
    QtDialogs dialogs;
    return dialogs.MessageBox(text, buttons, icon, title);
}

TEST(QtDialogsMessageBox, ShowsTheExactTitleTextIconAndButtons) {
    ShownBox shown;
    const MsgAnswer answer =
        ShowAndPress(shown, "It looks like you are just starting to work \r\nwith Brackwell.. <b>A</b> & more\r\n \r\nGo?",
                     MsgButtons::OKCancel, MsgIcon::Question, "** DEMO MODE OPTION **", QMessageBox::Ok);
    EXPECT_EQ(answer, MsgAnswer::OK);
    EXPECT_EQ(shown.title, QStringLiteral("** DEMO MODE OPTION **"));
    EXPECT_EQ(shown.text, QStringLiteral("It looks like you are just starting to work \nwith Brackwell.. <b>A</b> & more\n \nGo?"));
    EXPECT_EQ(shown.icon, QMessageBox::Question);
    EXPECT_EQ(shown.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(shown.defaultButton, QMessageBox::Ok);
}

TEST(QtDialogsMessageBox, IconsAndAnswersMapOneToOne) {
    struct Case {
        MsgButtons buttons;
        MsgIcon icon;
        QMessageBox::StandardButton press;
        QMessageBox::Icon shownIcon;
        QMessageBox::StandardButtons shownButtons;
        MsgAnswer answer;
    };
    const Case cases[] = {
        {MsgButtons::OK, MsgIcon::Critical, QMessageBox::Ok, QMessageBox::Critical, QMessageBox::Ok, MsgAnswer::OK},
        {MsgButtons::YesNo, MsgIcon::Exclamation, QMessageBox::No, QMessageBox::Warning,
         QMessageBox::Yes | QMessageBox::No, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgIcon::Information, QMessageBox::Cancel, QMessageBox::Information,
         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgIcon::None, QMessageBox::Yes, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No,
         MsgAnswer::Yes},
        {MsgButtons::OKCancel, MsgIcon::None, QMessageBox::Cancel, QMessageBox::NoIcon,
         QMessageBox::Ok | QMessageBox::Cancel, MsgAnswer::Cancel},
    };
    for (const Case& c : cases) {
        ShownBox shown;
        EXPECT_EQ(ShowAndPress(shown, "text", c.buttons, c.icon, "Title", c.press), c.answer);
        EXPECT_EQ(shown.icon, c.shownIcon);
        EXPECT_EQ(shown.buttons, c.shownButtons);
    }
}

TEST(QtDialogsMessageBox, EscapeGivesTheCancellingAnswer) {
    ShownBox shown;
    EXPECT_EQ(ShowAndPress(shown, "t", MsgButtons::OKCancel, MsgIcon::None, "T", QMessageBox::NoButton),
              MsgAnswer::Cancel);
    EXPECT_EQ(ShowAndPress(shown, "t", MsgButtons::YesNo, MsgIcon::None, "T", QMessageBox::NoButton), MsgAnswer::No);
    EXPECT_EQ(ShowAndPress(shown, "t", MsgButtons::OK, MsgIcon::None, "T", QMessageBox::NoButton), MsgAnswer::OK);
}

TEST(QtDialogsInputBox, ReturnsTheTypedTextInTheCodePageOrEmptyOnCancel) {
    QtDialogs dialogs;
    QString prompt, title, shownDefault;
    WhenModalDialogShows([&](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        prompt = input->labelText();
        title = input->windowTitle();
        shownDefault = input->textValue();
        input->setTextValue(QString::fromUtf8("Mu\xC3\xB1oz \xE4\xB8\xAD"));
        input->accept();
    });
    EXPECT_EQ(dialogs.InputBox("Enter the name\r\nof the player", "Player", "Sm\xEDth"), "Mu\xF1oz ?");
    EXPECT_EQ(prompt, QStringLiteral("Enter the name\nof the player"));
    EXPECT_EQ(title, QStringLiteral("Player"));
    EXPECT_EQ(shownDefault, QString::fromUtf8("Sm\xC3\xADth"));

    WhenModalDialogShows([](QWidget* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        ASSERT_NE(input, nullptr);
        input->setTextValue(QStringLiteral("typed"));
        input->reject();
    });
    EXPECT_EQ(dialogs.InputBox("Prompt", "Title", "default"), "");
}

TEST(QtDialogsFileDialogs, OpenWithTheRequestAndReturnTheChosenPath) {
    testing::TempFolder folder;
    folder.Write("SMITH_TM.BKS", "x");
    QtDialogs dialogs;
    FileDialogRequest request{"Save Selections", "PoolSelections (*.BKS) | *.BKS", folder.File("JONES_AB.BKS"), "BKS"};
    QString title, directory, defaultSuffix;
    QStringList filters, selected;
    bool confirmsOverwrite = true;
    WhenModalDialogShows([&](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        title = files->windowTitle();
        filters = files->nameFilters();
        directory = files->directory().absolutePath();
        defaultSuffix = files->defaultSuffix();
        selected = files->selectedFiles();
        confirmsOverwrite = !files->testOption(QFileDialog::DontConfirmOverwrite);
        files->selectFile(QStringLiteral("SMITH_TM"));
        QMetaObject::invokeMethod(files, "accept");
    });
    EXPECT_EQ(dialogs.SaveFile(request), folder.File("SMITH_TM.BKS"));  // the default extension is added
    EXPECT_EQ(title, QStringLiteral("Save Selections"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("PoolSelections (*.BKS)")});
    EXPECT_EQ(directory, PathToQString(folder.path()));
    EXPECT_EQ(defaultSuffix, QStringLiteral("BKS"));
    EXPECT_EQ(selected, QStringList{PathToQString(folder.File("JONES_AB.BKS"))});
    EXPECT_FALSE(confirmsOverwrite);

    WhenModalDialogShows([](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); });
    EXPECT_EQ(dialogs.OpenFile(request), std::nullopt);
}

}  // namespace
}  // namespace brackwell
