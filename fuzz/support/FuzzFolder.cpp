#include "fuzz/support/FuzzFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace brackwell::fuzz {

namespace fs = std::filesystem;

const std::string& Folder() {
    static const std::string folder = [] {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/brackwell-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) Broken("a temporary folder can be made");
        return pattern;
    }();
    // libFuzzer ends a timed run through exit(), so the folder goes with the process.
    static const bool removedAtExit = std::atexit([] {
        std::error_code error;
        fs::remove_all(Folder(), error);
    }) == 0;
    (void)removedAtExit;
    return folder;
}

const std::string& FreshFolder() {
    const std::string& folder = Folder();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path(), error);
    return folder;
}

std::string PathIn(const std::string& name) { return Folder() + "/" + name; }

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) Broken("the input can be written to the folder");
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> EntriesBelow(const std::string& folder) {
    std::vector<std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error); it != fs::recursive_directory_iterator();
         it.increment(error))
        entries.push_back(it->path().lexically_relative(folder).string());
    std::sort(entries.begin(), entries.end());
    return entries;
}

MsgAnswer AnsweringDialogs::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                       const std::string& title) {
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) return MsgAnswer::Yes;
    return UnattendedDialogs::MessageBox(text, buttons, icon, title);
}

std::string AnsweringDialogs::InputBox(const std::string&, const std::string&, const std::string&) { return "pool"; }

void Broken(const char* property) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace brackwell::fuzz
