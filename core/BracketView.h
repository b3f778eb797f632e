#pragma once
// What the rules need of the bracket window: its 127 team labels, 63 result marks, the three
// player fields, the score line and the six points labels. The bracket window implements it;
// PlainBracketView is the same in memory, for tools and tests.

#include <array>
#include <string>

#include "core/Model.h"

namespace brackwell {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kPickBlue{0, 0, 255};
inline constexpr Rgb kCorrectGreen{0, 255, 0};
inline constexpr Rgb kWrongRed{255, 0, 0};

class BracketView {
public:
    virtual ~BracketView() = default;

    virtual std::string TeamCaption(int label) const = 0;
    virtual void SetTeamCaption(int label, const std::string& caption) = 0;
    virtual void SetTeamColor(int label, Rgb color) = 0;
    virtual void SetResultMark(int game, const std::string& mark) = 0;

    virtual std::string PlayerInitials() const = 0;
    virtual void SetPlayerInitials(const std::string& text) = 0;
    virtual std::string PlayerName() const = 0;
    virtual void SetPlayerName(const std::string& text) = 0;
    virtual std::string FinalPoints() const = 0;
    virtual void SetFinalPoints(const std::string& text) = 0;
    // Unlocked fields are editable and tab stops; locked ones are neither.
    virtual void SetPlayerFieldsLocked(bool locked) = 0;
    virtual void SetPointScore(const std::string& text) = 0;

    // Caption of points label 0..5 (rounds 1..6); scoring reads its points from these.
    virtual std::string PointsCaption(int round) const = 0;
};

class PlainBracketView final : public BracketView {
public:
    std::array<std::string, kPositionCount> captions{};
    std::array<Rgb, kPositionCount> colors{};
    std::array<std::string, kGameCount> marks{};
    std::string initials, name, finalPoints, pointScore;
    bool fieldsLocked = false;
    std::array<std::string, 6> points{"1", "2", "4", "8", "12", "16"};

    PlainBracketView();

    std::string TeamCaption(int label) const override { return captions[label]; }
    void SetTeamCaption(int label, const std::string& caption) override { captions[label] = caption; }
    void SetTeamColor(int label, Rgb color) override { colors[label] = color; }
    void SetResultMark(int game, const std::string& mark) override { marks[game] = mark; }
    std::string PlayerInitials() const override { return initials; }
    void SetPlayerInitials(const std::string& text) override { initials = text; }
    std::string PlayerName() const override { return name; }
    void SetPlayerName(const std::string& text) override { name = text; }
    std::string FinalPoints() const override { return finalPoints; }
    void SetFinalPoints(const std::string& text) override { finalPoints = text; }
    void SetPlayerFieldsLocked(bool locked) override { fieldsLocked = locked; }
    void SetPointScore(const std::string& text) override { pointScore = text; }
    std::string PointsCaption(int round) const override { return points[round]; }
};

// The starting field of the model on the view: the 64 starting labels and the points labels.
void ShowStartingField(const modBrackwell& model, PlainBracketView& view);

// --- Bridges between the view and the model ---

// SelLines 1..127 from the labels, 128 the upper-cased initials, 129 the name, 130 the total.
void WindowToSelection(const BracketView& view, modBrackwell& model);
// The reverse; the initials field gets only the first two characters of line 128.
void SelectionToWindow(const modBrackwell& model, BracketView& view);
// Empties every pick label, the player fields (unlocking them) and the score line.
void ClearBracket(BracketView& view);
// Every pick label back to blue, all marks empty, marks-shown flag cleared.
void ClearResultMarks(modBrackwell& model, BracketView& view);
// Green and "=" for correct picks (state 1), red and "X" for wrong ones (state 2).
void ShowResultMarks(modBrackwell& model, BracketView& view);

}  // namespace brackwell
