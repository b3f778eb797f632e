#include "outlook/frmPoolOutlook.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "core/FileSystem.h"
#include "core/HandedOverMail.h"
#include "desktop/AnsiQt.h"
#include "desktop/BusyCursor.h"
#include "desktop/ReservedProgressBar.h"
#include "desktop/TrappedCommand.h"
#include "desktop/frmPoolMIDI.h"
#include "outlook/OutlookJobs.h"
#include "outlook/OutlookPrizeEditor.h"
#include "outlook/OutlookSeasonChart.h"
#include "outlook/rules/OutlookExplanation.h"
#include "outlook/rules/OutlookGrid.h"
#include "outlook/rules/OutlookPool.h"
#include "outlook/rules/ParticipantOutlook.h"
#include "core/OutputText.h"

namespace brackwell {

namespace {

constexpr int kProgressSteps = 1000;
// The chart follows this many participants at most: more lines would not read.
constexpr std::size_t kChartLines = 6;
// The grid's rows know their entrant (its index in the pool) under this role.
constexpr int kEntrantRole = Qt::UserRole + 1;

// A cell that sorts by its number in the numeric columns, by its text in the others.
class OutlookCell final : public QTableWidgetItem {
public:
    explicit OutlookCell(const OutlookGridCell& cell)
        : QTableWidgetItem(AnsiToQString(cell.text)), numeric_(cell.numeric), number_(cell.value) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setTextAlignment((numeric_ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* cell = dynamic_cast<const OutlookCell*>(&other);
        if (numeric_ && cell != nullptr && cell->numeric_) return number_ < cell->number_;
        return text() < other.text();
    }

private:
    bool numeric_;
    double number_;
};

QPushButton* NewButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

frmPoolOutlook::frmPoolOutlook(modBrackwell& model, Platform& platform, OutlookWindowHooks hooks,
                               QWidget* parent, OutlookOptions options, OutlookWindowWork work)
    : QWidget(parent),
      model_(model),
      platform_(platform),
      hooks_(std::move(hooks)),
      options_(std::move(options)),
      work_(std::move(work)) {
    setObjectName(QStringLiteral("frmPoolOutlook"));
    setWindowTitle(QStringLiteral("Brackwell - Pool Outlook"));
    setAttribute(Qt::WA_DeleteOnClose);
    jobs_ = new OutlookJobs(this);

    const std::vector<std::string> captions = OutlookGridCaptions(false);
    grdOutlook_ = new QTableWidget(0, static_cast<int>(captions.size()), this);
    grdOutlook_->setObjectName(QStringLiteral("grdOutlook"));
    grdOutlook_->setAccessibleName(QStringLiteral("Pool Outlook"));
    grdOutlook_->setAccessibleDescription(QStringLiteral("Every participant, best chance of first first"));
    grdOutlook_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdOutlook_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdOutlook_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdOutlook_->setWordWrap(false);
    grdOutlook_->verticalHeader()->hide();
    QStringList headers;
    for (const std::string& caption : captions) headers << AnsiToQString(caption);
    grdOutlook_->setHorizontalHeaderLabels(headers);
    QHeaderView* header = grdOutlook_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        RunTrapped(platform_.dialogs, ProcedureTitle("grdOutlook_HeaderClick"), [this, column] { SortByColumn(column); });
    });
    connect(grdOutlook_, &QTableWidget::itemSelectionChanged, this, [this] {
        RunTrapped(platform_.dialogs, ProcedureTitle("grdOutlook_SelChange"), [this] { ShowSelectedParticipant(); });
    });

