#pragma once
// The pick window "QUILLON": the field from the program's areas, the bracket clicked forward
// label by label, and Save As writing the selection file.

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <array>

#include "fieldblock/PickField.h"
#include "pickapp/PickDialogs.h"
#include "pickapp/PickLabel.h"
#include "pickapp/rules/PickBracket.h"

namespace brackwell::pick {

class QuillonDialog final : public QDialog {
    Q_OBJECT
public:
    QuillonDialog(const PickField& field, PickDialogs& dialogs, QWidget* parent = nullptr);

    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuHelpHelp = nullptr;
    QAction* mnuHelpAbout = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildMenus();
    void BuildLabels(const PickField& field);
    void BuildEntryFields();
    void Pick(int position);
    void SaveAs();
    void ShowCaptions();

    // Dialog units to pixels for this window's font.
    QRect Pixels(int x, int y, int width, int height) const;
    QMenuBar* menuBar_ = nullptr;
    int menuHeight_ = 0;
    int baseX_ = 6;
    int baseY_ = 13;

    PickDialogs& dialogs_;
    PickBracket bracket_;
    std::array<PickLabel*, kPositionCount> teamLabels_{};
    QLineEdit* initials_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* total_ = nullptr;
};

}  // namespace brackwell::pick
