#include "core/TextHelpers.h"

namespace brackwell {

std::string TrimTrailingSpaces(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return std::string(text.substr(0, end));
}

bool IsBlankField(std::string_view text) { return text.empty() || text.front() == ' '; }

std::string LineBreaksToBars(std::string_view text) { return ReplaceLineBreaks(text, '|'); }

std::string ReplaceLineBreaks(std::string_view text, char replacement) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += replacement;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CommentToOneLine(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += '|';
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string BlankLineBreaks(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string BarsToLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    int replaced = 0;
    for (char c : text) {
        if (c == '|' && replaced < 999) {
            out += kCrLf;
            ++replaced;
        } else {
            out += c;
        }
    }
    return out;
}

namespace {
// In Windows-1252 the accented capitals 0xC0..0xDE (less 0xD7) pair with 0xE0..0xFE (less 0xF7),
// and Š Œ Ž Ÿ (0x8A 0x8C 0x8E 0x9F) with š œ ž ÿ (0x9A 0x9C 0x9E 0xFF).
unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 16);
    if (c == 0xFF) return 0x9F;
    return c;
}
unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
    if (c == 0x9F) return 0xFF;
    return c;
}
}  // namespace

char UpperAnsi(char c) { return static_cast<char>(Upper(static_cast<unsigned char>(c))); }
char LowerAnsi(char c) { return static_cast<char>(Lower(static_cast<unsigned char>(c))); }

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = UpperAnsi(c);
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAnsi(a[i]) != LowerAnsi(b[i])) return false;
    return true;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

int CompareListOrder(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = Lower(static_cast<unsigned char>(a[i]));
        const unsigned char y = Lower(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string PadRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width) out.append(width - out.size(), ' ');
    return out;
}

}  // namespace brackwell
