#include <QApplication>

#include <stdexcept>

#include "app/AppSession.h"
#include "app/QtDialogs.h"
#include "core/Platform.h"

namespace {

// Until the program has its mail, printer, help and program-start implementations, each of
// these commands reports that it cannot be done here rather than pretend to have done it.
class NoMail final : public brackwell::MailService {
public:
    bool SessionOpen() const override { return false; }
    void SignOn() override { throw std::runtime_error("No mail system is available to Brackwell."); }
    void SignOff() override {}
    void Send(const brackwell::MailMessage&) override { throw std::runtime_error("No mail system is available to Brackwell."); }
};

class NoPrinter final : public brackwell::PrintDevice {
public:
    void PrintImage(const brackwell::WindowImage&, const brackwell::PrintRequest&) override {
        throw std::runtime_error("No printer is available to Brackwell.");
    }
};

class NoHelp final : public brackwell::HelpViewer {
public:
    bool ShowHelpFile(const std::string&) override { return false; }
    void ShowAbout() override { throw std::runtime_error("The about window is not available."); }
};

class NoLauncher final : public brackwell::ProgramLauncher {
public:
    bool StartDetached(const std::string&) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("brackwell"));
    brackwell::QtDialogs dialogs;
    NoMail mail;
    NoPrinter printer;
    NoHelp help;
    NoLauncher launcher;
    brackwell::Platform platform{dialogs, mail, printer, help, launcher};
    brackwell::AppSession session(brackwell::PrepareAppFolder(brackwell::ProgramPlaces()), platform);
    session.Start();
    return app.exec();
}
