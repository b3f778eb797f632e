#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/RosterFile.h"
#include "core/TextHelpers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::CrLf;
using testing::ScriptedDialogs;
using testing::TempFolder;

constexpr std::string_view kHeader =
    "\"Name                     \",\"FileName                         \","
    "\"Email                                      \",\"Phone         \"";
constexpr std::string_view kSmith =
    "\"Smith, TM                \",\"Smith_TM.BKS                     \","
    "\"tsmith@example.com                         \",\"555-0100      \"";
constexpr std::string_view kJones =
    "\"Jones, AB                \",\"Jones_AB.BKS                     \","
    "\"                                           \",\"              \"";

std::string RosterErrorText(const std::string& errorCopyPath) {
    return "There is a problem found with the file containing your player names.\r\n"
           "Possibly someone has edited this file with another program.\r\n\r\n"
           "The file: " + errorCopyPath + "\r\n"
           " is a copy of the original file with the error records identified.\r\n\r\n"
           "You can either go back to a backup copy of this file or attempt\r\n"
           "to correct the error(s) in this copy and then rename it to\r\n"
           "PLAYERNAMES.CSV.\r\n\r\n"
           "See the help file for additional instructions";
}

constexpr const char* kRosterErrorTitle = "** ERROR Found in PLAYERNAMES.CSV file **";

std::string WriteFailureText(const std::string& path) {
    return "There is a problem writing file: " + path + "\r\n Check for adequate space in the Application Directory";
}

struct RosterFolder {
    TempFolder folder;
    modBrackwell model{folder.path()};
    ScriptedDialogs dialogs;
    std::string csv = model.AppFilePath(kRosterFileName);
    std::string errorCopy = model.AppFilePath(kRosterErrorFileName);
};

TEST(RosterRecords, HeaderIsTheFourWordsPaddedToTheirFields) {
    EXPECT_EQ(RosterHeaderLine(), kHeader);
    EXPECT_EQ(RosterHeaderLine().size(), kRosterRecordLength);
    EXPECT_TRUE(IsRosterRecordLine(kHeader));
}

TEST(RosterRecords, DisplayLineCutsLongFieldsInTheFieldsThemselves) {
    std::string name = "Abercrombie-Fitzgerald, JQX";  // 27 characters
    std::string fileName = "Smith_TM.BKS";
    std::string email(50, 'e');
    std::string phone = "+1 555 0100 ext 42";
    const std::string line = RosterDisplayLine(name, fileName, email, phone);
    EXPECT_EQ(name, "Abercrombie-Fitzgerald, J");
    EXPECT_EQ(fileName, "Smith_TM.BKS");
    EXPECT_EQ(email, std::string(43, 'e'));
    EXPECT_EQ(phone, "+1 555 0100 ex");
    ASSERT_EQ(line.size(), kRosterDisplayLength);
    EXPECT_EQ(line, "Abercrombie-Fitzgerald, J Smith_TM.BKS" + std::string(22, ' ') + std::string(43, 'e') +
                        " +1 555 0100 ex");

    const RosterRecord record = ParseRosterDisplayLine(line);
    EXPECT_EQ(record.name, "Abercrombie-Fitzgerald, J");
    EXPECT_EQ(record.fileName, "Smith_TM.BKS" + std::string(21, ' '));
    EXPECT_EQ(RosterRecordLine(record).substr(0, 28), "\"Abercrombie-Fitzgerald, J\",");
}

TEST(RosterRecords, EveryByteFrom0x20To0xFFSurvivesRecordAndDisplayLine) {
    std::string bytes;
    for (int b = 0x20; b <= 0xFF; ++b) bytes += static_cast<char>(b);
    std::vector<std::string> displayLines;
    std::vector<std::string> recordLines;
    const std::size_t perRecord = kRosterNameWidth + kRosterFileNameWidth + kRosterEmailWidth + kRosterPhoneWidth;
    for (std::size_t at = 0; at < bytes.size(); at += perRecord) {
        std::string chunk = bytes.substr(at, perRecord);
        chunk.resize(perRecord, ' ');
        const RosterRecord record{chunk.substr(0, 25), chunk.substr(25, 33), chunk.substr(58, 43), chunk.substr(101, 14)};
        const std::string line = RosterRecordLine(record);
        ASSERT_TRUE(IsRosterRecordLine(line));
        const RosterRecord parsed = ParseRosterRecord(line);
        EXPECT_EQ(parsed.name, record.name);
        EXPECT_EQ(parsed.fileName, record.fileName);
        EXPECT_EQ(parsed.email, record.email);
        EXPECT_EQ(parsed.phone, record.phone);
        const std::string display = DisplayLineOf(parsed);
        EXPECT_EQ(display.size(), kRosterDisplayLength);
        EXPECT_EQ(RosterRecordLine(ParseRosterDisplayLine(display)), line);
        displayLines.push_back(display);
        recordLines.push_back(line);
    }

    RosterFolder f;
    ASSERT_TRUE(WriteRoster(f.model, f.dialogs, displayLines));
    std::vector<std::string> expected{std::string(kHeader)};
    expected.insert(expected.end(), recordLines.begin(), recordLines.end());
    EXPECT_EQ(f.folder.Read(kRosterFileName), JoinLines(expected));
    EXPECT_TRUE(ValidateRosterFile(f.model, f.dialogs));
    EXPECT_EQ(ReadRosterDisplayLines(f.model).lines, displayLines);
}

