#include "desktop/AnsiQt.h"

#include <gtest/gtest.h>

#include "core/AnsiText.h"

namespace brackwell {
namespace {

TEST(AnsiQt, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = AnsiToQString(all);
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(text.at(b).unicode(), AnsiToUnicode(static_cast<unsigned char>(b))) << b;
    EXPECT_EQ(QStringToAnsi(text), all);
}

TEST(AnsiQt, CodePageCharactersMapToTheirBytes) {
    EXPECT_EQ(AnsiToQString("\x80 caf\xE9"), QString::fromUtf8("\xE2\x82\xAC caf\xC3\xA9"));
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("\xE2\x80\x9CSt. John\xE2\x80\x99s\xE2\x80\x9D")), "\x93St. John\x92s\x94");
}

TEST(AnsiQt, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("A\xE4\xB8\xAD" "B")), "A?B");   // U+4E2D
    EXPECT_EQ(QStringToAnsi(QString::fromUtf8("A\xF0\x9F\x8F\x80" "B")), "A?B");  // one character, two UTF-16 units
    EXPECT_EQ(QStringToAnsi(QString(QChar(0xD800))), "?");                      // a lone surrogate
}

TEST(AnsiQt, DisplayTextShowsEachCrLfAsOneLineBreak) {
    EXPECT_EQ(AnsiToDisplayText("one\r\ntwo\r\n\r\nthree"), QStringLiteral("one\ntwo\n\nthree"));
}

TEST(AnsiQt, PathsAreTheSystemsBytesNotCodePageText) {
    const std::string path = "/pool/Mu\xC3\xB1oz_JM.BKS";  // UTF-8 on disk
    EXPECT_EQ(PathToQString(path), QString::fromUtf8("/pool/Mu\xC3\xB1oz_JM.BKS"));
    EXPECT_EQ(QStringToPath(PathToQString(path)), path);
    EXPECT_NE(AnsiToQString(path), PathToQString(path));
}

}  // namespace
}  // namespace brackwell
