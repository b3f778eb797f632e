#include "desktop/QtMailService.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/ScopedEnv.h"
#include "tests/support/ScriptFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"

namespace brackwell {
namespace {

using testing::ScopedEnv;
using testing::ScriptedDialogs;
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
        {"an empty subject, which the command would refuse, is left out",
         {{{"", "tm@example.com"}}, "", "Note          ", {}},
         {"--utf8", "--body", "Note          ", "tm@example.com"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        ScriptedDialogs dialogs;
        QtMailService service(dialogs);
        service.Send(test.message);
        EXPECT_EQ(mail.Arguments(), test.expected);
    }
}

// Roster fields of up to 43 characters that, passed on as they stand, made the mail client
// attach files, add hidden recipients or break out of its own quoting.
TEST(QtMailService, OnlyPlainAddressesReachTheMailCommandTheOthersAreNamed) {
    RecordedMail mail;
    const std::vector<std::string> hostile = {
        "mailto:x@evil.io?attach=/etc/passwd", "mailto:?bcc=spy@evil.io&cc=spy2@evil.io",
        "a'@b.io',attachment='/etc/shadow",    "a@b.io&bcc=spy@evil.io",
        "\"Spy\" <spy@evil.io>",                 "a@b.io,spy@evil.io",
        "a b@evil.io",                         "a@b.io\nbcc: spy@evil.io",
        "a\x1B@b.io",                          "--help",
        "a*@b.io",                             "a%3F@b.io",
        "no-at-sign",                          "a@b..io",
    };
    for (const std::string& address : hostile) {
        SCOPED_TRACE(address);
        ScriptedDialogs dialogs;
        dialogs.AllowMessages();
        QtMailService service(dialogs);
        service.Send({{{"", "first@example.com"}, {"", address}, {"Last", "o.k+pool@mail-1.example.org"}},
                      "Standings", "Note", {}});
        EXPECT_EQ(mail.Arguments(), (std::vector<std::string>{"--utf8", "--subject", "Standings", "--body", "Note",
                                                              "first@example.com", "o.k+pool@mail-1.example.org"}));
        ASSERT_EQ(dialogs.messages().size(), 1u);
        std::string shown = address;
        for (char& c : shown)
            if (c == '\n' || c == '\x1B') c = ' ';
        EXPECT_EQ(dialogs.messages()[0].text,
                  "This is not a plain e-mail address and was left out of the mail:\r\n\"" + shown + "\"");
    }
}

TEST(QtMailService, FailuresAreThrownWithADescription) {
    RecordedMail recorder;
    recorder.folder().Write("QUILLON.EXE", "program");
    const MailMessage pickProgram{{}, "NCAA Pool Selections", "Note", {{recorder.folder().File("QUILLON.EXE"), 0}}};
    const std::string failing =
        WriteScript(recorder.folder(), "failing.sh", "echo 'lynx: not found' >&2; echo 'xdg-email: the mail client failed' >&2; exit 4");
    // xdg-email's own words when no mail client is installed name the whole mailto link.
    const std::string noClient = WriteScript(recorder.folder(), "no-client.sh",
                                             "echo \"xdg-email: no method available for opening 'mailto:?subject=NCAA%20"
                                             "Pool%20Selections&body=The%20file%20attached'\" >&2; exit 3");
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
         {"could not open the message (exit code 4).\r\nxdg-email: the mail client failed"}},
        {"no mail client", noClient, pickProgram, {"No mail program is set up on this computer to open the message in."}},
        {"a missing attachment", "", {{}, "Subject", "Note", {{recorder.folder().File("GONE.EXE"), 0}}},
         {"The file " + recorder.folder().File("GONE.EXE") + " to be attached to the mail cannot be found."}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        const std::string program = test.command.empty() ? recorder.folder().File("mail.sh") : test.command;
        ScopedEnv command(kMailCommandVariable, program.c_str());
        ScriptedDialogs dialogs;
        QtMailService service(dialogs);
        try {
            service.Send(test.message);
            ADD_FAILURE() << "no failure reported";
        } catch (const std::runtime_error& error) {
            for (const std::string& text : test.texts) EXPECT_NE(std::string(error.what()).find(text), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).find("mailto"), std::string::npos) << error.what();
        }
        EXPECT_FALSE(recorder.ran()) << "the message went out all the same";
    }
}

}  // namespace
}  // namespace brackwell
