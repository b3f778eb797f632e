#pragma once
// "Define Starting Field & Options": the organiser types the season's field (title, regions,
// 64 teams, points per round, comments) helped by the team-name list, seeds it, saves it and
// finalizes it, which builds the participants' pick program.
//
// Filling the boxes by keyboard: typing in a team box completes the name from the list; Enter
// keeps what the box shows and moves on to the next team box. Up, Down, Page Up and Page Down
// step into the list, where the arrows choose a name; Enter there puts it into the current team
// box and moves on to the next one, Escape goes back without a change. A double click in the list
// does what Enter does.

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Model.h"
#include "core/Platform.h"
#include "core/TeamNames.h"
#include "setup/SetupWindowHooks.h"
#include "setup/rules/SaveStartingField.h"
#include "setup/rules/SetupField.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace brackwell {

class frmPoolEntry : public QWidget {
    Q_OBJECT

public:
    frmPoolEntry(modBrackwell& model, Platform& platform, SetupWindowHooks hooks, QWidget* parent = nullptr);
    ~frmPoolEntry() override;

    // Menu entries.
    QAction* mnuSaveStartingField;
    QAction* mnuEnd;
    QAction* mnuSeating;
    QAction* mnuDemoSet;
    QAction* mnuDemoReset;
    QAction* mnuHelpDisplay;
    QAction* mnuAboutDisplay;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void Load();
    void ShowField(const SetupField& field);
    SetupField FieldOfBoxes() const;
    void ShowSeeds();
    void FillList(std::optional<int> selected);
    std::optional<int> SelectedName() const;
    void FocusBox(const SetupFocus& focus);
    void PaintCurrentBox(bool highlighted);
    void FocusTeamBox(int index);
    void PutListNameIntoBox();
    bool BuildPickProgramFromLines(const StartLinesArray& lines);
    void ReturnToBracket();
    void Reload();
    void Trapped(const char* procedure, const std::function<void()>& command);

    void mnuSaveStartingField_Click();
    void mnuEnd_Click();
    void mnuSeating_Click();
    void mnuDemoSet_Click();
    void mnuDemoReset_Click();
    void mnuHelpDisplay_Click();
    void mnuAboutDisplay_Click();
    void cmdAddName_Click();
    void cmdChangeName_Click();
    void cmdDeleteName_Click();
    void cmdOverride_Click();
    void cmdClear_Click();
    void cmdFinalize_Click();

    modBrackwell& model_;
    Platform& platform_;
    SetupWindowHooks hooks_;

    std::array<QLineEdit*, kTeamBoxCount> txtRegion_{};
    std::array<QLabel*, kTeamBoxCount> lblSeed_{};
    std::array<QLineEdit*, kInfoBoxCount> TxtInfo_{};
    std::array<QLineEdit*, kPointsBoxCount> txtInfo6_{};
    QLabel* lblInfo1_ = nullptr;
    QLabel* lblInfo2_ = nullptr;
    QPlainTextEdit* txtComment1_ = nullptr;
    QPlainTextEdit* txtComment2_ = nullptr;
    QGroupBox* namNames_ = nullptr;
    QListWidget* lstTeamNames_ = nullptr;
    QLabel* Label1_ = nullptr;
    QPushButton* cmdAddName_ = nullptr;
    QPushButton* cmdChangeName_ = nullptr;
    QPushButton* cmdDeleteName_ = nullptr;
    QPushButton* cmdOverride_ = nullptr;
    QPushButton* cmdClear_ = nullptr;
    QPushButton* cmdFinalize_ = nullptr;
    QProgressBar* prgQuillon_ = nullptr;
    QLabel* lblDemoMode_ = nullptr;
    QMenuBar* menuBar_ = nullptr;

    // The seed list saved as the 16 seeds; the seed labels show it for every region.
    std::array<std::string, kSeedCount> seeds_{};
    std::vector<std::string> teamNames_;       // the list box's entries, in its order
    std::vector<TypedTeamName> typedNames_;    // new names typed into the team boxes
    bool override_ = false;
    int currentBox_ = 0;                       // the team box last entered
    std::optional<int> paintedBox_;            // the team box painted green by a press in the list
};

}  // namespace brackwell
