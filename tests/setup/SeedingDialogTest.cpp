#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/setup/SetupWindowFixture.h"
#include "tests/support/qt/ModalDialog.h"

namespace brackwell::testing {
namespace {

QLineEdit& Seed(QWidget* dialog, int k) { return *dialog->findChild<QLineEdit*>(QStringLiteral("txtSeed_%1").arg(k)); }
void Press(QWidget* dialog, const char* button) {
    dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

class SeedingDialogTest : public SetupWindowTest {
protected:
    // Opens "Seeding Entry" and runs handle on the dialog.
    void Seeding(std::function<void(QWidget*)> handle) {
        WhenModalDialogShows(std::move(handle));
        window->mnuSeating->trigger();
    }
    QString SeedLabel(int k) const { return Find<QLabel>("lblSeed", k).text(); }
};

TEST_F(SeedingDialogTest, ShowsTheFirstRegionAndGivesTheSeedsToEveryRegion) {
    Open();
    Find<QLineEdit>("txtRegion", 2).setText(QStringLiteral("Texas A&M"));
    Seeding([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Seed Positions Entry"));
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblRegion_2"))->text(), QStringLiteral("Texas A&M"));
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblRegion_2"))->textFormat(), Qt::PlainText);
        EXPECT_EQ(Seed(dialog, 0).text(), QStringLiteral(" 1"));
        for (int k = 0; k < 16; ++k) Seed(dialog, k).setText(QString::number(16 - k));
        Seed(dialog, 9).setText(QStringLiteral("07"));
        Seed(dialog, 12).setText(QStringLiteral(" 4"));
        Press(dialog, "cmdComplete");
    });
    for (int region = 0; region < 4; ++region) {
        EXPECT_EQ(SeedLabel(region * 16), QStringLiteral("16"));
        EXPECT_EQ(SeedLabel(region * 16 + 9), QStringLiteral("7"));
        EXPECT_EQ(SeedLabel(region * 16 + 12), QStringLiteral("4"));
    }
    window->mnuSaveStartingField->trigger();  // the saved seeds are the normalised ones
    const std::string saved = folder.Read("POOLSTART.BKT");
    EXPECT_NE(saved.find("\r\n16\r\n15\r\n14\r\n13\r\n12\r\n11\r\n10\r\n9\r\n8\r\n7\r\n6\r\n5\r\n4\r\n3\r\n2\r\n1\r\n"),
              std::string::npos);
}

TEST_F(SeedingDialogTest, RefusedSeedsKeepTheDialogOpenAndCancelChangesNothing) {
    Open();
    test.dialogs.AllowMessages();
    int refusals = 0;
    Seeding([&](QWidget* dialog) {
        for (const char* bad : {"0", "17", "", "16"}) {  // "16" twice: box 1 holds it already
            Seed(dialog, 0).setText(QString::fromLatin1(bad));
            Press(dialog, "cmdComplete");
            EXPECT_TRUE(dialog->isVisible()) << bad;
            ++refusals;
        }
        EXPECT_EQ(Seed(dialog, 0).text(), QStringLiteral("16"));  // entries kept as typed
        Press(dialog, "cmdCancel");
    });
    EXPECT_EQ(refusals, 4);
    EXPECT_EQ(test.dialogs.messages().size(), 4u);
    EXPECT_EQ(test.dialogs.messages()[0].title, "SEED Entry ERROR");
    EXPECT_EQ(SeedLabel(0), QStringLiteral(" 1"));
    EXPECT_EQ(SeedLabel(17), QStringLiteral("16"));
}

}  // namespace
}  // namespace brackwell::testing
