#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/RosterFile.h"
#include "participants/rules/RosterEditor.h"
#include "participants/rules/RosterFileKey.h"
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
using testing::kLee;

constexpr const char* kChangeMissingText =
    "** You selected a change record where no Pool \r\nSelections have been made **\r\n\r\n"
    "If you continue this Player Name record will\r\nbe deleted";
constexpr const char* kDeleteBothText =
    "The player record and the Pool Selections\r\nwill both be deleted if you continue, Ok??";

struct Pool : testing::RosterFolder {
    RosterEditor editor{model, dialogs};

    explicit Pool(const std::vector<RosterRecord>& records) { folder.Write(kRosterFileName, Roster(records)); }
    std::string roster() const { return folder.Read(kRosterFileName); }
    void HandOver(std::string action, std::string key, const std::string& file, bool addOnly) {
        model.RosterHandOver = {std::move(action), std::move(key), folder.File(file), addOnly};
    }
};

// Done after a save took a record out ("O") used to write the roster without it, losing the
// participant's e-mail address and phone.
TEST(RosterEditorDone, ARecordTakenOutIsOfferedBackBeforeTheRosterIsWritten) {
    const struct {
        MsgAnswer answer;
        bool closed;
        bool smithKept;
    } cases[] = {{MsgAnswer::Yes, true, true}, {MsgAnswer::No, true, false}, {MsgAnswer::Cancel, false, true}};
    for (const auto& c : cases) {
        Pool pool({kSmith, kJones});
        pool.HandOver("O", "Smith,TM", "Smith_TM.BKS", true);
        pool.editor.Load();
        pool.dialogs.Answer(c.answer);
        EXPECT_EQ(pool.editor.Done(), c.closed);
        EXPECT_EQ(pool.editor.closed(), c.closed);
        ASSERT_EQ(pool.dialogs.messages().size(), 1u);
        EXPECT_EQ(pool.dialogs.messages()[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(pool.roster().find("tsmith@example.com") != std::string::npos, c.smithKept);
    }
}

TEST(RosterFileKey, NamesTheSelectionFileOfTheFolderInAnyCase) {
    modBrackwell model("/pool");
    const std::pair<std::string, std::string> paths[] = {
        {"Smith_TM.BKS                     ", "/pool/SMITH_TM.BKS"},
        {"BKS_AB.bks  ", "/pool/BKS_AB.BKS"},
        {"Plain_name    ", "/pool/PLAIN_NAME"},
        {"../other/x.BKS", ""},
        {"sub/x.BKS", ""},
        {"   ", ""},
        {"..", ""},
    };
    for (const auto& [field, path] : paths) EXPECT_EQ(RosterSelectionPath(model, field), path) << field;
    EXPECT_EQ(HandOverFileName(model, "/pool/Smith_TM.bks"), "SMITH_TM.BKS");
    EXPECT_EQ(HandOverFileName(model, "/elsewhere/Smith_TM.BKS"), "SMITH_TM.BKS");
}

// What the editor shows after opening with each hand-over from the save command.
TEST(RosterEditorLoad, HandOverFromTheSave) {
    struct Case {
        const char* what;
        const char* action;
        const char* key;
        const char* file;
        bool addOnly;
        const char* action_after;
        std::vector<RosterRecord> list;
        int selected;
        RosterFields fields;
        bool add, change, remove, changed;
    };
    const Case cases[] = {
        {"from the menu", "", "", "", false, "", {kSmith, kJones}, -1, {}, false, true, true, false},
        {"new file", "A", "Lee,K", "Lee_K.BKS", true, "A", {kSmith, kJones}, -1, {"Lee,K", "LEE_K.BKS", "", ""},
         true, false, false, false},
        {"new name already in the roster", "A", "Jones,AB", "Jones_AB.BKS", true, "O", {kSmith}, -1,
         {"Jones,AB", "jones_ab.bks" + std::string(21, ' '), "ab@example.com" + std::string(29, ' '),
          "555-0199      "}, true, false,
         false, true},
        {"replaced file", "O", "Smith,TM", "Smith_TM.BKS", true, "O", {kJones}, -1,
         {"Smith,TM", "Smith_TM.BKS" + std::string(21, ' '), "tsmith@example.com" + std::string(25, ' '),
          "555-0100      "}, true, false,
         false, true},
        {"replaced file without a record", "O", "Lee,K", "Lee_K.BKS", true, "O", {kSmith, kJones}, -1,
         {"Lee,K", "LEE_K.BKS", "", ""}, true, false, false, true},
        {"same file again", "C", "Smith,TM", "Smith_TM.BKS", false, "C", {kSmith, kJones}, 0,
         {"Smith, TM" + std::string(16, ' '), "Smith_TM.BKS" + std::string(21, ' '),
          "tsmith@example.com" + std::string(25, ' '), "555-0100      "}, false, true,
         true, false},
        {"same file, no record yet", "C", "Lee,K", "Lee_K.BKS", false, "A", {kSmith, kJones}, -1,
         {"Lee,K", "LEE_K.BKS", "", ""}, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pool pool({kSmith, kJones});
        if (c.action[0]) pool.HandOver(c.action, c.key, c.file, c.addOnly);
        pool.editor.Load();
        std::vector<std::string> expected;
        for (const RosterRecord& record : c.list) expected.push_back(DisplayLineOf(record));
        EXPECT_EQ(pool.editor.action(), c.action_after);
        EXPECT_EQ(pool.editor.lines(), expected);
        EXPECT_EQ(pool.editor.selected(), c.selected);
        const RosterFields& fields = pool.editor.fields();
        EXPECT_EQ(fields.name, c.fields.name);
        EXPECT_EQ(fields.fileName, c.fields.fileName);
        EXPECT_EQ(fields.email, c.fields.email);
        EXPECT_EQ(fields.phone, c.fields.phone);
        EXPECT_EQ(pool.editor.controls().add, c.add);
        EXPECT_EQ(pool.editor.controls().change, c.change);
        EXPECT_EQ(pool.editor.controls().remove, c.remove);
        EXPECT_EQ(pool.editor.changed(), c.changed);
        EXPECT_FALSE(pool.folder.Exists(kRosterErrorFileName));
    }
}

// "Add Record" after a save: an overwrite replaces the old record (at the end), and long
// fields are cut to their widths in the list and the file.
TEST(RosterEditorAdd, WritesTheRosterWithTheSavedFilesRecord) {
    struct Case {
        std::vector<RosterRecord> before;
        const char* key;
        const char* file;
        const char* phone;
        std::vector<RosterRecord> after;
    };
    const Case cases[] = {
        {{kSmith, kJones, kLee}, "Smith,TM", "Smith_TM.BKS", "555-0101",
         {kJones, kLee, {"Smith,TM", "Smith_TM.BKS", "tsmith@example.com", "555-0101"}}},
        {{}, "Abercrombie-Fitzgerald,JQX", "Abercrombie-Fitzgerald_JQX.BKS", "+1 555 0100 ext 42",
         {{"Abercrombie-Fitzgerald,JQ", "ABERCROMBIE-FITZGERALD_JQX.BKS", "", "+1 555 0100 ex"}}},
    };
    for (const Case& c : cases) {
        Pool pool(c.before);
        pool.HandOver("A", c.key, c.file, true);
        pool.editor.Load();
        pool.editor.fields().phone = c.phone;
        pool.editor.AddRecord();
        EXPECT_TRUE(pool.editor.closed());
        EXPECT_EQ(pool.editor.lines().back(), DisplayLineOf(c.after.back()));
        EXPECT_EQ(pool.roster(), Roster(c.after));
    }
}

TEST(RosterEditorChange, SameFileSavedAgainIsChangedInPlace) {
    Pool pool({kSmith, kJones});
    pool.folder.Write("Smith_TM.BKS", "picks");
    pool.HandOver("C", "Smith,TM", "Smith_TM.BKS", false);
    pool.editor.Load();
    pool.editor.fields().phone = "555-0101";
    pool.editor.CompleteChanges();
    EXPECT_TRUE(pool.editor.closed());
    EXPECT_EQ(pool.roster(), Roster({{kSmith.name, kSmith.fileName, kSmith.email, "555-0101"}, kJones}));
}

TEST(RosterEditorChange, RecordWithoutSelectionsIsRemovedOnlyWhenConfirmed) {
    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::OK}) {
        Pool pool({kSmith, kJones});
        pool.editor.Load();
        pool.dialogs.Answer(MsgAnswer::OK).Answer(answer);
        pool.editor.CompleteChanges();
        pool.editor.Click(0);
        pool.editor.CompleteChanges();
        const auto messages = pool.dialogs.messages();
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].text, "** You need to select one record prior to CHANGE **");
        EXPECT_EQ(messages[0].title, "Pool Names Maintenance");
        EXPECT_EQ(messages[1].text, kChangeMissingText);
        EXPECT_EQ(messages[1].buttons, MsgButtons::OKCancel);
        EXPECT_EQ(pool.editor.lines().size(), answer == MsgAnswer::OK ? 1u : 2u);
        pool.editor.Done();
        EXPECT_EQ(pool.roster(), Roster(answer == MsgAnswer::OK ? std::vector{kJones} : std::vector{kSmith, kJones}));
    }
}