TEST(RosterRecords, LineBreakInAFieldCannotSplitTheRecord) {
    const std::string line = RosterRecordLine({"Smith,\r\nTM", "Smith_TM.BKS", "a\nb", "555\r"});
    EXPECT_TRUE(IsRosterRecordLine(line));
    EXPECT_EQ(ParseRosterRecord(line).name, PadRight("Smith,  TM", 25));
    EXPECT_EQ(ParseRosterRecord(line).email, PadRight("a b", 43));
}

TEST(RosterFile, WritesHeaderAndRecordsInListOrderAndReadsThemBack) {
    RosterFolder f;
    const std::vector<std::string> lines{DisplayLineOf({"Smith, TM", "Smith_TM.BKS", "tsmith@example.com", "555-0100"}),
                                         DisplayLineOf({"Jones, AB", "Jones_AB.BKS", "", ""})};
    ASSERT_TRUE(WriteRoster(f.model, f.dialogs, lines));
    EXPECT_EQ(f.folder.Read(kRosterFileName), testing::ReadBytes(BRACKWELL_TEST_DATA "/roster/PLAYERNAMES.CSV"));
    EXPECT_EQ(f.folder.Read(kRosterFileName), CrLf({kHeader, kSmith, kJones}));

    const LineReadResult read = ReadRosterDisplayLines(f.model);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.lines, lines);
    const RosterReadResult records = ReadRosterRecords(f.model);
    ASSERT_EQ(records.records.size(), 2u);
    EXPECT_EQ(records.records[1].fileName, PadRight("Jones_AB.BKS", 33));
}

TEST(RosterFile, WriteRosterHeaderLeavesTheHeaderAlone) {
    RosterFolder f;
    f.folder.Write(kRosterFileName, CrLf({kHeader, kSmith}));
    ASSERT_TRUE(WriteRosterHeader(f.model, f.dialogs));
    EXPECT_EQ(f.folder.Read(kRosterFileName), CrLf({kHeader}));
    EXPECT_TRUE(ValidateRosterFile(f.model, f.dialogs));
    EXPECT_TRUE(ReadRosterDisplayLines(f.model).lines.empty());
    EXPECT_TRUE(f.dialogs.calls().empty());
}

TEST(RosterFile, FailedWriteIsReportedAndKeepsTheOldRoster) {
    RosterFolder f;
    const std::string old = CrLf({kHeader, kSmith, kJones});
    f.folder.Write(kRosterFileName, old);
    testing::MakeReadOnly(f.folder.path());
    const bool checked = testing::RunWithoutFileOverride([&] {
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        const bool headerFailed = !WriteRosterHeader(f.model, dialogs);
        const bool rosterFailed = !WriteRoster(f.model, dialogs, {DisplayLineOf({"New, NN", "", "", ""})});
        const auto messages = dialogs.messages();
        return headerFailed && rosterFailed && messages.size() == 2 &&
               messages[0].title == "** ERROR IN WRITING FILE **" && messages[0].text == WriteFailureText(f.csv) &&
               messages[0].buttons == MsgButtons::OK && messages[1].text == messages[0].text;
    });
    testing::MakeWritable(f.folder.path());
    EXPECT_TRUE(checked);
    EXPECT_EQ(f.folder.Read(kRosterFileName), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.folder.path()), {}), 1) << "no temporary file left";
}

TEST(RosterValidation, GoodRosterGivesTrueAndRemovesAnOldErrorCopy) {
    RosterFolder f;
    f.folder.Write(kRosterFileName, CrLf({kHeader, kSmith, kJones}));
    f.folder.Write("playernames.txt", "old copy\r\n");
    EXPECT_TRUE(ValidateRosterFile(f.model, f.dialogs));
    EXPECT_FALSE(f.folder.Exists("playernames.txt"));
    EXPECT_FALSE(f.folder.Exists(kRosterErrorFileName));
    EXPECT_TRUE(f.dialogs.calls().empty());
}

