#pragma once
// Files of the application folder. Names are matched without regard to case, as on the
// platform the file formats come from; replacing a file never leaves half of it behind.

#include <string>
#include <string_view>
#include <vector>

namespace brackwell {

// The path of an existing file whose name matches the last part of path without regard to
// case (the exact name wins); path itself when nothing matches.
std::string ResolveExistingName(const std::string& path);
// True when path names an existing regular file (any case of its name).
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Deletes the file if it is there (any case of its name); true when it is gone afterwards.
bool DeleteFileIfPresent(const std::string& path);

// File names (not paths) in folder that end in extension (".BKS", any case), sorted the way a
// file list shows them: case-insensitive alphabetical order.
std::vector<std::string> ListFilesWithExtension(const std::string& folder, std::string_view extension);

// Writes contents to a temporary file beside path and renames it over path (over the existing
// name when one matches without regard to case). On failure the old file is untouched and
// false is returned.
bool ReplaceFile(const std::string& path, std::string_view contents);

// The folder part and the name part of a path.
std::string FolderOf(const std::string& path);
std::string NameOf(const std::string& path);

}  // namespace brackwell