TEST(RosterEditorDelete, ConfirmedDeleteRemovesRecordAndSelectionsOnDone) {
    Pool pool({kSmith, kJones, kLee});
    pool.folder.Write("Smith_TM.BKS", "picks");
    pool.editor.Load();
    pool.dialogs.Answer(MsgAnswer::OK).Answer(MsgAnswer::Cancel);
    pool.editor.DeleteSelection();
    pool.editor.Click(0);
    pool.editor.DeleteSelection();
    EXPECT_EQ(pool.editor.lines().size(), 3u);
    pool.dialogs.Answer(MsgAnswer::OK);
    pool.editor.DeleteSelection();
    pool.editor.Click(1);  // Lee has no selection file: removed without a question
    pool.editor.DeleteSelection();
    const auto messages = pool.dialogs.messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "** You need to select one record prior to DELETE **");
    EXPECT_EQ(messages[1].text, kDeleteBothText);
    EXPECT_EQ(messages[1].title, "Pool Names Maintenance");
    EXPECT_EQ(pool.editor.deleteList(), std::vector<std::string>{pool.folder.File("SMITH_TM.BKS")});
    EXPECT_TRUE(pool.folder.Exists("Smith_TM.BKS"));
    pool.editor.Done();
    EXPECT_EQ(pool.roster(), Roster({kJones}));
    EXPECT_FALSE(pool.folder.Exists("Smith_TM.BKS"));
}