TEST(RosterValidation, BadRecordsAreMarkedInTheErrorCopy) {
    RosterFolder f;
    const std::string tooShort(kSmith.substr(0, 125));
    const std::string tooLong = std::string(kSmith) + "x";
    std::string noComma(kSmith);
    noComma[63] = ' ';
    f.folder.Write(kRosterFileName, CrLf({kHeader, tooShort, kJones, tooLong, noComma, kSmith}));
    f.dialogs.AllowMessages();
    EXPECT_FALSE(ValidateRosterFile(f.model, f.dialogs));
    EXPECT_EQ(f.folder.Read(kRosterErrorFileName),
              CrLf({kHeader, "** Following record too short**", tooShort, kJones, "**Following Record was too long**",
                    tooLong, "**Formatting of following record incorrect**", noComma, kSmith}));
    const auto messages = f.dialogs.messages();
    ASSERT_EQ(messages.size(), 1u);
    const auto& message = messages[0];
    EXPECT_EQ(message.title, kRosterErrorTitle);
    EXPECT_EQ(message.text, RosterErrorText(f.errorCopy));
    EXPECT_EQ(message.buttons, MsgButtons::OK);
    EXPECT_EQ(message.icon, MsgIcon::None);
    EXPECT_EQ(f.folder.Read(kRosterFileName), CrLf({kHeader, tooShort, kJones, tooLong, noComma, kSmith}));
}

TEST(RosterValidation, EachMisplacedQuoteOrCommaIsAFormattingError) {
    for (std::size_t column : {1, 27, 28, 29, 63, 64, 65, 109, 110, 111, 126}) {
        std::string line(kSmith);
        line[column - 1] = 'x';
        EXPECT_EQ(RosterLineMarker(line), std::string_view(kRosterBadFormatMarker)) << column;
    }
    EXPECT_EQ(RosterLineMarker(kSmith), nullptr);
    EXPECT_EQ(RosterLineMarker(""), std::string_view(kRosterTooShortMarker));
}

TEST(RosterValidation, RosterThatCannotBeReadIsNeverGood) {
    {
        RosterFolder f;  // missing
        f.dialogs.AllowMessages();
        EXPECT_FALSE(ValidateRosterFile(f.model, f.dialogs));
        EXPECT_EQ(f.dialogs.messages().at(0).text, RosterErrorText(f.errorCopy));
        EXPECT_FALSE(f.folder.Exists(kRosterErrorFileName));
    }
    {
        RosterFolder f;  // a folder in its place; an earlier copy being mended stays
        std::filesystem::create_directory(f.csv);
        f.folder.Write(kRosterErrorFileName, "being mended\r\n");
        f.dialogs.AllowMessages();
        EXPECT_FALSE(ValidateRosterFile(f.model, f.dialogs));
        EXPECT_EQ(f.dialogs.messages().size(), 1u);
        EXPECT_EQ(f.folder.Read(kRosterErrorFileName), "being mended\r\n");
    }
    {
        RosterFolder f;  // no permission to read
        f.folder.Write(kRosterFileName, CrLf({kHeader, kSmith}));
        chmod(f.csv.c_str(), 0);
        EXPECT_TRUE(testing::RunWithoutFileOverride([&] {
            ScriptedDialogs dialogs;
            dialogs.AllowMessages();
            return !ValidateRosterFile(f.model, dialogs) && dialogs.messages().size() == 1 &&
                   dialogs.messages()[0].title == kRosterErrorTitle;
        }));
        EXPECT_FALSE(f.folder.Exists(kRosterErrorFileName));
    }
}

TEST(RosterValidation, OddBytesAndLineEnds) {
    struct Case {
        const char* what;
        std::string bytes;
        bool good;
        std::string copy;  // the expected error copy of a bad roster
    };
    std::string nulInField(kSmith);
    nulInField[5] = '\0';
    std::string nulAtQuote(kSmith);
    nulAtQuote[26] = '\0';
    const std::string crOnly = std::string(kHeader) + "\r" + std::string(kSmith);
    const std::string longLine(2048, 'L');
    const Case cases[] = {
        {"empty file", "", true, ""},
        {"no line end", std::string(kHeader), true, ""},
        {"LF line ends", std::string(kHeader) + "\n" + std::string(kSmith) + "\n", true, ""},
        {"NUL in a field", CrLf({kHeader, nulInField}), true, ""},
        {"CR-only line ends", crOnly, false, CrLf({kRosterTooLongMarker, crOnly})},
        {"NUL at a quote", CrLf({kHeader, nulAtQuote}), false, CrLf({kHeader, kRosterBadFormatMarker, nulAtQuote})},
        {"blank last line", CrLf({kHeader, kSmith, ""}), false, CrLf({kHeader, kSmith, kRosterTooShortMarker, ""})},
        {"records after a 2 KiB line", CrLf({kHeader, longLine, kSmith}), false,
         CrLf({kHeader, kRosterTooLongMarker, longLine, kSmith})},
        {"overlong line with CRs", CrLf({kHeader, longLine + "\r\r"}) + "tail\r", false,
         CrLf({kHeader, kRosterTooLongMarker, longLine + "\r\r", kRosterTooShortMarker, "tail"})},
    };
    for (const Case& c : cases) {
        RosterFolder f;
        f.folder.Write(kRosterFileName, c.bytes);
        f.dialogs.AllowMessages();
        EXPECT_EQ(ValidateRosterFile(f.model, f.dialogs), c.good) << c.what;
        EXPECT_EQ(f.dialogs.messages().size(), c.good ? 0u : 1u) << c.what;
        if (c.good) EXPECT_FALSE(f.folder.Exists(kRosterErrorFileName)) << c.what;
        else EXPECT_EQ(f.folder.Read(kRosterErrorFileName), c.copy) << c.what;
    }
}

