#include "pickapp/rules/PrintedField.h"

namespace brackwell::pick {

namespace {
std::string BreaksAsBars(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += '|';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
}  // namespace

std::string PrintedField(const PickField& field) {
    std::string text;
    for (const std::string& team : field.teams) text += team + "\n";
    for (const std::string& item : field.others) text += BreaksAsBars(item) + "\n";
    return text;
}

}  // namespace brackwell::pick
