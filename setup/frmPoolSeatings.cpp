#include "setup/frmPoolSeatings.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "desktop/AnsiQt.h"
#include "desktop/TrappedCommand.h"

namespace brackwell {

namespace {
constexpr int kTitleBarButtons = 140;
}

frmPoolSeatings::frmPoolSeatings(const std::array<std::string, kSeedCount>& teams, const SeedTexts& seeds,
                                 Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      dialogs_(dialogs),
      seeds_(seeds),
      cmdComplete_(new QPushButton(QStringLiteral("Complete"), this)),
      cmdCancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("frmPoolSeatings"));
    setWindowTitle(QStringLiteral("Seed Positions Entry"));
    setModal(true);

    auto* grid = new QGridLayout;
    QFont seedFont(QStringLiteral("MS Sans Serif"));
    for (int k = 0; k < kSeedCount; ++k) {
        auto* label = new QLabel(AnsiToQString(teams[k]), this);
        label->setObjectName(QStringLiteral("lblRegion_%1").arg(k));
        label->setTextFormat(Qt::PlainText);  // "Texas A&M" as it is
        label->setMinimumWidth(160);
        auto* box = new QLineEdit(AnsiToQString(seeds[k]), this);
        box->setObjectName(QStringLiteral("txtSeed_%1").arg(k));
        box->setFont(seedFont);
        box->setMaximumWidth(48);
        box->setAccessibleName(QStringLiteral("Seed of %1").arg(label->text()));
        lblRegion_[k] = label;
        txtSeed_[k] = box;
        grid->addWidget(label, k, 0);
        grid->addWidget(box, k, 1);
    }
    cmdComplete_->setObjectName(QStringLiteral("cmdComplete"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdComplete_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdComplete_);
    buttons->addWidget(cmdCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // The title bar is the window manager's: room for the title in a bold face of the dialog's
    // size, and for the bar's buttons, so that the title is not cut short.
    QFont titleFont = font();
    titleFont.setBold(true);
    setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + kTitleBarButtons);

    connect(cmdComplete_, &QPushButton::clicked, this, &frmPoolSeatings::cmdComplete_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPoolSeatings::cmdComplete_Click() {
    RunTrapped(dialogs_, "Brackwell - frmPoolSeatings, cmdComplete_Click", [this] {
        SeedTexts typed;
        for (int k = 0; k < kSeedCount; ++k) typed[k] = QStringToAnsi(txtSeed_[k]->text());
        if (const std::optional<SeedTexts> seeds = CompleteSeedEntry(typed, dialogs_)) {
            seeds_ = *seeds;
            accept();
        }
    });
}

}  // namespace brackwell
