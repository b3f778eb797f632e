#include "desktop/QtProgramLauncher.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ScriptFile.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::TempFolder;
using testing::WriteScript;

TEST(QtProgramLauncher, StartsTheProgramInItsOwnFolderWithoutWaiting) {
    TempFolder folder;
    const std::string program = WriteScript(folder, "QUILLON.EXE", "pwd > started.tmp; mv started.tmp started.txt");
    QtProgramLauncher launcher;
    ASSERT_TRUE(launcher.StartDetached(program));
    ASSERT_TRUE(QTest::qWaitFor([&folder] { return folder.Exists("started.txt"); }, 10000));
    std::string folderSeen = folder.Read("started.txt");
    if (!folderSeen.empty() && folderSeen.back() == '\n') folderSeen.pop_back();
    EXPECT_EQ(std::filesystem::canonical(folderSeen), std::filesystem::canonical(folder.path()));
}

TEST(QtProgramLauncher, AnswersFalseForWhatCannotBeStarted) {
    TempFolder folder;
    folder.Write("PLAIN.EXE", "#!/bin/sh\n");
    std::filesystem::create_directory(folder.File("FOLDER.EXE"));
    QtProgramLauncher launcher;
    for (const char* name : {"MISSING.EXE", "PLAIN.EXE", "FOLDER.EXE"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(launcher.StartDetached(folder.File(name)));
    }
}

}  // namespace
}  // namespace brackwell
