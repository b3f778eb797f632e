// The helpers that keep captions readable in boxes of fixed size.
#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "desktop/ColumnCaption.h"
#include "desktop/FittedLabel.h"
#include "desktop/ReservedProgressBar.h"

namespace brackwell {
namespace {

QString AccessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST(FittedLabel, ALongNameIsDrawnSmallerAndOnlyCutShortPastTheFloor) {
    FittedLabel label;
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    label.setFont(font);
    label.setFrameShape(QFrame::Box);
    label.resize(106, 19);  // a team label of the bracket window as it opens
    label.setText(QStringLiteral("Duke"));
    EXPECT_EQ(label.fit(), (TextFit{8, false}));
    label.setText(QStringLiteral("Texas A&M-Corpus Christi"));
    EXPECT_LT(label.fit().points, 8);
    EXPECT_EQ(label.shownText(), label.text());

    label.resize(40, 19);
    EXPECT_TRUE(label.fit().elided);
    EXPECT_TRUE(label.shownText().endsWith(QChar(0x2026)));
    // Whoever reads the label reads the whole name.
    EXPECT_EQ(AccessibleName(&label), QStringLiteral("Texas A&M-Corpus Christi"));
}

// Where the words are centred is the bracket window's test; here, a caption that does not pair.
TEST(ColumnCaption, WordsThatDoNotPairWithTheBoxesAreDrawnAsWritten) {
    QWidget row;
    auto* caption = new ColumnCaption(QStringLiteral("  1       2      3"), &row);
    caption->setColumns({new QLineEdit(&row), new QLineEdit(&row)});
    EXPECT_TRUE(caption->WordCentres().empty());
}

TEST(ReservedProgressBar, ShowingItMovesNoButton) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new QPushButton(QStringLiteral("Exit"));
    layout->addStretch();
    layout->addWidget(button);  // just above the bar, where a bar taking its room would push it
    QProgressBar* bar = NewReservedProgressBar(QStringLiteral("prgWork"), QStringLiteral("Work done"));
    layout->addWidget(bar);
    window.resize(300, 120);
    window.show();
    const QRect before = button->geometry();
    EXPECT_FALSE(bar->isVisible());
    bar->show();
    layout->activate();
    EXPECT_EQ(button->geometry(), before);
    EXPECT_EQ(AccessibleName(bar), QStringLiteral("Work done"));
}

}  // namespace
}  // namespace brackwell
