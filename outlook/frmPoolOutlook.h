#pragma once
// "Brackwell - Pool Outlook": the organiser's view of the race. The grid shows who can still
// come first, best chance first; below it the selected participant's status and rooting guide
// with a winning scenario to show on the bracket window, the season replayed as a chart, and the
// prizes of the paid places. "Publish" writes the page and offers to mail it. The pool is read
// once when the window opens; the counts run one after another on a worker thread
// (OutlookJobs), so this window and the bracket window stay usable, and Cancel or closing the
// window stops them.

#include <QWidget>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Model.h"
#include "core/Platform.h"
#include "outlook/OutlookWindowHooks.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookPage.h"
#include "outlook/rules/OutlookReplay.h"
#include "outlook/rules/OutlookScenario.h"
#include "outlook/rules/OutlookSeason.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace brackwell {

class OutlookJobs;
class OutlookPrizeEditor;
class OutlookSeasonChart;

// The page Publish writes in the application folder.
inline constexpr const char* kOutlookPageName = "OUTLOOK.HTM";

using OutlookComputation = std::function<std::optional<OutlookResult>(const OutlookPool&, const OutlookOptions&,
                                                               const OutlookProgress&)>;
using OutlookReplay = std::function<std::optional<std::vector<OutlookResult>>(
    const OutlookPool&, const OutlookOptions&, const OutlookResult& current, const OutlookProgress&)>;
// Nothing once the progress callback cancels it.
using OutlookScenarioSearch =
    std::function<std::optional<OutlookScenario>(const OutlookPool&, int entrant, const OutlookProgress&)>;
using OutlookPageMaker = std::function<std::string(const OutlookPool&, const OutlookResult&,
                                            const std::vector<OutlookResult>& rounds)>;
// The counts the window runs: the outlook (also each participant's rooting guide), the
// season replay, the scenario search and the page.
struct OutlookWindowWork {
    OutlookComputation count = ComputeOutlook;
    OutlookReplay replay = ReplayRounds;
    OutlookScenarioSearch scenario = [](const OutlookPool& pool, int entrant, const OutlookProgress& progress) {
        return FindScenario(pool, entrant, progress);
    };
    OutlookPageMaker page = OutlookPage;
};


class frmPoolOutlook final : public QWidget {
    Q_OBJECT

public:
    // Reads the pool of the model's application folder when first shown and starts computing.
    // Of the model only the mail hand-over is used, by Publish. The window deletes itself when
    // it closes.
    frmPoolOutlook(modBrackwell& model, Platform& platform, OutlookWindowHooks hooks = {},
                   QWidget* parent = nullptr, OutlookOptions options = {}, OutlookWindowWork work = {});
    ~frmPoolOutlook() override;

    void cmdCancel_Click();
    void cmdClose_Click();
    // Writes the page (kOutlookPageName) and offers to mail it to every participant.
    void cmdPublish_Click();
    // Hands the selected participant's winning scenario to the bracket window.
    void cmdScenario_Click();

    bool Computing() const;
    // The grid as it stands, header first, tab-separated.
    std::string GridText() const;
    // The entrant (in the pool's order) of a grid row, or -1.
    int EntrantOfRow(int row) const;

    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Start();
    void QueueCount();
    void QueueReplay();
    void ShowJobStarted(const QString& working);
    void ShowJobFinished(bool cancelled, const std::exception_ptr& failure);
    void FillGrid(const OutlookResult& result);
    void SortByColumn(int column);
    void ShowSelectedParticipant();
    int SelectedEntrant() const;
    // The selected participant's scenario search and rooting guide, once per participant.
    void QueueLook(int entrant);
    std::string ProcedureTitle(const char* procedure) const;

    modBrackwell& model_;
    Platform& platform_;
    OutlookWindowHooks hooks_;
    OutlookOptions options_;
    OutlookWindowWork work_;

    struct Look {
        OutlookScenario scenario;
        std::vector<std::string> rooting;
    };
    std::shared_ptr<const OutlookPool> pool_;
    std::optional<OutlookResult> result_;
    std::vector<OutlookResult> rounds_;  // the replay, once counted
    bool replayQueued_ = false;
    std::map<int, Look> looks_;
    std::set<int> looksQueued_;

    OutlookJobs* jobs_ = nullptr;
    QTableWidget* grdOutlook_ = nullptr;
    QTabWidget* tabPages_ = nullptr;
    QLabel* lblParticipant_ = nullptr;
    QPushButton* cmdScenario_ = nullptr;
    QListWidget* lstRooting_ = nullptr;
    OutlookSeasonChart* chtSeason_ = nullptr;
    OutlookPrizeEditor* prizes_ = nullptr;
    QProgressBar* prgOutlook_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdPublish_ = nullptr;
    QPushButton* cmdClose_ = nullptr;

    bool started_ = false;
    bool closed_ = false;  // results that arrive after closing are dropped
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};

}  // namespace brackwell