TEST(RosterEditorDelete, CancelLeavesRosterAndSelectionsUntouched) {
    Pool pool({kSmith, kJones});
    pool.folder.Write("Smith_TM.BKS", "picks");
    const std::string before = pool.roster();
    pool.HandOver("C", "Smith,TM", "Smith_TM.BKS", false);
    pool.editor.Load();
    pool.dialogs.Answer(MsgAnswer::OK);
    pool.editor.DeleteSelection();
    pool.editor.Cancel();
    EXPECT_TRUE(pool.editor.closed());
    EXPECT_FALSE(pool.editor.changed());
    EXPECT_EQ(pool.roster(), before);
    EXPECT_EQ(pool.folder.Read("Smith_TM.BKS"), "picks");
}

TEST(RosterEditorClose, EveryCloseRestoresTheControlsAndEmptiesTheHandOver) {
    for (const bool done : {true, false}) {
        Pool pool({kSmith});
        pool.HandOver("A", "Lee,K", "Lee_K.BKS", true);
        pool.editor.Load();
        if (done) pool.editor.Done();
        else pool.editor.Cancel();
        const RosterControls& controls = pool.editor.controls();
        EXPECT_FALSE(controls.add);
        EXPECT_TRUE(controls.change && controls.remove && controls.cancel && controls.done && controls.list);
        EXPECT_EQ(pool.model.RosterHandOver.Action, "");
        EXPECT_EQ(pool.model.RosterHandOver.Key, "");
        EXPECT_EQ(pool.model.RosterHandOver.SelectionPath, "");
        EXPECT_FALSE(pool.model.RosterHandOver.AddOnly);
        EXPECT_EQ(pool.roster(), Roster({kSmith}));  // nothing changed, nothing written
    }
}

