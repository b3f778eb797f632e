#include "standings/frmPoolMisc.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "desktop/AnsiQt.h"
#include "desktop/BusyCursor.h"
#include "desktop/TrappedCommand.h"
#include "desktop/frmPoolMIDI.h"
#include "core/FolderScoring.h"
#include "core/PrintSetup.h"
#include "core/PrintTarget.h"
#include "core/Scoring.h"
#include "core/TextHelpers.h"
#include "standings/rules/DoSort.h"
#include "standings/rules/PointSummary.h"

namespace brackwell {

namespace {

// From this many files the fill shows its progress and the busy pointer.
constexpr std::size_t kManyFiles = 50;
// How often the fill lets the window repaint and moves its progress bar.
constexpr qint64 kProgressIntervalMs = 50;
// Room beside a column's text, as the grid leaves it.
constexpr int kCellPadding = 8;

Qt::Alignment FieldAlignment(int field) {
    return (ScoreDisplayColumns()[field].alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

void SetCell(QTableWidget& grid, int row, int column, const std::string& text, Qt::Alignment alignment) {
    QTableWidgetItem* item = grid.item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid.setItem(row, column, item);
    }
    item->setText(AnsiToQString(text));
    item->setTextAlignment(alignment);
}

bool NamesSelectionFile(const std::string& text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c); });
    return upper.find(kSelectionExtension) != std::string::npos;
}

}  // namespace

frmPoolMisc::frmPoolMisc(modBrackwell& model, Platform& platform, BracketView& bracket, StandingsHooks hooks,
                         QWidget* parent)
    : QWidget(parent), model_(model), platform_(platform), bracket_(bracket), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("frmPoolMisc"));
    setWindowTitle(QStringLiteral("Display Scores (Total, Possible)"));
    setAttribute(Qt::WA_DeleteOnClose);

    msgScoreDisplay_ = new QTableWidget(0, kScoreColumnCount, this);
    msgScoreDisplay_->setObjectName(QStringLiteral("msgScoreDisplay"));
    msgScoreDisplay_->setAccessibleName(QStringLiteral("Scores"));
    msgScoreDisplay_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msgScoreDisplay_->setSelectionMode(QAbstractItemView::SingleSelection);
    msgScoreDisplay_->setSortingEnabled(false);
    msgScoreDisplay_->setWordWrap(false);
    msgScoreDisplay_->verticalHeader()->hide();
    QHeaderView* header = msgScoreDisplay_->horizontalHeader();
    header->setSectionsMovable(false);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->viewport()->installEventFilter(this);
    msgScoreDisplay_->viewport()->installEventFilter(this);

    cmdCalculate_ = new QPushButton(QStringLiteral("Calculate Totals Based on Results Displayed"), this);
    cmdCalculate_->setObjectName(QStringLiteral("cmdCalculate"));
    cmdPrint_ = new QPushButton(QStringLiteral("Print"), this);
    cmdPrint_->setObjectName(QStringLiteral("cmdPrint"));
    cmdPdfFile_ = new QPushButton(QLatin1String(kPdfFileCaption) + QStringLiteral("..."), this);
    cmdPdfFile_->setObjectName(QStringLiteral("cmdPdfFile"));
    cmdExit_ = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit_->setObjectName(QStringLiteral("cmdExit"));
    prgFill_ = new QProgressBar(this);
    prgFill_->setObjectName(QStringLiteral("prgFill"));
    prgFill_->setAccessibleName(QStringLiteral("Scoring selection files"));
    prgFill_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdCalculate_);
    buttons->addWidget(cmdPrint_);
    buttons->addWidget(cmdPdfFile_);
    buttons->addStretch();
    buttons->addWidget(cmdExit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(msgScoreDisplay_, 1);
    layout->addWidget(prgFill_);
    layout->addLayout(buttons);

    connect(cmdCalculate_, &QPushButton::clicked, this, &frmPoolMisc::cmdCalculate_Click);
    connect(cmdPrint_, &QPushButton::clicked, this, &frmPoolMisc::cmdPrint_Click);
    connect(cmdPdfFile_, &QPushButton::clicked, this, &frmPoolMisc::cmdPdfFile_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &frmPoolMisc::cmdExit_Click);

    ApplyFormat();
    int width = 0;
    for (int c = 0; c < kScoreColumnCount; ++c) width += msgScoreDisplay_->columnWidth(c);
    resize(width + 2 * msgScoreDisplay_->frameWidth() + 40, 360);

    model_.StandingsOpen = true;
    if (hooks_.lockBracket) hooks_.lockBracket(true);
}

