#include <gtest/gtest.h>

#include <filesystem>

#include "core/LineFile.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::TempFolder;

struct LineCase {
    const char* name;
    std::string bytes;
    std::size_t maxLines;
    std::size_t maxLineLength;
    std::vector<std::string> lines;
    LineReadStatus status;
};

class LineFileRead : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineFileRead, SplitsAndBoundsAsStated) {
    const LineCase& c = GetParam();
    TempFolder folder;
    folder.Write("f.txt", c.bytes);
    const LineReadResult read = ReadLineFile(folder.File("f.txt"), c.maxLines, c.maxLineLength);
    EXPECT_EQ(read.lines, c.lines);
    EXPECT_EQ(read.status, c.status);
}

const std::string kLong(20000, 'x');

INSTANTIATE_TEST_SUITE_P(
    Cases, LineFileRead,
    ::testing::Values(
        LineCase{"CrLf", "a\r\nb\r\n", 10, 100, {"a", "b"}, LineReadStatus::Ok},
        LineCase{"LfAlone", "a\nb\n", 10, 100, {"a", "b"}, LineReadStatus::Ok},
        LineCase{"LastLineWithoutEnd", "a\r\nb", 10, 100, {"a", "b"}, LineReadStatus::Ok},
        LineCase{"EmptyLines", "\r\n\n\r\n", 10, 100, {"", "", ""}, LineReadStatus::Ok},
        LineCase{"LoneCrIsData", "a\rb\r\nc", 10, 100, {"a\rb", "c"}, LineReadStatus::Ok},
        LineCase{"DoubleCrKeepsOne", "a\r\r\n", 10, 100, {"a\r"}, LineReadStatus::Ok},
        LineCase{"Empty", "", 10, 100, {}, LineReadStatus::Ok},
        LineCase{"NulIsData", std::string("a\0b\r\n", 5), 10, 100, {std::string("a\0b", 3)}, LineReadStatus::Ok},
        LineCase{"ExactlyMaxLines", "a\r\nb\r\n", 2, 100, {"a", "b"}, LineReadStatus::Ok},
        LineCase{"OneLineTooMany", "a\r\nb\r\nc", 2, 100, {"a", "b"}, LineReadStatus::TooManyLines},
        LineCase{"AnEmptyLineTooMany", "a\r\nb\r\n\r\n", 2, 100, {"a", "b"}, LineReadStatus::TooManyLines},
        LineCase{"LengthAtTheLimitWithItsCr", "abc\r\nd", 10, 3, {"abc", "d"}, LineReadStatus::Ok},
        LineCase{"LengthOverTheLimit", "ab\r\nabcd\r\n", 10, 3, {"ab"}, LineReadStatus::LineTooLong},
        LineCase{"LengthOverTheLimitAtTheEnd", "abcd", 10, 3, {}, LineReadStatus::LineTooLong},
        // Lines crossing the reader's 16 KB chunks, and a CR LF split between two chunks.
        LineCase{"AcrossChunks", kLong + "\r\n" + kLong, 10, 20000, {kLong, kLong}, LineReadStatus::Ok},
        LineCase{"CrLfSplitBetweenChunks", std::string(16383, 'y') + "\r\nz", 10, 20000,
                 {std::string(16383, 'y'), "z"}, LineReadStatus::Ok}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(LineFileOpen, MissingFolderAndAnyCaseOfTheName) {
    TempFolder folder;
    EXPECT_EQ(ReadLineFile(folder.File("none.txt"), 10).status, LineReadStatus::Missing);
    EXPECT_EQ(ReadLineFile(folder.File("none/deeper.txt"), 10).status, LineReadStatus::Missing);
    std::filesystem::create_directory(folder.File("dir.txt"));
    EXPECT_EQ(ReadLineFile(folder.File("dir.txt"), 10).status, LineReadStatus::Unreadable);
    folder.Write("Mixed.Txt", "m\r\n");
    EXPECT_EQ(ReadLineFile(folder.File("MIXED.TXT"), 10).lines, std::vector<std::string>{"m"});
    // The exact name wins over another case of it.
    folder.Write("MIXED.TXT", "exact\r\n");
    EXPECT_EQ(ReadLineFile(folder.File("MIXED.TXT"), 10).lines, std::vector<std::string>{"exact"});
}

TEST(LineFileInto, FillsTheRowAndLeavesTheRestAsItWas) {
    TempFolder folder;
    std::vector<std::string> row(4, "old");
    folder.Write("f.txt", "a\r\nb\n");
    LineCountResult read = ReadLineFileInto(folder.File("F.TXT"), row);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.count, 2u);
    EXPECT_EQ(row, (std::vector<std::string>{"a", "b", "old", "old"}));

    folder.Write("f.txt", "1\n2\n3\n4\n5\n");
    read = ReadLineFileInto(folder.File("f.txt"), row);
    EXPECT_EQ(read.status, LineReadStatus::TooManyLines);
    EXPECT_EQ(row, (std::vector<std::string>{"1", "2", "3", "4"}));

    row.assign(4, "old");
    folder.Write("f.txt", "ok\ntoo long\nnext\n");
    read = ReadLineFileInto(folder.File("f.txt"), row, 4);
    EXPECT_EQ(read.status, LineReadStatus::LineTooLong);
    EXPECT_EQ(read.count, 1u);
    EXPECT_EQ(row, (std::vector<std::string>{"ok", "", "old", "old"}));

    EXPECT_EQ(ReadLineFileInto(folder.File("none"), row).status, LineReadStatus::Missing);
}

TEST(LineFileWrite, EveryLineEndsInCrLf) {
    EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines({}), "");
    std::string out = "x\r\n";
    AppendLine(out, "y");
    EXPECT_EQ(out, "x\r\ny\r\n");
}

}  // namespace
}  // namespace brackwell
