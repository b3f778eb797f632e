#include "desktop/QtMailService.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/ScopedEnv.h"
#include "tests/support/ScriptFile.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::TempFolder;
using testing::WriteScript;

// A mail command that writes its arguments, each ended by a NUL, to args.bin beside it.
class RecordedMail {
public:
    RecordedMail() : command_(kMailCommandVariable, WriteScript(folder_, "mail.sh", Recorder()).c_str()) {}

    const TempFolder& folder() const { return folder_; }
    bool ran() const { return folder_.Exists("args.bin"); }
    std::vector<std::string> Arguments() const {
        std::vector<std::string> arguments;
        const std::string bytes = folder_.Read("args.bin");
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = bytes.find('\0', start);
            arguments.push_back(bytes.substr(start, end - start));
            start = end + 1;
        }
        return arguments;
    }

private:
    std::string Recorder() const { return "printf '%s\\0' \"$@\" > '" + folder_.File("args.bin") + "'"; }
    TempFolder folder_;
    ScopedEnv command_;
};

TEST(QtMailService, HandsSubjectBodyAttachmentsAndAddressesToTheMailCommand) {
    RecordedMail mail;
    mail.folder().Write("QUILLON.EXE", "program");
    mail.folder().Write("RPTOPT1.TXT", "report");
    const std::string program = mail.folder().File("QUILLON.EXE");
    const std::string report = mail.folder().File("RPTOPT1.TXT");
    struct Case {
        const char* what;
        MailMessage message;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"the pick program, addressed in the mail client",
         {{}, "NCAA Pool Selections", "First line.\r\n\r\n1) Select the winner.", {{program, 0}}},
         {"--utf8", "--subject", "NCAA Pool Selections", "--body", "First line.\n\n1) Select the winner.",
          "--attach", program}},
        {"reports to chosen participants, text in the code page",
         {{{"Smith", "tm@example.com"}, {"", "  "}, {"ab@example.com", ""}},
          "Standings",
          "Caf\xE9 & co          ",
          {{program, 30}, {report, 31}}},
         {"--utf8", "--subject", "Standings", "--body", "Caf\xC3\xA9 & co          ", "--attach", program,
          "--attach", report, "tm@example.com", "ab@example.com"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        QtMailService service;
        service.Send(test.message);
        EXPECT_EQ(mail.Arguments(), test.expected);
    }
}

TEST(QtMailService, FailuresAreThrownWithADescription) {
    RecordedMail recorder;
    recorder.folder().Write("QUILLON.EXE", "program");
    const MailMessage pickProgram{{}, "NCAA Pool Selections", "Note", {{recorder.folder().File("QUILLON.EXE"), 0}}};
    const std::string failing =
        WriteScript(recorder.folder(), "failing.sh", "echo 'lynx: not found' >&2; echo 'xdg-email: no method available for opening mailto' >&2; exit 3");
    struct Case {
        const char* what;
        std::string command;  // the mail command; the recorder when empty
        MailMessage message;
        std::vector<std::string> texts;  // parts of the description
    };
    const std::vector<Case> cases = {
        {"no such command", recorder.folder().File("missing-mail"), pickProgram,
         {"The mail program \"" + recorder.folder().File("missing-mail") + "\" could not be started:"}},
        {"the command reports an error", failing, pickProgram,
         {"could not open the message (exit code 3).\r\nxdg-email: no method available for opening mailto"}},
        {"a missing attachment", "", {{}, "Subject", "Note", {{recorder.folder().File("GONE.EXE"), 0}}},
         {"The file " + recorder.folder().File("GONE.EXE") + " to be attached to the mail cannot be found."}},
        {"an address that reads as an option", "", {{{"", "--help"}}, "Subject", "Note", {}},
         {"The mail address \"--help\" is not valid."}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const std::string program = test.command.empty() ? recorder.folder().File("mail.sh") : test.command;
        ScopedEnv command(kMailCommandVariable, program.c_str());
        QtMailService service;
        try {
            service.Send(test.message);
            ADD_FAILURE() << "no failure reported";
        } catch (const std::runtime_error& error) {
            for (const std::string& text : test.texts) EXPECT_NE(std::string(error.what()).find(text), std::string::npos) << error.what();
        }
        EXPECT_FALSE(recorder.ran()) << "the message went out all the same";
    }
}

}  // namespace
}  // namespace brackwell
