#pragma once
// "Seed Positions Entry": the seeds of the sixteen starting positions, shared by the four
// regions, shown beside the first region's teams. Modal over the setup window; on Complete the
// accepted seeds are returned through Seeds().

#include <QDialog>

#include <array>
#include <string>

#include "core/Dialogs.h"
#include "setup/rules/SeedEntry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brackwell {

class frmPoolSeatings : public QDialog {
    Q_OBJECT

public:
    // teams: the first region's team boxes; seeds: the captions of the first sixteen seed labels.
    frmPoolSeatings(const std::array<std::string, kSeedCount>& teams, const SeedTexts& seeds, Dialogs& dialogs,
                    QWidget* parent = nullptr);

    // The seeds as stored, after Complete.
    const SeedTexts& Seeds() const { return seeds_; }

private:
    void cmdComplete_Click();

    Dialogs& dialogs_;
    SeedTexts seeds_;
    std::array<QLabel*, kSeedCount> lblRegion_{};
    std::array<QLineEdit*, kSeedCount> txtSeed_{};
    QPushButton* cmdComplete_;
    QPushButton* cmdCancel_;
};

}  // namespace brackwell