TEST(RosterEditorBadInput, DamagedRosterLeavesTheEditorEmptyAndTheFileAlone) {
    Pool pool({kSmith});
    const std::string damaged = pool.roster() + "\"Jones, AB\",\"Jones_AB.BKS\"\r\n";
    pool.folder.Write(kRosterFileName, damaged);
    pool.HandOver("A", "Lee,K", "Lee_K.BKS", true);
    pool.dialogs.AllowMessages();
    pool.editor.Load();
    ASSERT_EQ(pool.dialogs.messages().size(), 1u);
    EXPECT_EQ(pool.dialogs.messages()[0].title, "** ERROR Found in PLAYERNAMES.CSV file **");
    EXPECT_TRUE(pool.editor.damaged());
    EXPECT_TRUE(pool.editor.lines().empty());
    EXPECT_EQ(pool.editor.fields().fileName, "");
    EXPECT_FALSE(pool.editor.controls().add || pool.editor.controls().change || pool.editor.controls().remove);
    pool.editor.AddRecord();
    EXPECT_TRUE(pool.editor.Done());
    EXPECT_EQ(pool.roster(), damaged);
    EXPECT_TRUE(pool.folder.Exists(kRosterErrorFileName));
}

TEST(RosterEditorBadInput, UnwritableFolderKeepsTheOldRosterAndTheEditorOpen) {
    Pool pool({kSmith, kJones});
    pool.folder.Write("Smith_TM.BKS", "picks");
    const std::string before = pool.roster();
    const bool ok = testing::RunWithoutFileOverride([&] {
        pool.editor.Load();
        pool.editor.Click(0);
        pool.dialogs.Answer(MsgAnswer::OK);
        pool.editor.DeleteSelection();
        testing::MakeReadOnly(pool.folder.path());
        pool.dialogs.AllowMessages();
        const bool closed = pool.editor.Done();
        testing::MakeWritable(pool.folder.path());
        const auto messages = pool.dialogs.messages();
        return !closed && !pool.editor.closed() && pool.editor.changed() && messages.size() == 2 &&
               messages[1].title == "** ERROR IN WRITING FILE **";
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(pool.roster(), before);
    EXPECT_TRUE(pool.folder.Exists("Smith_TM.BKS"));
}

TEST(RosterEditorBadInput, SelectionFileThatCannotBeDeletedIsReported) {
    TempFolder folder;
    folder.Write(kRosterFileName, Roster({kSmith, kJones}));
    folder.Write("Smith_TM.BKS", "picks");
    modBrackwell model(folder.path());
    ScriptedDialogs dialogs;
    RosterEditor editor(model, dialogs, [](const std::string&) { return std::optional<std::string>("Permission denied"); });
    editor.Load();
    editor.Click(0);
    dialogs.Answer(MsgAnswer::OK);
    editor.DeleteSelection();
    dialogs.AllowMessages();
    EXPECT_TRUE(editor.Done());
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].text, "Permission denied");
    EXPECT_EQ(dialogs.messages()[1].title, "Brackwell - frmPoolNames, cmdExit_Click");
    EXPECT_EQ(dialogs.messages()[1].icon, MsgIcon::Critical);
    EXPECT_EQ(folder.Read(kRosterFileName), Roster({kJones}));
}

TEST(RosterEditorBadInput, AFileNameLeadingOutOfTheFolderIsNeverDeleted) {
    TempFolder outside;
    outside.Write("V.BKS", "keep");
    Pool pool({});
    const std::string field = "../" + NameOf(outside.path()) + "/V.BKS";
    pool.folder.Write(kRosterFileName, Roster({{"Victim, V", field, "", ""}}));
    pool.editor.Load();
    pool.editor.Click(0);
    pool.editor.DeleteSelection();  // no question: the record names no file of the folder
    pool.editor.Done();
    EXPECT_EQ(pool.roster(), Roster({}));
    EXPECT_TRUE(outside.Exists("V.BKS"));
}

}  // namespace
}  // namespace brackwell
