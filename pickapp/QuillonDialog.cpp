#include "pickapp/QuillonDialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>

#include <exception>

#include "pickapp/BracketGeometry.h"
#include "pickapp/QtPickDialogs.h"
#include "pickapp/rules/SaveRules.h"

namespace brackwell::pick {

namespace {
const QColor kLabelBack(212, 208, 200);
const QColor kWindowBack(192, 192, 192);
const QColor kRegionRed(255, 0, 0);

QFont Font(const char* family, double points, bool bold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Colours a label and gives it the single border or none.
void Style(QLabel* label, const QColor& text, const QColor& back, bool border) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    if (border) {
        label->setFrameShape(QFrame::Box);
        label->setFrameShadow(QFrame::Plain);
        label->setLineWidth(1);
    }
}

QString ControlName(const char* base, int index) { return QString::fromLatin1(base) + u'_' + QString::number(index); }

// Text with CR LF breaks as a label shows it.
QString DisplayText(const std::string& ansi) { return PickText(ansi).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
}  // namespace

QuillonDialog::QuillonDialog(const PickField& field, PickDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), bracket_(field) {
    setObjectName(QStringLiteral("QUILLON"));
    setWindowTitle(QStringLiteral("QUILLON"));
    setFont(Font("MS Sans Serif", 8));
    // Dialog units follow the dialog font: a quarter of its average character width across,
    // an eighth of its height down.
    const QFontMetrics metrics(font());
    const int alphabet = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const DialogBase fontBase{(alphabet / 26 + 1) / 2, metrics.height()};
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowBack);
    setPalette(palette);
    setAutoFillBackground(true);

    BuildMenus();
    const QRect free = screen()->availableGeometry();
    const DialogBase base = FitDialogBase(fontBase, free.width(), free.height(), menuHeight_);
    baseX_ = base.x;
    baseY_ = base.y;
    menuBar_->setGeometry(0, 0, Pixels(0, 0, kWindowSize.width, 0).width(), menuHeight_);
    BuildLabels(field);
    BuildEntryFields();
    const QRect size = Pixels(0, 0, kWindowSize.width, kWindowSize.height);
    setFixedSize(size.width(), size.height() + menuHeight_);
}

QRect QuillonDialog::Pixels(int x, int y, int width, int height) const {
    auto across = [this](int units) { return (units * baseX_ + 2) / 4; };
    auto down = [this](int units) { return (units * baseY_ + 4) / 8; };
    return {across(x), menuHeight_ + down(y), across(width), down(height)};
}

void QuillonDialog::BuildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto add = [this](QMenu* menu, QAction*& action, const char* name, const char* caption, bool enabled) {
        action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
    };
    add(file, mnuFileOpen, "mnuFileOpen", "&Open", false);
    add(file, mnuFileSave, "mnuFileSave", "&Save", false);
    add(file, mnuFileSaveAs, "mnuFileSaveAs", "Save &As", true);
    file->addSeparator();
    add(file, mnuFileExit, "mnuFileExit", "&Exit", true);
    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    add(help, mnuHelpHelp, "mnuHelpHelp", "&Help", false);
    add(help, mnuHelpAbout, "mnuHelpAbout", "&About", true);
    connect(mnuFileSaveAs, &QAction::triggered, this, &QuillonDialog::SaveAs);
    connect(mnuFileExit, &QAction::triggered, this, &QDialog::close);
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { dialogs_.About(); });
    menuHeight_ = bar->sizeHint().height();
    menuBar_ = bar;
}

void QuillonDialog::BuildLabels(const PickField& field) {
    for (int position = 1; position <= kPositionCount; ++position) {
        auto* label = new PickLabel(this);
        label->setObjectName(ControlName("lblRegion", position - 1));
        const DialogRect r = PositionRect(position);
        label->setGeometry(Pixels(r.x, r.y, r.width, r.height));
        Style(label, Qt::black, kLabelBack, true);
        if (position == 127) {
            label->setFont(Font("Arial", 18));
            label->setAlignment(Qt::AlignCenter);
        } else if (position >= 125) {
            label->setFont(Font("Arial", 14.25));
            label->setAlignment(Qt::AlignCenter);
        } else {
            label->setFont(Font("Arial", 8.25));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        connect(label, &PickLabel::clicked, this, [this, position] { Pick(position); });
        teamLabels_[static_cast<std::size_t>(position - 1)] = label;
    }
    ShowCaptions();

    auto display = [this](const char* name, const DialogRect& r, const std::string& text) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(Pixels(r.x, r.y, r.width, r.height));
        label->setText(DisplayText(text));
        return label;
    };
    QLabel* title = display("lblTitle", kTitleRect, field.others[0]);
    title->setFont(Font("Arial", 12, true));
    title->setAlignment(Qt::AlignCenter);
    Style(title, Qt::black, kLabelBack, true);
    for (int region = 0; region < 4; ++region) {
        QLabel* label = display("", kRegionTitleRects[region], field.others[static_cast<std::size_t>(1 + region)]);
        label->setObjectName(ControlName("lblRegionTitle", region));
        label->setFont(Font("Arial", 9, true));
        Style(label, kRegionRed, kWindowBack, false);
    }
    for (int round = 0; round < 6; ++round) {
        QLabel* label = display("", PointsRect(round), field.others[static_cast<std::size_t>(5 + round)]);
        label->setObjectName(ControlName("lblInfo", round));
        label->setFont(Font("Arial", 8.25, true));
        label->setAlignment(Qt::AlignCenter);
        Style(label, Qt::black, kLabelBack, true);
    }
    for (int comment = 0; comment < 2; ++comment) {
        QLabel* label = display("", kCommentRects[comment], field.others[static_cast<std::size_t>(11 + comment)]);
        label->setObjectName(ControlName("lblComment", comment));
        label->setFont(Font("MS Sans Serif", 8.25));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Style(label, Qt::black, kWindowBack, false);
    }
    display("lblPayoff", kPayoffCaptionRect, "Payoff Points / Round");
    display("lblEnterNames", kNamesCaptionRect, "Enter Initials / Name");
    display("lblWinner", kWinnerCaptionRect, "Tournament\r\nWinner")->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    display("lblTotalPoints", kTotalCaptionRect, "Total Points");
}

