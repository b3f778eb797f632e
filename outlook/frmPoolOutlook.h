#pragma once
// "Brackwell - Pool Outlook": who can still win, in a grid sortable by any column. The pool is
// read once when the window opens; the counting runs on a worker thread, so this window and the
// bracket window stay usable, and Cancel or closing the window stops it.

#include <QWidget>

#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/Model.h"
#include "core/Platform.h"
#include "outlook/rules/Outlook.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace brackwell {

class frmPoolOutlook final : public QWidget {
    Q_OBJECT

public:
    using Computation = std::function<std::optional<OutlookResult>(const OutlookPool&, const OutlookOptions&,
                                                                   const OutlookProgress&)>;

    // Reads the pool of the model's application folder when first shown and starts computing.
    // Nothing of the model is changed. The window deletes itself when it closes.
    frmPoolOutlook(const modBrackwell& model, Platform& platform, QWidget* parent = nullptr,
                   OutlookOptions options = {}, Computation compute = ComputeOutlook);
    ~frmPoolOutlook() override;

    void cmdCancel_Click();
    void cmdClose_Click();

    bool Computing() const { return worker_.joinable(); }
    // The grid as it stands, header first, in the tab-separated text of the command line.
    std::string GridText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Start();
    void ShowProgress(std::uint64_t done, std::uint64_t total);
    void Finish(const std::shared_ptr<std::optional<OutlookResult>>& result, const std::exception_ptr& error);
    void FillGrid(const OutlookResult& result);
    void SortByColumn(int column);
    // Asks the worker to stop and waits for it.
    void StopWorker();
    std::string ProcedureTitle(const char* procedure) const;

    const modBrackwell& model_;
    Platform& platform_;
    OutlookOptions options_;
    Computation compute_;

    QTableWidget* grdOutlook_ = nullptr;
    QProgressBar* prgOutlook_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdClose_ = nullptr;

    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    bool started_ = false;
    bool closed_ = false;  // a result that arrives after closing is dropped
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

}  // namespace brackwell
