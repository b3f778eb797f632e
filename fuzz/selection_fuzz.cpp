// The selection and results reader on any bytes, scored against itself; what the writer makes
// of the lines read reads back to the same file.

#include "core/Scoring.h"
#include "core/SelectionFile.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FreshFolder();
    const std::string path = fuzz::PathIn("Fuzz_FZ.BKS");
    fuzz::WriteFile(path, fuzz::Bytes(data, size));
    modBrackwell model(fuzz::Folder());
    fuzz::AnsweringDialogs dialogs;
    ReadSelections(model, dialogs, path);
    const ScoredLines scored = ScoreLines(model.SelLines, model.SelLines, PointsPerPosition({1, 2, 4, 8, 12, 16}));
    fuzz::Expect(scored.record.Score <= scored.record.MaxScore, "the score never passes the most reachable");
    fuzz::Expect(WriteSelections(model, dialogs, path), "the lines read can be written");
    const std::string written = fuzz::ReadFile(path);
    fuzz::Expect(ReadSelections(model, dialogs, path), "a written selection file reads");
    fuzz::Expect(WriteSelections(model, dialogs, path) && fuzz::ReadFile(path) == written,
                 "a written selection file reads back unchanged");
    return 0;
}
