#include "app/FieldOverview.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/AnsiQt.h"
#include "core/TextHelpers.h"

namespace brackwell {

namespace {

constexpr int kRegionCount = 4;
constexpr int kSlotsPerRegion = 16;
constexpr int kRoundCount = 6;
constexpr int kLongestTeamName = 20;

QString IndexedName(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

QTableWidgetItem* ReadOnlyItem(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment);
    return item;
}

// A table that shows all of its rows: no scrolling, no editing, browsed with the arrow keys.
QTableWidget* ViewTable(const QString& objectName, int rows, int columns) {
    auto* table = new QTableWidget(rows, columns);
    table->setObjectName(objectName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

// Sizes a filled table to its rows and columns. The last column takes any width to spare; it
// is at least minLastColumn wide.
void FitToContents(QTableWidget* table, int minLastColumn = 0) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    const int last = table->columnCount() - 1;
    table->setColumnWidth(last, std::max(table->columnWidth(last), minLastColumn));
    const int frame = 2 * table->frameWidth();
    int width = frame + (!table->verticalHeader()->isHidden() ? table->verticalHeader()->sizeHint().width() : 0);
    for (int column = 0; column < table->columnCount(); ++column) width += table->columnWidth(column);
    int height = frame + table->horizontalHeader()->sizeHint().height();
    for (int row = 0; row < table->rowCount(); ++row) height += table->rowHeight(row);
    table->setMinimumWidth(width);
    table->setFixedHeight(height);
    // Only now: a stretched section measures the table's current size, not its contents.
    table->horizontalHeader()->setStretchLastSection(true);
}

QGroupBox* RegionBox(const StartLinesArray& lines, int region) {
    auto* box = new QGroupBox(AnsiToQString(lines[kFirstRegionNameLine + region]));
    box->setObjectName(IndexedName("lblRegionTitle", region));
    QTableWidget* table = ViewTable(IndexedName("tblRegion", region), kSlotsPerRegion, 2);
    table->setHorizontalHeaderLabels({QObject::tr("Seed"), QObject::tr("Team")});
    table->verticalHeader()->hide();
    const QBrush pairShade = table->palette().alternateBase();
    for (int slot = 0; slot < kSlotsPerRegion; ++slot) {
        const QString seed = AnsiToQString(lines[kFirstSeedLine + slot]).trimmed();
        table->setItem(slot, 0, ReadOnlyItem(seed, Qt::AlignRight | Qt::AlignVCenter));
        table->setItem(slot, 1, ReadOnlyItem(AnsiToQString(lines[kSlotsPerRegion * region + slot])));
        // The two teams of a first-round game share a shade, so the pairings read at a glance.
        if ((slot / 2) % 2 == 1)
            for (int column = 0; column < 2; ++column) table->item(slot, column)->setBackground(pairShade);
    }
    // Room for the longest names a field holds, whatever this field's are.
    FitToContents(table, table->fontMetrics().horizontalAdvance(QString(kLongestTeamName, u'n')));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(table);
    return box;
}

QGroupBox* PointsBox(const StartLinesArray& lines) {
    auto* box = new QGroupBox(QObject::tr("Points for a correct pick"));
    QTableWidget* table = ViewTable(QStringLiteral("tblPoints"), 1, kRoundCount);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    QStringList rounds;
    for (int round = 1; round <= kRoundCount; ++round) rounds << QObject::tr("Round %1").arg(round);
    table->setHorizontalHeaderLabels(rounds);
    table->setVerticalHeaderLabels({QObject::tr("Points")});
    for (int round = 0; round < kRoundCount; ++round)
        table->setItem(0, round, ReadOnlyItem(AnsiToQString(lines[kFirstPointsLine + round]).trimmed(), Qt::AlignCenter));
    FitToContents(table);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(table);
    return box;
}

QPlainTextEdit* CommentView(const char* objectName, const std::string& stored) {
    auto* view = new QPlainTextEdit(AnsiToDisplayText(BarsToLineBreaks(stored)));
    view->setObjectName(QLatin1String(objectName));
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    view->setTabChangesFocus(true);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const int lineHeight = view->fontMetrics().lineSpacing();
    view->setFixedHeight(lineHeight * 4 + 2 * view->frameWidth() + 8);
    return view;
}

QGroupBox* CommentsBox(const StartLinesArray& lines) {
    auto* box = new QGroupBox(QObject::tr("Comments"));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(CommentView("txtComment1", lines[kComment1Line]));
    layout->addWidget(CommentView("txtComment2", lines[kComment2Line]));
    return box;
}

}  // namespace

FieldOverview::FieldOverview(const StartLinesArray& lines, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FieldOverview"));
    setWindowTitle(tr("Tournament Field"));

    auto* title = new QLabel(AnsiToQString(lines[kTitleLine]));
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setTextFormat(Qt::PlainText);
    title->setAlignment(Qt::AlignCenter);
    title->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);

    auto* regions = new QHBoxLayout;
    for (int region = 0; region < kRegionCount; ++region) regions->addWidget(RegionBox(lines, region));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(regions);
    layout->addWidget(PointsBox(lines));
    layout->addWidget(CommentsBox(lines));
    layout->addStretch();
}

}  // namespace brackwell
