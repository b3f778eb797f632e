#pragma once
// Text written to standard output for tools to take apart: a field never holds a tab or a line
// break, so every row keeps its columns. The bytes stay Windows-1252, as in the files.

#include <string>
#include <string_view>

namespace brackwell {

// text with a CR LF pair as one blank and every other control character as a blank.
std::string OutputField(std::string_view text);

}  // namespace brackwell
