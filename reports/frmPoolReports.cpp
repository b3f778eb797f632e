#include "reports/frmPoolReports.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>
#include <utility>

#include "desktop/AnsiQt.h"
#include "desktop/BusyCursor.h"
#include "desktop/TrappedCommand.h"
#include "desktop/frmPoolMIDI.h"
#include "core/FileSystem.h"
#include "core/FolderScoring.h"
#include "core/PrintTarget.h"
#include "reports/rules/SelectedPrintout.h"

namespace brackwell {

namespace {

constexpr const char* kUseDefaultPrinter = "Use default printer";
constexpr const char* kSelectNonDefaultPrinter = "Select non default printer";
// By ReportDestination; "PDF file" is shown next to "Printer".
constexpr std::array<const char*, 5> kDestinationCaptions{"Printer", "File", "Email", "Email All Participants",
                                                          kPdfFileCaption};
constexpr std::array<int, 5> kDestinationOrder{0, 4, 1, 2, 3};
constexpr std::array<const char*, 2> kPrintoutCaptions{"Scored Player Selections (Select File at right --->)",
                                                       "Tournament Results Sheet"};

QString IndexedName(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

std::string Title(const char* procedure) { return std::string("Brackwell - frmPoolReports, ") + procedure; }

QLabel* NewLabel(const char* name, const char* caption) {
    auto* label = new QLabel(QLatin1String(caption));
    label->setObjectName(QLatin1String(name));
    return label;
}

}  // namespace

frmPoolReports::frmPoolReports(modBrackwell& model, Platform& platform, ReportsWindowHooks hooks, QWidget* parent)
    : frmPoolReports(model, platform, std::move(hooks),
                     static_cast<ReportOutcome (*)(int, modBrackwell&, Dialogs&, const ReportRequest&,
                                                   reports::RunPool&)>(RunReportGenerator),
                     parent) {}

frmPoolReports::frmPoolReports(modBrackwell& model, Platform& platform, ReportsWindowHooks hooks,
                               ReportGenerator generate, QWidget* parent)
    : QWidget(parent), model_(model), platform_(platform), hooks_(std::move(hooks)), generate_(std::move(generate)) {
    setObjectName(QStringLiteral("frmPoolReports"));
    setWindowTitle(QStringLiteral("Brackwell Reports"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* output = new QGroupBox(QStringLiteral("Multiple Output Options"));
    output->setObjectName(QStringLiteral("frmOutputSelections"));
    auto* outputLayout = new QVBoxLayout(output);
    outputLayout->addWidget(NewLabel("lblReportSelect", "Report Selections"));
    for (int index = 0; index < kReportCount; ++index) {
        // Captions are shown as they are: no "&" becomes a shortcut.
        auto* box = new QCheckBox(QString::fromLatin1(ReportAt(index).caption));
        box->setObjectName(IndexedName("chkOptions", index));
        chkOptions_[index] = box;
        outputLayout->addWidget(box);
    }
    outputLayout->addWidget(NewLabel("lblDestination", "Destination"));
    for (const int index : kDestinationOrder) {
        auto* option = new QRadioButton(QLatin1String(kDestinationCaptions[index]));
        option->setObjectName(IndexedName("optDestination", index));
        optDestination_[index] = option;
        outputLayout->addWidget(option);
    }
    optDestination_[0]->setChecked(true);
    QLabel* titleLabel = NewLabel("Label2", "Report Titles:");
    txtReportTitle_ = new QLineEdit;
    txtReportTitle_->setObjectName(QStringLiteral("txtReportTitle"));
    txtReportTitle_->setAccessibleName(QStringLiteral("Report Titles:"));
    titleLabel->setBuddy(txtReportTitle_);
    outputLayout->addWidget(titleLabel);
    outputLayout->addWidget(txtReportTitle_);
    cmdPrintSelections_ = NewButton("cmdPrintSelections", "Create Selected Reports");
    cmdDefaultPrinter_ = NewButton("cmdDefaultPrinter", kUseDefaultPrinter);
    outputLayout->addWidget(cmdPrintSelections_);
    outputLayout->addWidget(cmdDefaultPrinter_);

    auto* printouts = new QGroupBox(QStringLiteral("Printer Only Options"));
    printouts->setObjectName(QStringLiteral("frmPrintSelections"));
    auto* printoutsLayout = new QVBoxLayout(printouts);
    for (int index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(QLatin1String(kPrintoutCaptions[index]));
        option->setObjectName(IndexedName("optSelected", index));
        optSelected_[index] = option;
        printoutsLayout->addWidget(option);
    }
    filList_ = new QListWidget;
    filList_->setObjectName(QStringLiteral("filList"));
    filList_->setAccessibleName(QStringLiteral("File Names"));
    printoutsLayout->addWidget(filList_);
    cmdSelectedPrintouts_ = NewButton("cmdSelectedPrintouts", "Create Selected Printout");
    printoutsLayout->addWidget(cmdSelectedPrintouts_);

    auto* custom = new QGroupBox(QStringLiteral("Custom Reports Option"));
    custom->setObjectName(QStringLiteral("frmCustomSelection"));
    auto* customLayout = new QVBoxLayout(custom);
    cmdCustomReport_ = NewButton("cmdCustomReport", "Goto Custom Reporting");
    customLayout->addWidget(cmdCustomReport_);

    cmdExit_ = NewButton("cmdExit", "Exit Reports");
    prgReports_ = new QProgressBar;
    prgReports_->setObjectName(QStringLiteral("prgReports"));
    prgReports_->setAccessibleName(QStringLiteral("Reports created"));
    prgReports_->setVisible(false);

    auto* right = new QVBoxLayout;
    right->addWidget(printouts, 1);
    right->addWidget(custom);
    right->addWidget(cmdExit_);
    auto* columns = new QHBoxLayout;
    columns->addWidget(output);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(prgReports_);

    connect(cmdPrintSelections_, &QPushButton::clicked, this, [this] { cmdPrintSelections_Click(); });
    connect(cmdDefaultPrinter_, &QPushButton::clicked, this, [this] { cmdDefaultPrinter_Click(); });
    connect(cmdSelectedPrintouts_, &QPushButton::clicked, this, [this] { cmdSelectedPrintouts_Click(); });
    connect(cmdCustomReport_, &QPushButton::clicked, this, [this] { cmdCustomReport_Click(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    RunTrapped(platform_.dialogs, Title("Form_Load"), [this] {
        txtReportTitle_->setText(AnsiToQString(model_.TournamentTitle));
        for (const std::string& file : SelectionFileNames(model_.AppFolder))
            filList_->addItem(AnsiToQString(file));
        model_.MailHandOver.Cancelled = false;
    });
}

QPushButton* frmPoolReports::NewButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QLatin1String(caption));
    button->setObjectName(QLatin1String(name));
    return button;
}

void frmPoolReports::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->move(0, 0);
}

ReportDestination frmPoolReports::Destination() const {
    for (std::size_t index = 0; index < optDestination_.size(); ++index)
        if (optDestination_[index]->isChecked()) return static_cast<ReportDestination>(index);
    return ReportDestination::Printer;
}

void frmPoolReports::cmdPrintSelections_Click() {
    RunTrapped(platform_.dialogs, Title("PrintSelections_Click"), [this] {
        const ReportDestination destination = Destination();
        selectEMailAll_ = destination == ReportDestination::EmailAll;

        TickedReports ticked{};
        for (int index = 0; index < kReportCount; ++index) ticked[index] = chkOptions_[index]->isChecked();
        ReportRequest request;
        request.reportTitle = QStringToAnsi(txtReportTitle_->text());
        for (int row = 0; row < filList_->count(); ++row)
            request.selectionFiles.push_back(QStringToAnsi(filList_->item(row)->text()));

        std::optional<BusyCursor> busy;
        ReportRunSteps steps;
        steps.generate = generate_;
        steps.progress = [this, &busy](int done, int total) {
            if (!busy) {
                busy.emplace();
                prgReports_->setVisible(true);
            }
            prgReports_->setRange(0, total);
            prgReports_->setValue(done);
            prgReports_->repaint();
        };
        steps.reportsDone = [this, &busy] {
            busy.reset();
            prgReports_->setVisible(false);
        };
        steps.showMailWindow = [this] { ShowMailWindow(); };
        CreateSelectedReports(model_, platform_, ticked, destination, useDefaultPrinter_, request, steps);
        for (int index = 0; index < kReportCount; ++index) chkOptions_[index]->setChecked(ticked[index]);
    });
}

void frmPoolReports::ShowMailWindow() {
    if (hooks_.showMailWindow) hooks_.showMailWindow(selectEMailAll_);
}

void frmPoolReports::cmdDefaultPrinter_Click() {
    useDefaultPrinter_ = !useDefaultPrinter_;
    cmdDefaultPrinter_->setText(QLatin1String(useDefaultPrinter_ ? kUseDefaultPrinter : kSelectNonDefaultPrinter));
    QFont font = cmdDefaultPrinter_->font();
    font.setBold(false);
    cmdDefaultPrinter_->setFont(font);
}

void frmPoolReports::cmdSelectedPrintouts_Click() {
    RunTrapped(platform_.dialogs, Title("cmdSelectedPrintouts"), [this] {
        std::optional<Printout> chosen;
        if (optSelected_[0]->isChecked()) chosen = Printout::ScoredSelection;
        if (optSelected_[1]->isChecked()) chosen = Printout::ResultsSheet;
        const QListWidgetItem* item = filList_->currentItem();
        const std::string file = item != nullptr && item->isSelected() ? QStringToAnsi(item->text()) : std::string();
        const auto printout = CheckSelectedPrintout(model_, platform_.dialogs, chosen, file);
        if (!printout) return;
        // The window is gone before the bracket window prints, as the organiser sees it.
        const ReportsWindowHooks hooks = hooks_;
        Unload();
        if (*printout == Printout::ScoredSelection) {
            if (hooks.printScoredSelection) hooks.printScoredSelection(file);
        } else if (hooks.printResultsSheet) {
            hooks.printResultsSheet();
        }
    });
}

void frmPoolReports::cmdCustomReport_Click() {
    RunTrapped(platform_.dialogs, Title("cmdCustomReport_Click"), [this] {
        const ReportsWindowHooks hooks = hooks_;
        Unload();
        if (hooks.gotoCustomReporting) hooks.gotoCustomReporting();
    });
}

void frmPoolReports::cmdExit_Click() {
    RunTrapped(platform_.dialogs, Title("cmdExit_Click"), [this] {
        if (platform_.mail.SessionOpen()) platform_.mail.SignOff();
        Unload();
    });
}

void frmPoolReports::Unload() { UnloadWindow(*this); }

void frmPoolReports::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closedOnce_) return;
    closedOnce_ = true;
    if (hooks_.closed) hooks_.closed();
}

}  // namespace brackwell
