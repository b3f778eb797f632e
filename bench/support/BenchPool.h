#pragma once
// The pool both benchmarks work on, as the standings find it: a start file whose field has 64
// named teams, a results file through the second round, and 10,000 filled-in selection files,
// in a temporary folder that is removed again at exit.

#include <string>
#include <vector>

#include "core/BracketView.h"
#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell::bench {

inline constexpr int kPoolFileCount = 10000;

class BenchPool {
public:
    // Built on first use; build it before timing anything.
    static const BenchPool& Get();
    ~BenchPool();
    BenchPool(const BenchPool&) = delete;
    BenchPool& operator=(const BenchPool&) = delete;

    const std::string& folder() const { return folder_; }
    // The selection files' names, and the same files with their folder.
    const std::vector<std::string>& names() const { return names_; }
    const std::vector<std::string>& paths() const { return paths_; }

private:
    BenchPool();

    std::string folder_;
    std::vector<std::string> names_;
    std::vector<std::string> paths_;
};

// The model of the folder given with its start field and results read, and the results on a
// bracket, as the bracket window shows them when the standings are opened.
void ShowResults(modBrackwell& model, Dialogs& dialogs, PlainBracketView& results);

}  // namespace brackwell::bench
