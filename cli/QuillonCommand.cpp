#include "cli/QuillonCommand.h"

#include <optional>

#include "cli/CommandLine.h"
#include "cli/ConsoleDialogs.h"
#include "cli/DefaultAppFolder.h"
#include "core/FileSystem.h"
#include "core/StartFile.h"
#include "core/UnattendedDialogs.h"
#include "fieldblock/PickProgramBuilder.h"

namespace brackwell::cli {

namespace {
// Passes every message on and remembers that one was shown.
class NoticingDialogs final : public UnattendedDialogs {
public:
    explicit NoticingDialogs(Dialogs& inner) : inner_(inner) {}
    bool shown() const { return shown_; }

private:
    void Show(const std::string& title, const std::string& text) override {
        shown_ = true;
        inner_.MessageBox(text, MsgButtons::OK, MsgIcon::None, title);
    }

    Dialogs& inner_;
    bool shown_ = false;
};

constexpr const char* kCommand = " quillon: ";
}  // namespace

int RunQuillonCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::optional<std::string> folder;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            out << UsageText();
            return out.flush() ? kExitOk : kExitFailure;
        }
        if (args[i] == "--folder" && i + 1 < args.size() && !args[i + 1].empty()) {
            folder = args[++i];
        } else {
            err << kProgramName << kCommand << "unexpected \"" << args[i] << "\"; see " << kProgramName << " --help\n";
            return kExitUsage;
        }
    }
    modBrackwell model(folder ? *folder : DefaultAppFolder());
    if (!FolderExists(model.AppFolder)) {
        err << kProgramName << kCommand << "the application folder \"" << model.AppFolder << "\" does not exist\n";
        return kExitFailure;
    }
    if (!FileExists(model.AppFilePath(kStartFileName))) {
        err << kProgramName << kCommand << "there is no field to build from: \"" << kStartFileName
            << "\" is missing in \"" << model.AppFolder << "\"\n";
        return kExitFailure;
    }
    ConsoleDialogs console(err);
    NoticingDialogs dialogs(console);
    // A damaged start file would give the default field: no program is built from that.
    ReadStartFile(model, dialogs);
    if (dialogs.shown()) return kExitFailure;
    const PickField field = PickFieldFromStartLines(model.StartLines);
    if (!BuildPickProgram(model, field, console)) return kExitFailure;
    out << "Built \"" << model.AppFilePath(kPickProgramName) << "\"\n";
    // Without its template the form is left out with a warning; the program is built all the same.
    if (BuildPickForm(model, field, console)) out << "Built \"" << model.AppFilePath(kPickFormName) << "\"\n";
    return out.flush() ? kExitOk : kExitFailure;
}

}  // namespace brackwell::cli
