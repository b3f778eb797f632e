#pragma once
// The outlook window's "Prizes" page: the prize of each paid place, kept in the application
// folder's prize file. The page reads the file when made, says what is wrong with a faulty one
// and leaves that file as it is until the organiser saves other prizes over it.

#include <QWidget>

#include <string>
#include <vector>

#include "core/Dialogs.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace brackwell {

class OutlookPrizeEditor final : public QWidget {
    Q_OBJECT

public:
    OutlookPrizeEditor(std::string folder, Dialogs& dialogs, QWidget* parent = nullptr);

    // The prizes the outlook counts with: those of the file as last read or saved.
    const std::vector<double>& Prizes() const { return saved_; }

    void cmdAddPlace_Click();
    void cmdRemovePlace_Click();
    // Checks every amount (a faulty one is named and nothing is written), then writes the file.
    void cmdSavePrizes_Click();

signals:
    // After a save: the outlook counts again with the new prizes.
    void PrizesSaved();

private:
    void ShowPrizes(const std::vector<double>& prizes);
    void AddRow(const QString& amount);

    std::string folder_;
    Dialogs& dialogs_;
    std::vector<double> saved_;
    bool fileFaulty_ = false;  // the file on disk did not read whole: a save asks first

    QTableWidget* grdPrizes_ = nullptr;
    QLabel* lblPrizes_ = nullptr;
    QPushButton* cmdAddPlace_ = nullptr;
    QPushButton* cmdRemovePlace_ = nullptr;
    QPushButton* cmdSavePrizes_ = nullptr;
};

}  // namespace brackwell
