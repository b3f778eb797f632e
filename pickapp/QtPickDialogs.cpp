#include "pickapp/QtPickDialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "core/AnsiText.h"

namespace brackwell::pick {

QString PickText(const std::string& ansi) { return QString::fromStdString(AnsiToUtf8(ansi)); }

std::string AnsiFromPickText(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

namespace {
// "Description|patterns|...||" as Qt's "Description (patterns);;..." with blank-separated patterns.
QString QtFilter(const std::string& filter) {
    const QStringList parts = PickText(filter).split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        const qsizetype open = description.lastIndexOf(u'(');
        if (open > 0 && description.endsWith(u')')) description = description.left(open).trimmed();
        entries << description + QStringLiteral(" (") + patterns + u')';
    }
    return entries.join(QStringLiteral(";;"));
}
}  // namespace

void QtPickDialogs::Warn(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::Warning, PickText(title), PickText(text), QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<std::string> QtPickDialogs::SaveFileName(const SaveFileRequest& request) {
    QFileDialog dialog(parent_, PickText(request.title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.setDefaultSuffix(PickText(request.defaultExtension));
    dialog.selectFile(PickText(request.suggestedName));
    if (!request.promptOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

void QtPickDialogs::About() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("About QUILLON"), QStringLiteral("QUILLON Version 1.0"),
                    QMessageBox::Ok, parent_);
    // The program's icon when it has one, else the style's information icon.
    if (QApplication::windowIcon().isNull()) box.setIcon(QMessageBox::Information);
    else box.setIconPixmap(QApplication::windowIcon().pixmap(32, 32));
    box.exec();
}

}  // namespace brackwell::pick