    // The selected participant.
    auto* participantPage = new QWidget;
    lblParticipant_ = new QLabel(QStringLiteral("Select a participant in the grid."), participantPage);
    lblParticipant_->setObjectName(QStringLiteral("lblParticipant"));
    lblParticipant_->setTextFormat(Qt::PlainText);
    lblParticipant_->setWordWrap(true);
    cmdScenario_ = NewButton("cmdScenario", "Show a &winning scenario", participantPage);
    cmdScenario_->setEnabled(false);
    auto* lblRooting = new QLabel(QStringLiteral("&Rooting guide for the next games:"), participantPage);
    lstRooting_ = new QListWidget(participantPage);
    lstRooting_->setObjectName(QStringLiteral("lstRooting"));
    lstRooting_->setAccessibleName(QStringLiteral("Rooting guide for the next games"));
    lblRooting->setBuddy(lstRooting_);
    auto* participantTop = new QHBoxLayout;
    participantTop->addWidget(lblParticipant_, 1);
    participantTop->addWidget(cmdScenario_, 0, Qt::AlignTop);
    auto* participantLayout = new QVBoxLayout(participantPage);
    participantLayout->addLayout(participantTop);
    participantLayout->addWidget(lblRooting);
    participantLayout->addWidget(lstRooting_, 1);

    chtSeason_ = new OutlookSeasonChart;
    prizes_ = new OutlookPrizeEditor(model_.AppFolder, platform_.dialogs);
    tabPages_ = new QTabWidget(this);
    tabPages_->setObjectName(QStringLiteral("tabPages"));
    tabPages_->addTab(participantPage, QStringLiteral("&Selected participant"));
    tabPages_->addTab(chtSeason_, QStringLiteral("Season &replay"));
    tabPages_->addTab(prizes_, QStringLiteral("&Prizes"));

    prgOutlook_ = NewReservedProgressBar(QStringLiteral("prgOutlook"), QStringLiteral("Computing the outlook"), this);
    prgOutlook_->setRange(0, kProgressSteps);
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setTextFormat(Qt::PlainText);
    lblStatus_->setWordWrap(true);
    cmdCancel_ = NewButton("cmdCancel", "Cancel", this);
    cmdCancel_->setEnabled(false);
    cmdPublish_ = NewButton("cmdPublish", "P&ublish...", this);
    cmdPublish_->setEnabled(false);
    cmdClose_ = NewButton("cmdClose", "Close", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(prgOutlook_, 1);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch();
    buttons->addWidget(cmdPublish_);
    buttons->addWidget(cmdClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdOutlook_, 2);
    layout->addWidget(tabPages_, 3);
    layout->addWidget(lblStatus_);
    layout->addLayout(buttons);

    connect(jobs_, &OutlookJobs::Started, this, &frmPoolOutlook::ShowJobStarted);
    connect(jobs_, &OutlookJobs::Progressed, this, [this](double share) {
        prgOutlook_->setValue(static_cast<int>(std::clamp(share, 0.0, 1.0) * kProgressSteps));
    });
    connect(jobs_, &OutlookJobs::Finished, this, &frmPoolOutlook::ShowJobFinished);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmPoolOutlook::cmdCancel_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &frmPoolOutlook::cmdClose_Click);
    connect(cmdPublish_, &QPushButton::clicked, this, &frmPoolOutlook::cmdPublish_Click);
    connect(cmdScenario_, &QPushButton::clicked, this, &frmPoolOutlook::cmdScenario_Click);
    connect(prizes_, &OutlookPrizeEditor::PrizesSaved, this, [this] { QueueCount(); });
}

frmPoolOutlook::~frmPoolOutlook() = default;

// Room for every column of a pool's usual names on a 1366 by 768 screen.
QSize frmPoolOutlook::sizeHint() const { return {1240, 660}; }

bool frmPoolOutlook::Computing() const { return jobs_->Busy(); }

std::string frmPoolOutlook::ProcedureTitle(const char* procedure) const {
    return std::string("Brackwell - frmPoolOutlook, ") + procedure;
}

void frmPoolOutlook::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (started_) return;
    started_ = true;
    RunTrapped(platform_.dialogs, ProcedureTitle("Form_Load"), [this] { Start(); });
}

