#include "desktop/QtMailService.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "desktop/AnsiQt.h"
#include "desktop/BusyCursor.h"
#include "participants/rules/MailAddress.h"

namespace brackwell {

namespace {

// Most mail clients take the message and xdg-email returns at once; some keep the command running
// until their window closes. After this long the client counts as open and is left running.
constexpr int kMailClientWaitMs = 15000;

// xdg-email ends with this code when it finds no mail client to hand the message to.
constexpr int kNoMailClientExitCode = 3;

// The command's arguments; addresses that are not plain go to refused instead.
QStringList MailArguments(const MailMessage& message, std::vector<std::string>& refused) {
    QStringList arguments{QStringLiteral("--utf8")};
    if (!message.subject.empty()) arguments << QStringLiteral("--subject") << AnsiToQString(message.subject);
    if (!message.noteText.empty()) arguments << QStringLiteral("--body") << AnsiToDisplayText(message.noteText);
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
        const std::string text = QStringToAnsi(address);
        if (IsPlainMailAddress(text))
            arguments << address;
        else
            refused.push_back(text);
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
    std::vector<std::string> refused;
    QStringList arguments = MailArguments(message, refused);
    if (!refused.empty()) dialogs_.Message(RefusedAddressesMessage(refused), kAppTitle, MsgIcon::Exclamation);
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
    if (process->exitCode() == kNoMailClientExitCode)
        throw std::runtime_error("No mail program is set up on this computer to open the message in.");
    if (process->exitCode() != 0) {
        std::string text = "The mail program " + shown + " could not open the message (exit code " +
                           std::to_string(process->exitCode()) + ").";
        const std::string reason = LastLine(process->readAllStandardError());
        if (!reason.empty()) text += "\r\n" + reason;
        throw std::runtime_error(text);
    }
}

}  // namespace brackwell
