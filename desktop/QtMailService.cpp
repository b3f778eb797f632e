#include "desktop/QtMailService.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <string>

#include "desktop/AnsiQt.h"
#include "desktop/BusyCursor.h"

namespace brackwell {

namespace {

// Most mail clients take the message and xdg-email returns at once; some keep the command running
// until their window closes. After this long the client counts as open and is left running.
constexpr int kMailClientWaitMs = 15000;

QStringList MailArguments(const MailMessage& message) {
    QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), AnsiToQString(message.subject),
                          QStringLiteral("--body"), AnsiToDisplayText(message.noteText)};
    for (const MailAttachment& attachment : message.attachments) {
        const QFileInfo file(PathToQString(attachment.path));
        if (!file.isFile())
            throw std::runtime_error("The file " + attachment.path + " to be attached to the mail cannot be found.");
        arguments << QStringLiteral("--attach") << file.absoluteFilePath();
    }
    for (const MailRecipient& recipient : message.recipients) {
        // Callers that know only one text for a recipient give it as the name.
        const QString address = AnsiToQString(recipient.address.empty() ? recipient.name : recipient.address).trimmed();
        if (address.isEmpty()) continue;
        if (address.startsWith(u'-'))
            throw std::runtime_error("The mail address \"" + QStringToAnsi(address) + "\" is not valid.");
        arguments << address;
    }
    return arguments;
}

QStringList MailCommand() {
    QStringList command = QProcess::splitCommand(qEnvironmentVariable(kMailCommandVariable));
    if (command.isEmpty()) command << QStringLiteral("xdg-email");
    return command;
}

// xdg-email sums up why it failed in its last line, after the complaints of the tools it tried.
std::string LastLine(const QByteArray& output) {
    const QString text = QString::fromLocal8Bit(output).trimmed();
    return QStringToAnsi(text.section(u'\n', -1).trimmed());
}

}  // namespace

void QtMailService::Send(const MailMessage& message) {
    QStringList arguments = MailArguments(message);
    QStringList command = MailCommand();
    const QString program = command.takeFirst();
    const std::string shown = "\"" + QStringToAnsi(program) + "\"";

    auto process = std::make_unique<QProcess>();
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(program, command + arguments);
    const BusyCursor busy;
    if (!process->waitForStarted())
        throw std::runtime_error("The mail program " + shown + " could not be started:\r\n" +
                                 QStringToAnsi(process->errorString()));
    if (!process->waitForFinished(kMailClientWaitMs)) {
        // A QProcess kills its program when deleted; this one is left to the client and deletes
        // itself once the client ends.
        QProcess* running = process.release();
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return;
    }
    if (process->exitStatus() != QProcess::NormalExit)
        throw std::runtime_error("The mail program " + shown + " ended unexpectedly.");
    if (process->exitCode() != 0) {
        std::string text = "The mail program " + shown + " could not open the message (exit code " +
                           std::to_string(process->exitCode()) + ").";
        const std::string reason = LastLine(process->readAllStandardError());
        if (!reason.empty()) text += "\r\n" + reason;
        throw std::runtime_error(text);
    }
}

}  // namespace brackwell