// The reader may show its messages, so the pool is read here; only the counting moves on.
void frmPoolOutlook::Start() {
    std::optional<OutlookPool> pool;
    {
        const BusyCursor busy;  // hundreds of selection files take a moment
        pool = ReadOutlookPool(model_.AppFolder, platform_.dialogs);
    }
    if (!pool) {
        lblStatus_->setText(QString::fromLatin1(kOutlookNoResults));
        chtSeason_->ShowNote(QString::fromLatin1(kOutlookNoResults));
        return;
    }
    pool_ = std::make_shared<const OutlookPool>(std::move(*pool));
    QueueCount();
}

void frmPoolOutlook::QueueCount() {
    if (!pool_) return;
    OutlookOptions options = options_;
    options.Payout = prizes_->Prizes();
    jobs_->Queue(QString::fromLatin1(kOutlookWorking),
                 [this, pool = pool_, options, count = work_.count](const OutlookProgress& progress) {
                     auto result = std::make_shared<std::optional<OutlookResult>>(count(*pool, options, progress));
                     if (!*result) return std::function<void()>();
                     return std::function<void()>([this, result] {
                         result_ = std::move(**result);
                         FillGrid(*result_);
                         cmdPublish_->setEnabled(static_cast<bool>(work_.page) && !rounds_.empty());
                         QueueReplay();
                     });
                 });
}

// The outlook after each completed round, then as it stands when results past those are in.
void frmPoolOutlook::QueueReplay() {
    if (!pool_ || !result_ || replayQueued_ || !work_.replay) return;
    replayQueued_ = true;
    const int completed = CompletedRounds(*pool_);
    const bool later = PoolAfterRound(*pool_, completed).Results != pool_->Results;
    OutlookOptions options = options_;
    options.Payout.clear();  // the chart follows first places only
    jobs_->Queue(QStringLiteral("Replaying the season round by round ..."),
                 [this, pool = pool_, options, current = *result_, replay = work_.replay, completed,
                  later](const OutlookProgress& progress) {
                     auto rounds = std::make_shared<std::optional<std::vector<OutlookResult>>>(
                         replay(*pool, options, current, progress));
                     if (!*rounds) return std::function<void()>();
                     return std::function<void()>([this, rounds, current, completed, later] {
                         rounds_ = std::move(**rounds);
                         std::vector<OutlookResult> shown = rounds_;
                         if (later) shown.push_back(current);
                         const std::vector<SeasonStage> stages = SeasonStages(completed, later);
                         chtSeason_->ShowSeason(stages, SeasonLines(shown, kChartLines));
                         cmdPublish_->setEnabled(static_cast<bool>(work_.page));
                     });
                 });
}

void frmPoolOutlook::ShowJobStarted(const QString& working) {
    lblStatus_->setText(working);
    prgOutlook_->setValue(0);
    prgOutlook_->show();
    cmdCancel_->setEnabled(true);
}

void frmPoolOutlook::ShowJobFinished(bool cancelled, const std::exception_ptr& failure) {
    if (closed_) return;
    if (!jobs_->Busy()) {
        prgOutlook_->hide();
        cmdCancel_->setEnabled(false);
    }
    if (failure) {
        lblStatus_->setText(QString::fromLatin1(kOutlookFailed));
        RunTrapped(platform_.dialogs, ProcedureTitle("Form_Load"), [&failure] { std::rethrow_exception(failure); });
        return;
    }
    if (cancelled) {
        lblStatus_->setText(QString::fromLatin1(kOutlookCancelled));
        // A cancelled replay or look may be asked for again.
        if (rounds_.empty()) replayQueued_ = false;
        looksQueued_.clear();
    }
    else if (result_ && !jobs_->Busy()) lblStatus_->setText(AnsiToQString(OutlookExplanation(*result_)));
}

