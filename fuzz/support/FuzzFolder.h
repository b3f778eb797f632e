#pragma once
// What every harness shares: an application folder of the fuzzing process's own, emptied for
// each input; file helpers; dialogs that answer every question; and the way a broken property
// is reported (an abort, which libFuzzer records as a finding with its input).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/UnattendedDialogs.h"

namespace brackwell::fuzz {

// A folder made once per process under $TMPDIR; Fresh empties it first.
const std::string& Folder();
const std::string& FreshFolder();
std::string PathIn(const std::string& name);

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
// The entries below folder, as paths relative to it, sorted.
std::vector<std::string> EntriesBelow(const std::string& folder);

// Yes to every question, "pool" to every input box; messages are only counted.
class AnsweringDialogs final : public UnattendedDialogs {
public:
    MsgAnswer MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    int shown = 0;

private:
    void Show(const std::string&, const std::string&) override { ++shown; }
};

[[noreturn]] void Broken(const char* property);
inline void Expect(bool holds, const char* property) {
    if (!holds) Broken(property);
}

// The bytes of the input as text.
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace brackwell::fuzz
