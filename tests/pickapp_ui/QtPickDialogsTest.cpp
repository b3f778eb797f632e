// The pick program's message boxes as a person sees them: title, text, icon and button.

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "pickapp/QtPickDialogs.h"
#include "tests/support/qt/ModalDialog.h"

namespace brackwell::pick {
namespace {

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Runs show() and records the message box it puts up, closing it with its OK button.
SeenBox Seen(const std::function<void()>& show) {
    SeenBox seen;
    brackwell::testing::WhenModalDialogShows([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr) return;
        seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return seen;
}

TEST(QtPickDialogsTest, WarningAndAboutBoxes) {
    QtPickDialogs dialogs;
    const SeenBox warning = Seen([&] { dialogs.Warn("** QUILLON ERROR **", "Fields\nmissing \x80"); });
    EXPECT_EQ(warning.title, QStringLiteral("** QUILLON ERROR **"));
    EXPECT_EQ(warning.text, QString::fromUtf8("Fields\nmissing \xe2\x82\xac"));
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.buttons, 1);

    const SeenBox about = Seen([&] { dialogs.About(); });
    EXPECT_EQ(about.title, QStringLiteral("About QUILLON"));
    EXPECT_EQ(about.text, QStringLiteral("QUILLON Version 1.0"));
    EXPECT_EQ(about.buttons, 1);
}

}  // namespace
}  // namespace brackwell::pick