void frmPoolOutlook::FillGrid(const OutlookResult& result) {
    const int selected = grdOutlook_->currentRow() >= 0 ? EntrantOfRow(grdOutlook_->currentRow()) : -1;
    const QSignalBlocker quiet(grdOutlook_);
    grdOutlook_->clearSelection();
    grdOutlook_->setRowCount(static_cast<int>(result.Rows.size()));
    int row = 0;
    const std::vector<std::string> captions = OutlookGridCaptions(result.Prizes);
    grdOutlook_->setColumnCount(static_cast<int>(captions.size()));
    QStringList headers;
    for (const std::string& caption : captions) headers << AnsiToQString(caption);
    grdOutlook_->setHorizontalHeaderLabels(headers);
    for (const std::size_t entrant : OutlookGridOrder(result.Rows)) {
        const std::vector<OutlookGridCell> cells = OutlookGridCells(result.Rows[entrant], result.Prizes);
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new OutlookCell(cells[c]);
            item->setData(kEntrantRole, static_cast<int>(entrant));
            if (c == 0) item->setToolTip(AnsiToQString(result.Rows[entrant].FileName));
            grdOutlook_->setItem(row, static_cast<int>(c), item);
        }
        ++row;
    }
    sortColumn_ = -1;
    grdOutlook_->horizontalHeader()->setSortIndicatorShown(false);
    int current = 0;
    for (int r = 0; r < grdOutlook_->rowCount(); ++r)
        if (EntrantOfRow(r) == selected) current = r;
    if (grdOutlook_->rowCount() > 0) grdOutlook_->selectRow(current);
    ShowSelectedParticipant();
}

int frmPoolOutlook::EntrantOfRow(int row) const {
    const QTableWidgetItem* item = grdOutlook_->item(row, 0);
    return item != nullptr ? item->data(kEntrantRole).toInt() : -1;
}

int frmPoolOutlook::SelectedEntrant() const {
    const QList<QTableWidgetItem*> selected = grdOutlook_->selectedItems();
    const int entrant = selected.isEmpty() ? -1 : EntrantOfRow(selected.front()->row());
    return result_ && entrant >= 0 && static_cast<std::size_t>(entrant) < result_->Rows.size() ? entrant : -1;
}

void frmPoolOutlook::ShowSelectedParticipant() {
    const int entrant = SelectedEntrant();
    lstRooting_->clear();
    cmdScenario_->setEnabled(false);
    if (entrant < 0) {
        lblParticipant_->setText(QStringLiteral("Select a participant in the grid."));
        return;
    }
    const auto look = looks_.find(entrant);
    const OutlookRow& row = result_->Rows[static_cast<std::size_t>(entrant)];
    lblParticipant_->setText(AnsiToQString(
        ParticipantSummary(row, result_->Prizes, look != looks_.end() ? &look->second.scenario : nullptr)));
    if (look == looks_.end()) {
        lstRooting_->addItem(QStringLiteral("Working out the rooting guide ..."));
        QueueLook(entrant);
        return;
    }
    for (const std::string& line : look->second.rooting) lstRooting_->addItem(AnsiToQString(line));
    if (look->second.rooting.empty()) lstRooting_->addItem(QStringLiteral("No game is waiting to be played."));
    cmdScenario_->setEnabled(look->second.scenario.Found && static_cast<bool>(hooks_.showScenario));
}

void frmPoolOutlook::QueueLook(int entrant) {
    if (!pool_ || looksQueued_.count(entrant) != 0) return;
    looksQueued_.insert(entrant);
    OutlookOptions options = options_;
    options.Rooted = entrant;
    const std::string name = result_->Rows[static_cast<std::size_t>(entrant)].PlayerName;
    jobs_->Queue(AnsiToQString("Looking at every way the games can go for " + name + " ..."),
                 [this, pool = pool_, options, entrant, work = work_](const OutlookProgress& progress) {
                     auto look = std::make_shared<Look>();
                     const std::optional<OutlookResult> rooted = work.count(*pool, options, progress);
                     if (!rooted) return std::function<void()>();
                     look->rooting = RootingGuideLines(rooted->Rooting);
                     if (work.scenario) {
                         std::optional<OutlookScenario> scenario = work.scenario(*pool, entrant, progress);
                         if (!scenario) return std::function<void()>();
                         look->scenario = std::move(*scenario);
                     }
                     return std::function<void()>([this, look, entrant] {
                         looks_[entrant] = std::move(*look);
                         if (SelectedEntrant() == entrant) ShowSelectedParticipant();
                     });
                 },
                 true);
}

