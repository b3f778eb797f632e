#include "outlook/OutlookPrizeEditor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>
#include <utility>

#include "desktop/AnsiQt.h"
#include "desktop/TrappedCommand.h"
#include "outlook/rules/PrizeFile.h"

namespace brackwell {

namespace {

constexpr const char* kPrizesTitle = "Brackwell - Pool Outlook, Prizes";
constexpr const char* kPrizesHelp =
    "The prize of each paid place, in any unit (dollars, or shares of the pot). Participants tied on points share "
    "the prizes of the places they cover. Kept in PRIZES.TXT in the pool's folder.";

QString PlaceCaption(int row) { return QStringLiteral("Place %1").arg(row + 1); }

}  // namespace

OutlookPrizeEditor::OutlookPrizeEditor(std::string folder, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("OutlookPrizeEditor"));
    lblPrizes_ = new QLabel(QLatin1String(kPrizesHelp), this);
    lblPrizes_->setObjectName(QStringLiteral("lblPrizes"));
    lblPrizes_->setWordWrap(true);
    grdPrizes_ = new QTableWidget(0, 1, this);
    grdPrizes_->setObjectName(QStringLiteral("grdPrizes"));
    grdPrizes_->setAccessibleName(QStringLiteral("Prizes of the paid places"));
    grdPrizes_->setAccessibleDescription(QLatin1String(kPrizesHelp));
    grdPrizes_->setHorizontalHeaderLabels({QStringLiteral("Prize")});
    grdPrizes_->horizontalHeader()->setStretchLastSection(true);
    grdPrizes_->setSelectionMode(QAbstractItemView::SingleSelection);
    lblPrizes_->setBuddy(grdPrizes_);
    cmdAddPlace_ = new QPushButton(QStringLiteral("&Add a paid place"), this);
    cmdAddPlace_->setObjectName(QStringLiteral("cmdAddPlace"));
    cmdRemovePlace_ = new QPushButton(QStringLiteral("&Remove the last place"), this);
    cmdRemovePlace_->setObjectName(QStringLiteral("cmdRemovePlace"));
    cmdSavePrizes_ = new QPushButton(QStringLiteral("&Save prizes"), this);
    cmdSavePrizes_->setObjectName(QStringLiteral("cmdSavePrizes"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdAddPlace_);
    buttons->addWidget(cmdRemovePlace_);
    buttons->addWidget(cmdSavePrizes_);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(grdPrizes_, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrizes_);
    layout->addLayout(row, 1);

    connect(cmdAddPlace_, &QPushButton::clicked, this, &OutlookPrizeEditor::cmdAddPlace_Click);
    connect(cmdRemovePlace_, &QPushButton::clicked, this, &OutlookPrizeEditor::cmdRemovePlace_Click);
    connect(cmdSavePrizes_, &QPushButton::clicked, this, &OutlookPrizeEditor::cmdSavePrizes_Click);

    const PrizeFileContents read = ReadPrizeFile(folder_);
    fileFaulty_ = !read.problem.empty();
    saved_ = read.prizes;
    ShowPrizes(read.prizes);
    if (fileFaulty_)
        dialogs_.Message(read.problem + "\r\n\r\nThe prizes read before it are shown. " + kPrizeFileName +
                             " is left as it is until you save prizes.",
                         kPrizesTitle, MsgIcon::Exclamation);
}

void OutlookPrizeEditor::ShowPrizes(const std::vector<double>& prizes) {
    grdPrizes_->setRowCount(0);
    for (const double prize : prizes) AddRow(AnsiToQString(PrizeAmountText(prize)));
}

void OutlookPrizeEditor::AddRow(const QString& amount) {
    const int row = grdPrizes_->rowCount();
    grdPrizes_->insertRow(row);
    grdPrizes_->setVerticalHeaderItem(row, new QTableWidgetItem(PlaceCaption(row)));
    auto* item = new QTableWidgetItem(amount);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grdPrizes_->setItem(row, 0, item);
}

void OutlookPrizeEditor::cmdAddPlace_Click() {
    RunTrapped(dialogs_, kPrizesTitle, [this] {
        if (static_cast<std::size_t>(grdPrizes_->rowCount()) >= kMostPaidPlaces) return;
        AddRow(QStringLiteral("0"));
        const int row = grdPrizes_->rowCount() - 1;
        grdPrizes_->setCurrentCell(row, 0);
        grdPrizes_->editItem(grdPrizes_->item(row, 0));
    });
}

void OutlookPrizeEditor::cmdRemovePlace_Click() {
    RunTrapped(dialogs_, kPrizesTitle, [this] {
        if (grdPrizes_->rowCount() > 0) grdPrizes_->removeRow(grdPrizes_->rowCount() - 1);
    });
}

void OutlookPrizeEditor::cmdSavePrizes_Click() {
    RunTrapped(dialogs_, kPrizesTitle, [this] {
        std::vector<double> prizes;
        for (int row = 0; row < grdPrizes_->rowCount(); ++row) {
            const QTableWidgetItem* item = grdPrizes_->item(row, 0);
            const std::string text = item != nullptr ? QStringToAnsi(item->text()) : std::string();
            const std::optional<double> amount = PrizeAmount(text);
            if (!amount) {
                grdPrizes_->setCurrentCell(row, 0);
                dialogs_.Message("The prize of place " + std::to_string(row + 1) + ", \"" + text +
                                     "\", is not an amount: write a number such as 100 or 12.50.\r\n\r\n"
                                     "Nothing was saved.",
                                 kPrizesTitle, MsgIcon::Exclamation);
                return;
            }
            prizes.push_back(*amount);
        }
        if (fileFaulty_ && dialogs_.MessageBox(std::string(kPrizeFileName) +
                                                   " could not be read whole when the window opened. Replace it "
                                                   "with the prizes shown here?",
                                               MsgButtons::YesNo, MsgIcon::Question, kPrizesTitle) != MsgAnswer::Yes)
            return;
        if (!WritePrizeFile(folder_, prizes)) {
            dialogs_.Message(std::string(kPrizeFileName) + " could not be written in " + folder_ +
                                 ". The prizes are kept here; the file is as it was.",
                             kPrizesTitle, MsgIcon::Critical);
            return;
        }
        fileFaulty_ = false;
        saved_ = std::move(prizes);
        ShowPrizes(saved_);
        emit PrizesSaved();
    });
}

}  // namespace brackwell