// The copy the message tells the organiser to mend and rename holds every line of the roster,
// however long, so renaming it loses nothing.
TEST(RosterValidation, HugeFilesAreCopiedWhole) {
    {
        RosterFolder f;  // a 100 MB line after the header, then a good record
        const std::size_t size = 100 * 1024 * 1024;
        f.folder.Write(kRosterFileName, CrLf({kHeader}) + "xyz");
        ASSERT_EQ(truncate(f.csv.c_str(), static_cast<off_t>(size)), 0);
        {
            std::ofstream append(f.csv, std::ios::binary | std::ios::app);
            append << "\r\n" << kSmith << "\r\n";
        }
        f.dialogs.AllowMessages();
        EXPECT_FALSE(ValidateRosterFile(f.model, f.dialogs));
        const std::string copy = f.folder.Read(kRosterErrorFileName);
        const std::string head = CrLf({kHeader, kRosterTooLongMarker}) + "xyz";
        ASSERT_EQ(copy.size(), size + CrLf({kRosterTooLongMarker, "", kSmith}).size());
        EXPECT_TRUE(copy.compare(0, head.size(), head) == 0);
        EXPECT_TRUE(copy.compare(copy.size() - kSmith.size() - 4, std::string::npos, CrLf({"", kSmith})) == 0);
        EXPECT_EQ(f.dialogs.messages().size(), 1u);
        EXPECT_FALSE(ReadRosterRecords(f.model).ok());
    }
    {
        RosterFolder f;  // a million lines
        std::string bytes;
        bytes.reserve(3'000'000);
        for (int i = 0; i < 1'000'000; ++i) bytes += "x\r\n";
        f.folder.Write(kRosterFileName, bytes);
        f.dialogs.AllowMessages();
        EXPECT_FALSE(ValidateRosterFile(f.model, f.dialogs));
        const std::string markedLine = CrLf({kRosterTooShortMarker, "x"});
        EXPECT_EQ(f.folder.Read(kRosterErrorFileName).size(), 1'000'000 * markedLine.size());
        EXPECT_EQ(f.dialogs.messages().size(), 1u);
    }
}

TEST(RosterValidation, ABadLineFarIntoTheFileIsFoundWhenTheCopyCannotBeWritten) {
    RosterFolder f;
    std::string bytes = CrLf({kHeader});
    for (int i = 0; i < 1000; ++i) bytes += CrLf({kSmith});
    f.folder.Write(kRosterFileName, bytes + CrLf({"short"}));
    testing::MakeReadOnly(f.folder.path());
    EXPECT_TRUE(testing::RunWithoutFileOverride([&] {
        f.dialogs.AllowMessages();
        return !ValidateRosterFile(f.model, f.dialogs) && f.dialogs.messages().size() == 2;
    }));
    testing::MakeWritable(f.folder.path());
}

TEST(RosterValidation, ErrorCopyThatCannotBeWrittenIsReportedToo) {
    RosterFolder f;
    std::filesystem::create_directory(f.errorCopy);
    f.folder.Write(kRosterFileName, CrLf({kHeader, kSmith.substr(1)}));
    f.dialogs.AllowMessages();
    EXPECT_FALSE(ValidateRosterFile(f.model, f.dialogs));
    const auto messages = f.dialogs.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].title, "** ERROR IN WRITING FILE **");
    EXPECT_EQ(messages[0].text, WriteFailureText(f.errorCopy));
    EXPECT_EQ(messages[1].title, kRosterErrorTitle);

    // A good roster is good even when the old copy cannot be removed.
    f.dialogs.ClearCalls();
    f.folder.Write(kRosterFileName, CrLf({kHeader, kSmith}));
    EXPECT_TRUE(ValidateRosterFile(f.model, f.dialogs));
    EXPECT_TRUE(f.dialogs.calls().empty());
}

}  // namespace
}  // namespace brackwell
