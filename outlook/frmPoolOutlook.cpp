#include "outlook/frmPoolOutlook.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <utility>

#include "desktop/AnsiQt.h"
#include "desktop/BusyCursor.h"
#include "desktop/ReservedProgressBar.h"
#include "desktop/TrappedCommand.h"
#include "desktop/frmPoolMIDI.h"
#include "outlook/rules/OutlookExplanation.h"
#include "outlook/rules/OutlookPool.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell {

namespace {

// The progress bar moves at most this often, however often the computation reports.
constexpr std::chrono::milliseconds kProgressInterval{100};
constexpr int kProgressSteps = 1000;

// A cell that sorts by its number in the numeric columns, by its text in the others.
class OutlookCell final : public QTableWidgetItem {
public:
    OutlookCell(const QString& text, bool numeric) : QTableWidgetItem(text), numeric_(numeric) {
        setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setTextAlignment((numeric ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        // The fields are written with a point whatever the locale, as QString reads them.
        if (numeric) number_ = text.toDouble();
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const auto* cell = dynamic_cast<const OutlookCell*>(&other);
        if (numeric_ && cell != nullptr && cell->numeric_) return number_ < cell->number_;
        return text() < other.text();
    }

private:
    bool numeric_;
    double number_ = 0;
};

}  // namespace

frmPoolOutlook::frmPoolOutlook(const modBrackwell& model, Platform& platform, QWidget* parent, OutlookOptions options,
                               Computation compute)
    : QWidget(parent), model_(model), platform_(platform), options_(options), compute_(std::move(compute)) {
    setObjectName(QStringLiteral("frmPoolOutlook"));
    setWindowTitle(QStringLiteral("Brackwell - Pool Outlook"));
    setAttribute(Qt::WA_DeleteOnClose);

    grdOutlook_ = new QTableWidget(0, kOutlookColumnCount, this);
    grdOutlook_->setObjectName(QStringLiteral("grdOutlook"));
    grdOutlook_->setAccessibleName(QStringLiteral("Pool Outlook"));
    grdOutlook_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdOutlook_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdOutlook_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdOutlook_->setWordWrap(false);
    grdOutlook_->verticalHeader()->hide();
    QStringList headers;
    for (const std::string& name : OutlookColumnNames()) headers << AnsiToQString(name);
    grdOutlook_->setHorizontalHeaderLabels(headers);
    QHeaderView* header = grdOutlook_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        RunTrapped(platform_.dialogs, ProcedureTitle("grdOutlook_HeaderClick"), [this, column] { SortByColumn(column); });
    });

    prgOutlook_ = NewReservedProgressBar(QStringLiteral("prgOutlook"), QStringLiteral("Computing the outlook"), this);
    prgOutlook_->setRange(0, kProgressSteps);
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    lblStatus_->setTextFormat(Qt::PlainText);
    lblStatus_->setWordWrap(true);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setEnabled(false);
    cmdClose_ = new QPushButton(QStringLiteral("Close"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(prgOutlook_, 1);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch();
    buttons->addWidget(cmdClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdOutlook_, 1);
    layout->addWidget(lblStatus_);
    layout->addLayout(buttons);

    connect(cmdCancel_, &QPushButton::clicked, this, &frmPoolOutlook::cmdCancel_Click);
    connect(cmdClose_, &QPushButton::clicked, this, &frmPoolOutlook::cmdClose_Click);
    resize(1040, 360);  // room for every column of a pool's usual names
}

frmPoolOutlook::~frmPoolOutlook() { StopWorker(); }

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
        return;
    }
    lblStatus_->setText(QString::fromLatin1(kOutlookWorking));
    prgOutlook_->setValue(0);
    prgOutlook_->show();
    cmdCancel_->setEnabled(true);
    cancelled_ = false;
    worker_ = std::thread([this, pool = std::move(*pool)] {
        auto lastReport = std::chrono::steady_clock::now() - kProgressInterval;
        const OutlookProgress progress = [this, &lastReport](std::uint64_t done, std::uint64_t total) {
            const auto now = std::chrono::steady_clock::now();
            if (now - lastReport >= kProgressInterval) {
                lastReport = now;
                QMetaObject::invokeMethod(this, [this, done, total] { ShowProgress(done, total); }, Qt::QueuedConnection);
            }
            return !cancelled_.load();
        };
        auto result = std::make_shared<std::optional<OutlookResult>>();
        std::exception_ptr error;
        try {
            *result = compute_(pool, options_, progress);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(this, [this, result, error] { Finish(result, error); }, Qt::QueuedConnection);
    });
}

void frmPoolOutlook::ShowProgress(std::uint64_t done, std::uint64_t total) {
    if (!worker_.joinable() || total == 0) return;
    const double share = static_cast<double>(done) / static_cast<double>(total);
    prgOutlook_->setValue(static_cast<int>(std::min(share, 1.0) * kProgressSteps));
}

void frmPoolOutlook::Finish(const std::shared_ptr<std::optional<OutlookResult>>& result,
                            const std::exception_ptr& error) {
    if (worker_.joinable()) worker_.join();
    if (closed_) return;
    prgOutlook_->hide();
    cmdCancel_->setEnabled(false);
    if (error) {
        lblStatus_->setText(QString::fromLatin1(kOutlookFailed));
        RunTrapped(platform_.dialogs, ProcedureTitle("Form_Load"), [&error] { std::rethrow_exception(error); });
        return;
    }
    if (!*result) {
        lblStatus_->setText(QString::fromLatin1(kOutlookCancelled));
        return;
    }
    FillGrid(**result);
    lblStatus_->setText(AnsiToQString(OutlookExplanation(**result)));
}

void frmPoolOutlook::FillGrid(const OutlookResult& result) {
    grdOutlook_->setRowCount(static_cast<int>(result.Rows.size()));
    for (std::size_t r = 0; r < result.Rows.size(); ++r) {
        const OutlookFields fields = OutlookRowFields(result.Rows[r], result);
        for (int c = 0; c < kOutlookColumnCount; ++c)
            grdOutlook_->setItem(static_cast<int>(r), c,
                                 new OutlookCell(AnsiToQString(fields[c]), OutlookColumnIsNumeric(c)));
    }
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
        cancelled_ = true;
        cmdCancel_->setEnabled(false);
    });
}

// Its frame window goes with it, so no empty window is left over the bracket window's menu.
void frmPoolOutlook::cmdClose_Click() { UnloadWindow(*this); }

void frmPoolOutlook::closeEvent(QCloseEvent* event) {
    closed_ = true;
    StopWorker();
    QWidget::closeEvent(event);
}

void frmPoolOutlook::StopWorker() {
    cancelled_ = true;
    if (worker_.joinable()) worker_.join();
}

std::string frmPoolOutlook::GridText() const {
    std::string text;
    const auto appendCell = [&text](const QString& cell, int column) {
        text += QStringToAnsi(cell);
        text += column + 1 < kOutlookColumnCount ? '\t' : '\n';
    };
    for (int c = 0; c < kOutlookColumnCount; ++c)
        appendCell(grdOutlook_->horizontalHeaderItem(c) ? grdOutlook_->horizontalHeaderItem(c)->text() : QString(), c);
    for (int r = 0; r < grdOutlook_->rowCount(); ++r)
        for (int c = 0; c < kOutlookColumnCount; ++c)
            appendCell(grdOutlook_->item(r, c) ? grdOutlook_->item(r, c)->text() : QString(), c);
    return text;
}

}  // namespace brackwell
