#pragma once
// "Brackwell Reports": the seven reports to the printer, to PDF files, to their files or by mail, the two
// printouts the bracket window makes, and the way on to the standings grid. Modeless; the
// window deletes itself when it closes.

#include <QWidget>

#include <array>

#include "core/Model.h"
#include "core/Platform.h"
#include "reports/ReportsWindowHooks.h"
#include "reports/rules/ReportRun.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace brackwell {

class frmPoolReports final : public QWidget {
    Q_OBJECT

public:
    // The reports are written by RunReportGenerator.
    frmPoolReports(modBrackwell& model, Platform& platform, ReportsWindowHooks hooks, QWidget* parent = nullptr);
    // The reports are written by generate.
    frmPoolReports(modBrackwell& model, Platform& platform, ReportsWindowHooks hooks, ReportGenerator generate,
                   QWidget* parent = nullptr);

    // "Email All Participants" was the destination of the run under way; the mail window reads it.
    bool mblnSelectEMailAll() const { return selectEMailAll_; }
    bool UsesDefaultPrinter() const { return useDefaultPrinter_; }

    void cmdPrintSelections_Click();
    void cmdDefaultPrinter_Click();
    void cmdSelectedPrintouts_Click();
    void cmdCustomReport_Click();
    void cmdExit_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* NewButton(const char* name, const char* caption);
    ReportDestination Destination() const;
    void ShowMailWindow();
    void Unload();

    modBrackwell& model_;
    Platform& platform_;
    ReportsWindowHooks hooks_;
    ReportGenerator generate_;
    bool useDefaultPrinter_ = true;
    bool selectEMailAll_ = false;
    bool placed_ = false;
    bool closedOnce_ = false;

    std::array<QCheckBox*, kReportCount> chkOptions_{};
    std::array<QRadioButton*, 5> optDestination_{};  // by ReportDestination
    std::array<QRadioButton*, 2> optSelected_{};
    QLineEdit* txtReportTitle_ = nullptr;
    QListWidget* filList_ = nullptr;
    QPushButton* cmdPrintSelections_ = nullptr;
    QPushButton* cmdDefaultPrinter_ = nullptr;
    QPushButton* cmdSelectedPrintouts_ = nullptr;
    QPushButton* cmdCustomReport_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QProgressBar* prgReports_ = nullptr;
};

}  // namespace brackwell