void frmPoolOutlook::cmdScenario_Click() {
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdScenario_Click"), [this] {
        const int entrant = SelectedEntrant();
        const auto look = looks_.find(entrant);
        if (look == looks_.end() || !look->second.scenario.Found || !hooks_.showScenario) return;
        // The name field says whose scenario it is, the score line that these are not the results.
        SelLinesArray lines = look->second.scenario.Results;
        lines[kInitialsLine].clear();
        lines[kPlayerNameLine] = "Scenario: " + result_->Rows[static_cast<std::size_t>(entrant)].PlayerName;
        hooks_.showScenario(lines, look->second.scenario.Alone ? "Scenario, not saved" : "Tied first, not saved");
    });
}

// A first click sorts a column ascending, the next one descending, and so on.
void frmPoolOutlook::SortByColumn(int column) {
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    const Qt::SortOrder order = sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder;
    grdOutlook_->sortItems(column, order);
    grdOutlook_->horizontalHeader()->setSortIndicator(column, order);
    grdOutlook_->horizontalHeader()->setSortIndicatorShown(true);
}

void frmPoolOutlook::cmdCancel_Click() {
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdCancel_Click"), [this] {
        jobs_->CancelAll();
        cmdCancel_->setEnabled(false);
    });
}

// Its frame window goes with it, so no empty window is left over the bracket window's menu.
void frmPoolOutlook::cmdClose_Click() { UnloadWindow(*this); }

void frmPoolOutlook::closeEvent(QCloseEvent* event) {
    closed_ = true;
    jobs_->Stop();
    QWidget::closeEvent(event);
}

void frmPoolOutlook::cmdPublish_Click() {
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdPublish_Click"), [this] {
        if (!pool_ || !result_ || !work_.page) return;
        const std::string path = model_.AppFilePath(kOutlookPageName);
        if (!ReplaceFile(path, work_.page(*pool_, *result_, rounds_))) {
            platform_.dialogs.Message(std::string("The page could not be written to ") + path + ".",
                                      ProcedureTitle("cmdPublish_Click"), MsgIcon::Critical);
            return;
        }
        if (!hooks_.showMailWindow) {
            platform_.dialogs.Message("The page is written to " + path + ".", ProcedureTitle("cmdPublish_Click"),
                                      MsgIcon::Information);
            return;
        }
        if (platform_.dialogs.MessageBox("The page is written to " + path +
                                             ".\r\n\r\nMail it to every participant?",
                                         MsgButtons::YesNo, MsgIcon::Question,
                                         ProcedureTitle("cmdPublish_Click")) != MsgAnswer::Yes)
            return;
        SendHandedOverMail(model_, platform_.mail, platform_.dialogs, {path}, hooks_.showMailWindow,
                           ProcedureTitle("cmdPublish_Click"));
    });
}

std::string frmPoolOutlook::GridText() const {
    std::string text;
    const int columns = grdOutlook_->columnCount();
    const auto appendCell = [&text, columns](const QString& cell, int column) {
        text += QStringToAnsi(cell);
        text += column + 1 < columns ? '\t' : '\n';
    };
    for (int c = 0; c < columns; ++c)
        appendCell(grdOutlook_->horizontalHeaderItem(c) ? grdOutlook_->horizontalHeaderItem(c)->text() : QString(), c);
    for (int r = 0; r < grdOutlook_->rowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            appendCell(grdOutlook_->item(r, c) ? grdOutlook_->item(r, c)->text() : QString(), c);
    return text;
}

}  // namespace brackwell
