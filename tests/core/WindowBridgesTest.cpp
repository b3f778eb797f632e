#include <gtest/gtest.h>

#include "core/BracketView.h"

namespace brackwell {
namespace {

bool IsPickLabel(int label) { return !IsStartingLabel(label); }

TEST(WindowBridges, WindowToSelectionCopiesEveryLabelAndTheUpperCasedInitials) {
    modBrackwell model;
    PlainBracketView view;
    for (int label = 0; label < kPositionCount; ++label) view.captions[label] = "L" + std::to_string(label);
    view.initials = "tm\xE9";
    view.name = "Smith";
    view.finalPoints = " 145";
    model.SelLines[kSelectionEndLine] = kEndMarker;
    WindowToSelection(view, model);
    EXPECT_EQ(model.SelLines[0], "");
    EXPECT_EQ(model.SelLines[1], "L0");
    EXPECT_EQ(model.SelLines[127], "L126");
    EXPECT_EQ(model.SelLines[kInitialsLine], "TM\xC9");
    EXPECT_EQ(model.SelLines[kPlayerNameLine], "Smith");
    EXPECT_EQ(model.SelLines[kFinalPointsLine], " 145");
    EXPECT_EQ(model.SelLines[kSelectionEndLine], kEndMarker);
}

TEST(WindowBridges, SelectionToWindowShowsOnlyTwoCharactersOfTheInitials) {
    modBrackwell model;
    for (int p = 1; p <= kPositionCount; ++p) model.SelLines[p] = "P" + std::to_string(p);
    model.SelLines[kInitialsLine] = "TMX";
    model.SelLines[kPlayerNameLine] = "Smith";
    model.SelLines[kFinalPointsLine] = "145";
    PlainBracketView view;
    SelectionToWindow(model, view);
    EXPECT_EQ(view.captions[0], "P1");
    EXPECT_EQ(view.captions[126], "P127");
    EXPECT_EQ(view.initials, "TM");
    EXPECT_EQ(view.name, "Smith");
    EXPECT_EQ(view.finalPoints, "145");

    model.SelLines[kInitialsLine] = "T";
    SelectionToWindow(model, view);
    EXPECT_EQ(view.initials, "T");
}

TEST(WindowBridges, ClearBracketEmptiesThePicksAndPlayerFieldsButKeepsTheField) {
    modBrackwell model;
    model.StartLines = DefaultStartLines();
    PlainBracketView view;
    for (int label = 0; label < kPositionCount; ++label) view.captions[label] = "pick";
    ShowStartingField(model, view);
    view.initials = "TM";
    view.name = "Smith";
    view.finalPoints = "145";
    view.pointScore = "12 points";
    view.fieldsLocked = true;
    ClearBracket(view);
    for (int label = 0; label < kPositionCount; ++label) {
        if (IsPickLabel(label)) {
            EXPECT_EQ(view.captions[label], "") << label;
        } else {
            EXPECT_EQ(view.captions[label], model.StartLines[StartTeamLine(label + 1)]) << label;
        }
    }
    EXPECT_EQ(view.captions[0], "TEAM1");
    EXPECT_EQ(view.captions[108], "TEAM64");
    EXPECT_EQ(view.initials, "");
    EXPECT_EQ(view.name, "");
    EXPECT_EQ(view.finalPoints, "");
    EXPECT_EQ(view.pointScore, "");
    EXPECT_FALSE(view.fieldsLocked);
}

TEST(WindowBridges, ResultMarksPaintStatesOneAndTwoAndClearBackToBlue) {
    modBrackwell model;
    PlainBracketView view;
    model.PickState.fill(kPickOpen);
    model.PickState[17] = kPickCorrect;   // game 0
    model.PickState[127] = kPickWrong;    // game 62
    model.PickState[48] = kPickReachable; // game 15, left alone
    model.PickState[1] = kPickCorrect;    // a starting slot is no game
    ShowResultMarks(model, view);
    EXPECT_TRUE(model.MarksShown);
    EXPECT_EQ(view.colors[16], kCorrectGreen);
    EXPECT_EQ(view.marks[0], "=");
    EXPECT_EQ(view.colors[126], kWrongRed);
    EXPECT_EQ(view.marks[62], "X");
    EXPECT_EQ(view.colors[47], kPickBlue);
    EXPECT_EQ(view.marks[15], "");
    EXPECT_EQ(view.colors[0], kPickBlue);
    int painted = 0;
    for (const std::string& mark : view.marks) painted += mark.empty() ? 0 : 1;
    EXPECT_EQ(painted, 2);

    ClearResultMarks(model, view);
    EXPECT_FALSE(model.MarksShown);
    for (int label = 0; label < kPositionCount; ++label) EXPECT_EQ(view.colors[label], kPickBlue) << label;
    for (const std::string& mark : view.marks) EXPECT_EQ(mark, "");
}

TEST(WindowBridges, ASelectionSurvivesTheWindowAndBack) {
    modBrackwell model;
    for (int p = 1; p <= kPositionCount; ++p) model.SelLines[p] = p % 3 == 0 ? "" : "Team " + std::to_string(p);
    model.SelLines[kInitialsLine] = "TM";
    model.SelLines[kPlayerNameLine] = "Smith";
    model.SelLines[kFinalPointsLine] = "";
    const SelLinesArray before = model.SelLines;
    PlainBracketView view;
    SelectionToWindow(model, view);
    model.SelLines.fill("changed");
    WindowToSelection(view, model);
    for (int i = 1; i <= kFinalPointsLine; ++i) EXPECT_EQ(model.SelLines[i], before[i]) << i;
}

}  // namespace
}  // namespace brackwell
