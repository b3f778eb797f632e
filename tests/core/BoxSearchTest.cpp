#include <gtest/gtest.h>

#include <vector>

#include "core/BoxSearch.h"

namespace brackwell {
namespace {

const std::vector<std::string> kTeams{"Arizona", "Duke", "Duquesne", "Iowa State"};

BoxSearchRequest TextBoxOnList(std::string text, int selStart, int selLength, int key) {
    BoxSearchRequest request;
    request.source = BoxKind::TextBox;
    request.text = std::move(text);
    request.selStart = selStart;
    request.selLength = selLength;
    request.givenText = request.text;
    request.keyCode = key;
    request.target = BoxKind::ListBox;
    request.entries = kTeams;
    return request;
}

void ExpectUntouched(const BoxSearchRequest& request, const BoxSearchResult& result) {
    EXPECT_FALSE(result.sourceChanged);
    EXPECT_EQ(result.text, request.text);
    EXPECT_EQ(result.selStart, request.selStart);
    EXPECT_EQ(result.selLength, request.selLength);
    EXPECT_FALSE(result.index.has_value());
    EXPECT_FALSE(result.openDropDown);
    EXPECT_EQ(result.keyCode, request.keyCode);
}

TEST(BoxSearch, TypingCompletesFromTheListAndBackspaceShortensTheSearch) {
    const BoxSearchResult d = clsBoxSearch::FindIndexStr(TextBoxOnList("", 0, 0, 'd'));
    EXPECT_EQ(d.index, 1);
    EXPECT_EQ(d.text, "Duke");
    EXPECT_EQ(d.selStart, 1);
    EXPECT_EQ(d.selLength, 3);
    EXPECT_EQ(d.keyCode, 0);
    EXPECT_TRUE(d.sourceChanged);

    const BoxSearchResult du = clsBoxSearch::FindIndexStr(TextBoxOnList(d.text, d.selStart, d.selLength, 'u'));
    EXPECT_EQ(du.index, 1);
    EXPECT_EQ(du.text, "Duke");
    EXPECT_EQ(du.selStart, 2);
    EXPECT_EQ(du.selLength, 2);  // "ke"
    EXPECT_EQ(du.keyCode, 0);

    const BoxSearchResult back =
        clsBoxSearch::FindIndexStr(TextBoxOnList(du.text, du.selStart, du.selLength, kKeyBackspace));
    EXPECT_EQ(back.index, 1);
    EXPECT_EQ(back.text, "Duke");
    EXPECT_EQ(back.selStart, 1);
    EXPECT_EQ(back.selLength, 3);  // "uke"
    EXPECT_EQ(back.keyCode, 0);

    const BoxSearchResult duq = clsBoxSearch::FindIndexStr(TextBoxOnList("Duke", 2, 2, 'Q'));
    EXPECT_EQ(duq.index, 2);
    EXPECT_EQ(duq.text, "Duquesne");
    EXPECT_EQ(duq.selStart, 3);
    EXPECT_EQ(duq.selLength, 5);
}

TEST(BoxSearch, FirstMatchOverTheWholeListWithoutRegardToCase) {
    const std::vector<std::string> entries{"iowa", "DUQUESNE", "Duke"};
    BoxSearchRequest request = TextBoxOnList("Duk", 2, 1, 'Q');
    request.entries = entries;
    const BoxSearchResult result = clsBoxSearch::FindIndexStr(request);
    EXPECT_EQ(result.index, 1);
    EXPECT_EQ(result.text, "DUQUESNE");
    EXPECT_EQ(result.selStart, 3);
}

TEST(BoxSearch, EmptyBoxSearchesTheGivenText) {
    BoxSearchRequest request = TextBoxOnList("", 0, 0, 'w');
    request.givenText = "Io";
    const BoxSearchResult result = clsBoxSearch::FindIndexStr(request);
    EXPECT_EQ(result.index, 3);
    EXPECT_EQ(result.text, "Iowa State");
    EXPECT_EQ(result.selStart, 3);
    EXPECT_EQ(result.selLength, 7);
}

TEST(BoxSearch, KeysThatAreNotHandledOrFindNothingAreLeftAlone) {
    for (int key : {0, 9, 27, 31, 128, 200, 255}) {
        const BoxSearchRequest request = TextBoxOnList("Du", 2, 0, key);
        ExpectUntouched(request, clsBoxSearch::FindIndexStr(request));
    }
    const BoxSearchRequest noMatch = TextBoxOnList("Du", 2, 0, 'x');
    ExpectUntouched(noMatch, clsBoxSearch::FindIndexStr(noMatch));
    const BoxSearchRequest emptyBackspace = TextBoxOnList("", 0, 0, kKeyBackspace);
    ExpectUntouched(emptyBackspace, clsBoxSearch::FindIndexStr(emptyBackspace));

    BoxSearchRequest noTarget = TextBoxOnList("", 0, 0, 'd');
    noTarget.target = BoxKind::None;
    ExpectUntouched(noTarget, clsBoxSearch::FindIndexStr(noTarget));
}

TEST(BoxSearch, BackspaceToNothingEmptiesTheBox) {
    for (int caret : {0, 1}) {
        const BoxSearchResult result = clsBoxSearch::FindIndexStr(TextBoxOnList("Duke", caret, 4 - caret, kKeyBackspace));
        EXPECT_TRUE(result.sourceChanged);
        EXPECT_EQ(result.text, "");
        EXPECT_EQ(result.selStart, 0);
        EXPECT_EQ(result.selLength, 0);
        EXPECT_FALSE(result.index.has_value());
        EXPECT_EQ(result.keyCode, kKeyBackspace);
    }
}

TEST(BoxSearch, EnterOpensAComboBoxsOwnListAndDoesNothingForAListBox) {
    const std::vector<std::string> entries{"Kansas", "Kentucky"};
    BoxSearchRequest combo;
    combo.source = BoxKind::ComboBox;
    combo.text = "Ka";
    combo.selStart = 2;
    combo.keyCode = kKeyEnter;
    combo.entries = entries;
    const BoxSearchResult opened = clsBoxSearch::FindIndexStr(combo);
    EXPECT_TRUE(opened.openDropDown);
    EXPECT_FALSE(opened.index.has_value());
    EXPECT_FALSE(opened.sourceChanged);
    EXPECT_EQ(opened.keyCode, kKeyEnter);

    combo.keyCode = 'e';
    combo.text = "K";
    combo.selStart = 1;
    const BoxSearchResult typed = clsBoxSearch::FindIndexStr(combo);
    EXPECT_EQ(typed.index, 1);
    EXPECT_EQ(typed.text, "Kentucky");
    EXPECT_EQ(typed.selStart, 2);
    EXPECT_EQ(typed.selLength, 6);
    EXPECT_FALSE(typed.openDropDown);
    EXPECT_EQ(typed.keyCode, 0);

    const BoxSearchRequest list = TextBoxOnList("Du", 2, 0, kKeyEnter);
    ExpectUntouched(list, clsBoxSearch::FindIndexStr(list));
}

}  // namespace
}  // namespace brackwell
