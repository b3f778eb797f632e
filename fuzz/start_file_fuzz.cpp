// The start-field reader on any bytes; what the writer makes of the lines read reads back to
// the same file.

#include "core/StartFile.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FreshFolder();
    fuzz::WriteFile(fuzz::PathIn(kStartFileName), fuzz::Bytes(data, size));
    modBrackwell model(fuzz::Folder());
    fuzz::AnsweringDialogs dialogs;
    ReadStartFile(model, dialogs);
    fuzz::Expect(WriteStartFile(model, dialogs, model.StartLines), "the lines read can be written");
    const std::string written = fuzz::ReadFile(fuzz::PathIn(kStartFileName));
    modBrackwell again(fuzz::Folder());
    const StartFileRead read = ReadStartFileOutcome(again, dialogs);
    fuzz::Expect(read == StartFileRead::Loaded, "a written start file loads");
    fuzz::Expect(StartFileContents(again.StartLines) == written, "a written start file reads back unchanged");
    return 0;
}
