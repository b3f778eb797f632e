#include "core/OutputText.h"

#include "core/TextHelpers.h"

namespace brackwell {

std::string OutputField(std::string_view text) {
    std::string field = ReplaceLineBreaks(text, ' ');
    for (char& c : field) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
    }
    return field;
}

}  // namespace brackwell