void QuillonDialog::BuildEntryFields() {
    auto field = [this](const char* name, const DialogRect& r) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(Pixels(r.x, r.y, r.width, r.height));
        return edit;
    };
    initials_ = field("txtPlayerInitials", kInitialsRect);
    initials_->setMaxLength(2);
    initials_->setAlignment(Qt::AlignCenter);
    initials_->setAccessibleName(QStringLiteral("Initials"));
    name_ = field("txtPlayerName", kNameRect);
    name_->setAccessibleName(QStringLiteral("Name"));
    total_ = field("txtFinalPoints", kTotalRect);
    total_->setMaxLength(3);
    total_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), total_));
    total_->setAccessibleName(QStringLiteral("Total Points"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("cmdHelp"));
    help->setAutoDefault(false);
    const DialogRect r = kHelpButtonRect;
    help->setGeometry(Pixels(r.x, r.y, r.width, r.height));
}

void QuillonDialog::ShowCaptions() {
    for (int position = 1; position <= kPositionCount; ++position)
        teamLabels_[static_cast<std::size_t>(position - 1)]->setText(PickText(bracket_.Caption(position)));
}

void QuillonDialog::Pick(int position) {
    bracket_.Click(position);
    ShowCaptions();
}

void QuillonDialog::SaveAs() {
    try {
        const std::string initials = AnsiFromPickText(initials_->text());
        const std::string name = AnsiFromPickText(name_->text());
        const std::string total = AnsiFromPickText(total_->text());
        if (const auto refusal = SaveRefusal(DemoFlagSet("."), initials, name, total)) {
            dialogs_.Warn(kErrorTitle, *refusal);
            return;
        }
        SaveFileRequest request;
        request.title = "Save File Name AS.....";
        request.filter = "Brackwell files (*.bks)|*.bks|All files (*.*)|*.*||";
        request.defaultExtension = "bks";
        request.suggestedName = SuggestedFileName(name, initials);
        request.promptOverwrite = true;
        const auto path = dialogs_.SaveFileName(request);
        if (!path) return;
        // A file that cannot be written costs nothing: the picks stay, and another place can
        // be chosen.
        if (!WritePickSelection(*path, bracket_, initials, name, total))
            dialogs_.Warn("QUILLON - Save As", "Cannot open file.");
    } catch (const std::exception& error) {
        dialogs_.Warn("QUILLON - Save As", error.what());
    }
}

void QuillonDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc would close a dialog; this one closes only through Exit or its frame.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

void QuillonDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    // Each regional game: a tick out of both labels that meet, a bar joining the ticks, and a
    // tick from the bar's middle to the label of the winner; the right half mirrored.
    for (int region = 0; region < 4; ++region) {
        const bool left = region < 2;
        for (int m = 0; m < 15; ++m) {
            const QRect a = teamLabels_[static_cast<std::size_t>(31 * region + 2 * m)]->geometry();
            const QRect b = teamLabels_[static_cast<std::size_t>(31 * region + 2 * m + 1)]->geometry();
            const QRect winner = teamLabels_[static_cast<std::size_t>(31 * region + 16 + m)]->geometry();
            const int from = left ? a.right() + 1 : a.left() - 1;
            const int to = left ? winner.left() - 1 : winner.right() + 1;
            const int bar = (from + to) / 2;
            const int ya = a.center().y();
            const int yb = b.center().y();
            painter.drawLine(from, ya, bar, ya);
            painter.drawLine(from, yb, bar, yb);
            painter.drawLine(bar, ya, bar, yb);
            painter.drawLine(bar, (ya + yb) / 2, to, (ya + yb) / 2);
        }
    }
    // The final four: the two regional champions of a half join on a bar beside the semifinal
    // labels, with a tick into the semifinal they feed; the semifinal winners meet the
    // champion from above and below, clear of the captions between the labels.
    const QRect upperLeft = teamLabels_[30]->geometry(), lowerLeft = teamLabels_[61]->geometry();
    const QRect upperRight = teamLabels_[92]->geometry(), lowerRight = teamLabels_[123]->geometry();
    const QRect semi1 = teamLabels_[124]->geometry(), semi2 = teamLabels_[125]->geometry();
    const QRect champion = teamLabels_[126]->geometry();
    const int leftBar = (upperLeft.left() + champion.left()) / 2;
    painter.drawLine(leftBar, upperLeft.bottom(), leftBar, lowerLeft.top());
    painter.drawLine(leftBar, semi1.center().y(), semi1.left(), semi1.center().y());
    const int rightBar = (upperRight.right() + champion.right()) / 2 + 1;
    painter.drawLine(rightBar, upperRight.bottom(), rightBar, lowerRight.top());
    painter.drawLine(rightBar, semi2.center().y(), semi2.right(), semi2.center().y());
    const int finalX = Pixels(345, 0, 0, 0).x();  // between the winner's caption and the total
    painter.drawLine(finalX, semi1.bottom(), finalX, champion.top());
    painter.drawLine(finalX, champion.bottom(), finalX, semi2.top());
}

}  // namespace brackwell::pick
