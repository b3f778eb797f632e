#include <gtest/gtest.h>

#include "core/Settings.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

TEST(DemoMode, IsOnExactlyWhenTheFirstLineIsOne) {
    struct Case {
        const char* name;
        std::string bytes;
        bool on;
    };
    const Case cases[] = {
        {"one", "1\r\n", true},
        {"one without a line end", "1", true},
        {"one with LF", "1\nanything\n", true},
        {"one then more lines", "1\r\n0\r\n", true},
        {"trailing blank", "1 \r\n", false},
        {"leading blank", " 1\r\n", false},
        {"zero", "0\r\n", false},
        {"two digits", "11\r\n", false},
        {"second line", "\r\n1\r\n", false},
        {"word", "True\r\n", false},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        folder.Write(kSettingsFileName, c.bytes);
        EXPECT_EQ(DemoModeActive(modBrackwell(folder.path())), c.on) << c.name;
    }
}

TEST(DemoMode, IsOffWithoutTheFileAndReadAfreshInAnyCaseOfItsName) {
    testing::TempFolder folder;
    const modBrackwell model(folder.path());
    EXPECT_FALSE(DemoModeActive(model));
    folder.Write("brackwell.ini", "1\r\n");
    EXPECT_TRUE(DemoModeActive(model));
    folder.Write("brackwell.ini", "0\r\n");
    EXPECT_FALSE(DemoModeActive(model));
}

}  // namespace
}  // namespace brackwell
