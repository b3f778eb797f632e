#include "desktop/QtDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "desktop/AnsiQt.h"
#include "desktop/DialogParent.h"

namespace brackwell {

namespace {

QStringList SplitTrimmed(const QString& text, QChar separator) {
    QStringList parts;
    for (const QString& part : text.split(separator)) parts << part.trimmed();
    return parts;
}

// The patterns of one filter entry as Qt wants them: separated by blanks, none empty.
QString QtPatterns(const QString& patterns) {
    QStringList kept;
    for (const QString& pattern : SplitTrimmed(patterns, u';'))
        if (!pattern.isEmpty()) kept << pattern;
    return kept.join(u' ');
}

// Qt takes an entry's patterns from the parentheses that end its text, so a description that
// already ends in its own patterns, "PoolSelections (*.BKS)", is shown once, not twice.
QString QtFilterEntry(const QString& description, const QString& patterns) {
    QString base = description;
    const qsizetype open = description.lastIndexOf(u'(');
    if (description.endsWith(u')') && open >= 0 &&
        QtPatterns(description.mid(open + 1, description.size() - open - 2)) == patterns)
        base = description.left(open).trimmed();
    const QString group = QLatin1Char('(') + patterns + QLatin1Char(')');
    return base.isEmpty() ? group : base + QLatin1Char(' ') + group;
}

QMessageBox::Icon QtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OK: return QMessageBox::Ok;
        case MsgButtons::OKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// The first button is the default one, as in the message boxes the texts were written for.
QMessageBox::StandardButton FirstButton(MsgButtons buttons) {
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? QMessageBox::Yes : QMessageBox::Ok;
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogParent());
    // Qt's own dialog matches the filter patterns without regard to case, as the application
    // folder's names are matched ("*.BKS" lists "smith_tm.bks" too).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.title.empty()) dialog.setWindowTitle(AnsiToQString(request.title));
    const QString filter = QtFileFilter(request.filter);
    if (!filter.isEmpty()) dialog.setNameFilter(filter);
    QString extension = AnsiToQString(request.defaultExtension);
    if (extension.startsWith(u'.')) extension.remove(0, 1);
    dialog.setDefaultSuffix(extension);
    if (!request.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.initialPath.empty()) {
        const QFileInfo initial(PathToQString(request.initialPath));
        if (initial.isDir()) {
            dialog.setDirectory(initial.filePath());
        } else {
            dialog.setDirectory(initial.path());
            dialog.selectFile(initial.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QStringToPath(dialog.selectedFiles().constFirst());
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
    const QStringList parts = SplitTrimmed(AnsiToQString(filter), u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QtPatterns(parts[i + 1]);
        if (!patterns.isEmpty()) entries << QtFilterEntry(parts[i], patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

MsgAnswer QtDialogs::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) {
    QMessageBox box(QtIcon(icon), AnsiToQString(title), AnsiToDisplayText(text), QtButtons(buttons), DialogParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(FirstButton(buttons));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok: return MsgAnswer::OK;
        case QMessageBox::Cancel: return MsgAnswer::Cancel;
        case QMessageBox::Yes: return MsgAnswer::Yes;
        case QMessageBox::No: return MsgAnswer::No;
        // Closed with Escape or from the title bar.
        default: return DeclineAnswer(buttons);
    }
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(AnsiToQString(title));
    dialog.setLabelText(AnsiToDisplayText(prompt));
    dialog.setTextValue(AnsiToQString(defaultText));
    if (dialog.exec() != QDialog::Accepted) return {};
    return QStringToAnsi(dialog.textValue());
}

std::optional<std::string> QtDialogs::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

QtDialogs::QtDialogs() : ownPrinters_(std::make_unique<PrinterSession>()), printers_(*ownPrinters_) {}

QtDialogs::QtDialogs(PrinterSession& printers) : printers_(printers) {}

QtDialogs::~QtDialogs() = default;

bool QtDialogs::PrintDialog(PrintRequest& request) {
    QPrinter& printer = printers_.printer();
    printer.setPageOrientation(request.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    printers_.DialogAccepted();
    request.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? Orientation::Landscape
                                                                                      : Orientation::Portrait;
    return true;
}

std::optional<FontChoice> QtDialogs::FontDialog(const FontChoice& initial) {
    QFont font(AnsiToQString(initial.name));
    if (initial.size > 0) font.setPointSizeF(initial.size);
    font.setBold(initial.bold);
    font.setItalic(initial.italic);
    QFontDialog dialog(font, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return FontChoice{QStringToAnsi(chosen.family()), chosen.pointSizeF(), chosen.bold(), chosen.italic()};
}

}  // namespace brackwell
