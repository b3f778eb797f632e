#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/PrintSetup.h"
#include "tests/support/PlatformDoubles.h"

namespace brackwell {
namespace {

using testing::DialogKind;
using testing::RecordingPrinter;
using testing::ScriptedDialogs;

struct SetupCase {
    const char* name;
    std::vector<std::string> fonts;
    std::string orientation;
    std::string dialogFlag;
    std::optional<bool> printDialogAnswer;   // scripted when the print dialog is expected
    bool fontDialogExpected = false;
    std::optional<FontChoice> fontChosen;
    bool result = true;
    Orientation orientationSet = Orientation::Portrait;
    FontChoice fontSet;
};

// Named by their case in test listings.
void PrintTo(const SetupCase& c, std::ostream* out) { *out << c.name; }

const FontChoice kStartFont{"Arial", 12, true, false};
const FontChoice kCourier10{"Courier New", 10, true, false};
const FontChoice kChosen{"Liberation Mono", 9, false, true};
const std::vector<std::string> kWithCourier{"Arial", "Courier New", "Times New Roman"};
const std::vector<std::string> kLowerCaseCourier{"Arial", "courier new"};

class PrintSetupTest : public ::testing::TestWithParam<SetupCase> {};

TEST_P(PrintSetupTest, ReadiesThePrinter) {
    const SetupCase& c = GetParam();
    RecordingPrinter printer;
    printer.fontNames = c.fonts;
    printer.font = kStartFont;
    printer.orientation = c.orientation == "Landscape" ? Orientation::Portrait : Orientation::Landscape;
    ScriptedDialogs dialogs;
    if (c.printDialogAnswer) dialogs.ConfirmPrint(*c.printDialogAnswer);
    if (c.fontDialogExpected) dialogs.Answer(MsgAnswer::OK).ChooseFont(c.fontChosen);

    EXPECT_EQ(PrintSetup(printer, dialogs, c.orientation, c.dialogFlag), c.result);
    EXPECT_EQ(printer.orientation, c.orientationSet);
    EXPECT_EQ(printer.font.name, c.fontSet.name);
    EXPECT_EQ(printer.font.size, c.fontSet.size);
    EXPECT_EQ(printer.font.bold, c.fontSet.bold);
    EXPECT_EQ(printer.font.italic, c.fontSet.italic);

    std::vector<DialogKind> kinds;
    for (const auto& call : dialogs.calls()) kinds.push_back(call.kind);
    std::vector<DialogKind> expected;
    if (c.printDialogAnswer) expected.push_back(DialogKind::Print);
    if (c.fontDialogExpected) {
        expected.push_back(DialogKind::Message);
        expected.push_back(DialogKind::Font);
        EXPECT_EQ(dialogs.messages()[0].text, kPrintFontMissingMessage);
        EXPECT_EQ(dialogs.messages()[0].title, "Brackwell");
        EXPECT_EQ(dialogs.messages()[0].icon, MsgIcon::None);
    }
    EXPECT_EQ(kinds, expected);
}

INSTANTIATE_TEST_SUITE_P(
    PrintSetup, PrintSetupTest,
    ::testing::Values(
        SetupCase{"CourierNewAtTenPointsWithoutADialog", kWithCourier, "Portrait", "No", std::nullopt, false,
                  std::nullopt, true, Orientation::Portrait, kCourier10},
        SetupCase{"LandscapeAfterThePrintDialog", kWithCourier, "Landscape", "yes", true, false, std::nullopt,
                  true, Orientation::Landscape, kCourier10},
        SetupCase{"PrintDialogCancelledChangesNothing", kWithCourier, "Landscape", "yes", false, false,
                  std::nullopt, false, Orientation::Portrait, kStartFont},
        SetupCase{"OnlyLowerCaseYesAsksForTheDialog", kWithCourier, "Portrait", "Yes", std::nullopt, false,
                  std::nullopt, true, Orientation::Portrait, kCourier10},
        SetupCase{"FontNamesCompareExactly", kLowerCaseCourier, "Landscape", "", std::nullopt, true, kChosen,
                  true, Orientation::Landscape, kChosen},
        SetupCase{"FontDialogCancelledAfterTheOrientationIsSet", {}, "Landscape", "", std::nullopt, true,
                  std::nullopt, false, Orientation::Landscape, kStartFont}),
    [](const ::testing::TestParamInfo<SetupCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brackwell