frmPoolMisc::~frmPoolMisc() = default;

std::string frmPoolMisc::ProcedureTitle(const char* procedure) const {
    return std::string("Brackwell - frmPoolMisc, ") + procedure;
}

// The grid's format string: the headers in their first order, their alignment and widths.
void frmPoolMisc::ApplyFormat() {
    columnFields_ = {0, 1, 2, 3, 4};
    for (int c = 0; c < kScoreColumnCount; ++c) {
        if (msgScoreDisplay_->horizontalHeaderItem(c) == nullptr)
            msgScoreDisplay_->setHorizontalHeaderItem(c, new QTableWidgetItem);
        ShowColumnHeader(c);
    }
}

// A column's header, alignment and width as the field it now shows has them: as many average
// characters as the format string gives it, and never narrower than its header.
void frmPoolMisc::ShowColumnHeader(int column) {
    const int field = columnFields_[column];
    const GridColumn& format = ScoreDisplayColumns()[field];
    QTableWidgetItem* header = msgScoreDisplay_->horizontalHeaderItem(column);
    header->setText(AnsiToQString(format.header));
    header->setTextAlignment(FieldAlignment(field));
    const QFontMetrics metrics(msgScoreDisplay_->font());
    const int width = std::max(metrics.averageCharWidth() * format.widthChars,
                               metrics.horizontalAdvance(header->text()) + 2 * kCellPadding);
    msgScoreDisplay_->setColumnWidth(column, width + kCellPadding);
}

void frmPoolMisc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (filledOnShow_) return;
    filledOnShow_ = true;
    RunTrapped(platform_.dialogs, ProcedureTitle("Form_Load"), [this] { Fill(); });
}

void frmPoolMisc::cmdCalculate_Click() {
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdCalculate_Click"), [this] { Fill(); });
}

void frmPoolMisc::Fill() {
    if (filling_) return;
    filling_ = true;
    struct Done {
        frmPoolMisc& window;
        ~Done() {
            window.filling_ = false;
            window.prgFill_->hide();
            window.msgScoreDisplay_->setUpdatesEnabled(true);
        }
    } done{*this};

    ClearResultMarks(model_, bracket_);
    ApplyFormat();
    const std::vector<std::string> names = SelectionFileNames(model_.AppFolder);
    // A refill overwrites the rows in place; rows of files that have gone since are dropped.
    msgScoreDisplay_->setRowCount(static_cast<int>(names.size()));

    std::optional<BusyCursor> busy;
    QElapsedTimer sinceRepaint;
    if (names.size() >= kManyFiles) {
        busy.emplace();
        prgFill_->setRange(0, static_cast<int>(names.size()));
        prgFill_->setValue(0);
        prgFill_->show();
        sinceRepaint.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    msgScoreDisplay_->setUpdatesEnabled(false);
    ScoreSelectionFiles(model_, bracket_, platform_.dialogs, names,
                        [&](std::size_t index, const ScoreRecord& record) {
                            const ScoreRow row = ScoreRowFromRecord(record);
                            const int r = static_cast<int>(index);
                            for (int c = 0; c < kScoreColumnCount; ++c)
                                SetCell(*msgScoreDisplay_, r, c, row[c], FieldAlignment(c));
                            if (sinceRepaint.isValid() && sinceRepaint.elapsed() >= kProgressIntervalMs) {
                                prgFill_->setValue(r + 1);
                                msgScoreDisplay_->setUpdatesEnabled(true);
                                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                                msgScoreDisplay_->setUpdatesEnabled(false);
                                sinceRepaint.restart();
                            }
                        });
    rowsFilled_ = true;
}

std::vector<ScoreRow> frmPoolMisc::GridRows(bool withHeader) const {
    std::vector<ScoreRow> rows;
    rows.reserve(static_cast<std::size_t>(msgScoreDisplay_->rowCount()) + 1);
    if (withHeader) {
        ScoreRow header;
        for (int c = 0; c < kScoreColumnCount; ++c)
            if (const QTableWidgetItem* item = msgScoreDisplay_->horizontalHeaderItem(c))
                header[c] = QStringToAnsi(item->text());
        rows.push_back(std::move(header));
    }
    for (int r = 0; r < msgScoreDisplay_->rowCount(); ++r) {
        ScoreRow row;
        for (int c = 0; c < kScoreColumnCount; ++c)
            if (const QTableWidgetItem* item = msgScoreDisplay_->item(r, c)) row[c] = QStringToAnsi(item->text());
        rows.push_back(std::move(row));
    }
    return rows;
}

// The data rows back into the grid, and the header and widths of the columns as they now stand.
void frmPoolMisc::WriteRows(const std::vector<ScoreRow>& rows) {
    for (int c = 0; c < kScoreColumnCount; ++c) ShowColumnHeader(c);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < kScoreColumnCount; ++c)
            SetCell(*msgScoreDisplay_, static_cast<int>(r), c, rows[r][c], FieldAlignment(columnFields_[c]));
}

