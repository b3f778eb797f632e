#include "core/BracketView.h"
#include "core/TextHelpers.h"

namespace brackwell {

PlainBracketView::PlainBracketView() { colors.fill(kPickBlue); }

void ShowStartingField(const modBrackwell& model, PlainBracketView& view) {
    for (int position = 1; position <= kPositionCount; ++position)
        if (IsStartingSlot(position)) view.captions[position - 1] = model.StartLines[StartTeamLine(position)];
    for (int round = 0; round < 6; ++round) view.points[round] = model.StartLines[kFirstPointsLine + round];
}

void WindowToSelection(const BracketView& view, modBrackwell& model) {
    for (int position = 1; position <= kPositionCount; ++position)
        model.SelLines[position] = view.TeamCaption(position - 1);
    model.SelLines[kInitialsLine] = UpperCase(view.PlayerInitials());
    model.SelLines[kPlayerNameLine] = view.PlayerName();
    model.SelLines[kFinalPointsLine] = view.FinalPoints();
}

void SelectionToWindow(const modBrackwell& model, BracketView& view) {
    for (int position = 1; position <= kPositionCount; ++position)
        view.SetTeamCaption(position - 1, model.SelLines[position]);
    view.SetPlayerInitials(model.SelLines[kInitialsLine].substr(0, 2));
    view.SetPlayerName(model.SelLines[kPlayerNameLine]);
    view.SetFinalPoints(model.SelLines[kFinalPointsLine]);
}

void ClearBracket(BracketView& view) {
    for (int label : PickLabels()) view.SetTeamCaption(label, "");
    view.SetPlayerInitials("");
    view.SetPlayerName("");
    view.SetFinalPoints("");
    view.SetPlayerFieldsLocked(false);
    view.SetPointScore("");
}

void ClearResultMarks(modBrackwell& model, BracketView& view) {
    for (int label : PickLabels()) view.SetTeamColor(label, kPickBlue);
    for (int game = 0; game < kGameCount; ++game) view.SetResultMark(game, "");
    model.MarksShown = false;
}

void ShowResultMarks(modBrackwell& model, BracketView& view) {
    model.MarksShown = true;
    for (int game = 0; game < kGameCount; ++game) {
        const int position = GamePosition(game);
        const int state = model.PickState[position];
        if (state == kPickCorrect) {
            view.SetTeamColor(position - 1, kCorrectGreen);
            view.SetResultMark(game, "=");
        } else if (state == kPickWrong) {
            view.SetTeamColor(position - 1, kWrongRed);
            view.SetResultMark(game, "X");
        }
    }
}

}  // namespace brackwell
