#pragma once
// A fresh application folder per test, removed afterwards, and small file helpers.

#include <functional>
#include <string>
#include <string_view>

namespace brackwell::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, std::string_view bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string path_;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

// Lines joined with CR LF after each.
std::string CrLf(std::initializer_list<std::string_view> lines);

// Runs body in a child process that has no power to override file permissions (root drops it
// through a user namespace), so tests of unwritable folders hold when run as root. Returns
// body's result; false when the child could not be started or died.
bool RunWithoutFileOverride(const std::function<bool()>& body);

// Makes a folder unwritable (and back) for RunWithoutFileOverride.
void MakeReadOnly(const std::string& folder);
void MakeWritable(const std::string& folder);

}  // namespace brackwell::testing