void frmPoolMisc::DropColumn(int column) {
    if (!dragColumn_) return;
    std::vector<ScoreRow> rows = GridRows(false);
    MoveColumn(rows, *dragColumn_, column);
    MoveColumn(columnFields_, *dragColumn_, column);
    DoSort(rows);
    msgScoreDisplay_->setUpdatesEnabled(false);
    WriteRows(rows);
    msgScoreDisplay_->setUpdatesEnabled(true);
}

// The column under x, the nearest one when x is past either end.
int frmPoolMisc::HeaderColumnAt(int x) const {
    const QHeaderView* header = msgScoreDisplay_->horizontalHeader();
    const int column = header->logicalIndexAt(x);
    if (column >= 0) return column;
    return x < header->sectionViewportPosition(0) ? 0 : kScoreColumnCount - 1;
}

void frmPoolMisc::ShowMarksOf(int row, int column) {
    const QTableWidgetItem* item = msgScoreDisplay_->item(row, column);
    if (item == nullptr) return;
    const std::string text = QStringToAnsi(item->text());
    if (!NamesSelectionFile(text)) return;
    // A file that cannot be read has had its message from the reader; nothing more is said.
    try {
        ClearResultMarks(model_, bracket_);
        ScoreSelection(model_, bracket_, platform_.dialogs, text, ScoringContext::Standings);
        ShowResultMarks(model_, bracket_);
    } catch (const std::exception&) {
    }
}

bool frmPoolMisc::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (watched == msgScoreDisplay_->horizontalHeader()->viewport()) {
        if (press) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            dragColumn_ = HeaderColumnAt(mouse->position().toPoint().x());
            msgScoreDisplay_->horizontalHeader()->viewport()->setCursor(Qt::SplitHCursor);
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            msgScoreDisplay_->horizontalHeader()->viewport()->unsetCursor();
            const int column = HeaderColumnAt(mouse->position().toPoint().x());
            RunTrapped(platform_.dialogs, ProcedureTitle("msgScoreDisplay_MouseUp"), [&] { DropColumn(column); });
            return true;
        }
        return type == QEvent::MouseMove;
    }
    if (watched == msgScoreDisplay_->viewport()) {
        if (press) {
            dragColumn_.reset();
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const int row = msgScoreDisplay_->rowAt(at.y());
            const int column = msgScoreDisplay_->columnAt(at.x());
            if (row >= 0 && column >= 0) ShowMarksOf(row, column);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmPoolMisc::cmdPrint_Click() {
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdPrint_Click"), [this] { PrintSummary({}); });
}

void frmPoolMisc::cmdPdfFile_Click() {
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdPdfFile_Click"), [this] {
        const std::optional<std::string> file = AskPdfFile(platform_.dialogs, model_.AppFolder, kPointSummaryName);
        if (file) PrintSummary(*file);
    });
}

void frmPoolMisc::PrintSummary(const std::string& pdfFile) {
    PrintDevice& printer = platform_.printer;
    if (!PrintSetup(printer, platform_.dialogs, "Portrait", "No")) return;
    const BusyCursor busy;
    const QDate today = QDate::currentDate();
    PrintDocument(printer, PointSummaryLines(GridRows(true), SummaryDate(today.year(), today.month(), today.day())),
                  pdfFile);
}

void frmPoolMisc::cmdExit_Click() { UnloadWindow(*this); }

// However the window is closed, the bracket window gets its controls and its entry back.
void frmPoolMisc::closeEvent(QCloseEvent* event) {
    if (filling_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
    if (bracketReturned_) return;
    bracketReturned_ = true;
    RunTrapped(platform_.dialogs, ProcedureTitle("cmdExit_Click"), [this] {
        ClearResultMarks(model_, bracket_);
        if (hooks_.lockBracket) hooks_.lockBracket(false);
        rowsFilled_ = false;
        model_.StandingsOpen = false;
        if (hooks_.closed) hooks_.closed();
    });
}

}  // namespace brackwell
