// Writes the browser pick form's template: the page with the numbers, tables and texts its
// script shares with the pick program filled in, then the two areas of the field block exactly
// as the pick program carries them, so that the one builder fills both templates alike.
//
//   pickform_template OUT PAGE STYLE SCRIPT

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "fieldblock/FieldAreas.h"
#include "pickapp/rules/PickBracket.h"
#include "pickapp/rules/PrintedField.h"
#include "pickapp/rules/SaveRules.h"

namespace {
using namespace brackwell;

// Everything after it is text to the browser, whatever bytes the built areas hold.
constexpr std::string_view kAreasElement = "<plaintext id=\"fieldblock\" hidden>";

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    return text.str();
}

// The place holder must be in the page exactly once.
void Replace(std::string& page, std::string_view holder, const std::string& text) {
    const std::size_t at = page.find(holder);
    if (at == std::string::npos || page.find(holder, at + 1) != std::string::npos)
        throw std::runtime_error("the page must hold " + std::string(holder) + " once");
    page.replace(at, holder.size(), text);
}

// A JavaScript string literal of plain ASCII text.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

std::string PositionTable(int (*of)(int)) {
    std::string out = "[0";
    for (int p = 1; p <= pick::kPositionCount; ++p) out += "," + std::to_string(of(p));
    return out + "]";
}

std::string Layout() {
    using namespace fieldblock;
    const auto missing = pick::SaveRefusal(false, "", "", "");
    const auto badTotal = pick::SaveRefusal(false, "I", "N", "0");
    if (!missing || !badTotal) throw std::runtime_error("the save refusals have changed");
    std::string starting = "[";
    for (int team = 0; team < static_cast<int>(kTeamCount); ++team)
        starting += (team ? "," : "") + std::to_string(pick::StartingPosition(team));
    starting += "]";
    return "{\n  teamsAreaSize: " + std::to_string(kTeamsAreaSize) +
           ",\n  othersAreaSize: " + std::to_string(kOthersAreaSize) +
           ",\n  teamsMarkerLength: " + std::to_string(kTeamsMarkerLength) +
           ",\n  othersMarkerLength: " + std::to_string(kOthersMarkerLength) +
           ",\n  teamCount: " + std::to_string(kTeamCount) + ",\n  othersCount: " + std::to_string(kOthersCount) +
           ",\n  separator: " + Quoted(std::string(1, kSeparator)) +
           ",\n  comments: [" + std::to_string(kComment1Field) + ", " + std::to_string(kComment2Field) + "]" +
           ",\n  champion: " + std::to_string(pick::kChampion) +
           ",\n  fed: " + PositionTable(pick::FedPosition) +
           ",\n  opponent: " + PositionTable(pick::OpponentPosition) +
           ",\n  starting: " + starting +
           ",\n  lowestTotal: " + std::to_string(pick::kLowestTotal) +
           ",\n  highestTotal: " + std::to_string(pick::kHighestTotal) +
           ",\n  missingFields: " + Quoted(*missing) + ",\n  badTotal: " + Quoted(*badTotal) +
           ",\n  noField: " + Quoted(pick::kNoFieldMessage) + "\n}";
}

// The areas as the pick program's own data holds them.
std::string Areas() {
    const volatile fieldblock::FieldAreas& areas = fieldblock::gFieldBlock;
    std::string bytes;
    for (std::size_t i = 0; i < fieldblock::kTeamsAreaSize; ++i) bytes += areas.teams[i];
    for (std::size_t i = 0; i < fieldblock::kOthersAreaSize; ++i) bytes += areas.others[i];
    return bytes;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: pickform_template OUT PAGE STYLE SCRIPT\n";
        return 2;
    }
    try {
        std::string page = ReadFile(argv[2]);
        std::string script = ReadFile(argv[4]);
        Replace(script, "/*LAYOUT*/", Layout());
        Replace(page, "/*STYLE*/", ReadFile(argv[3]));
        Replace(page, "/*SCRIPT*/", script);
        // The builder writes after the first occurrence of each marker: the page ahead of the
        // areas must hold neither, and the areas come last, after the element that takes the
        // rest of the file as plain text.
        for (std::string_view marker : {fieldblock::TeamsMarker(), fieldblock::OthersMarker()})
            if (page.find(marker) != std::string::npos)
                throw std::runtime_error("the page holds a marker of the field block");
        while (!page.empty() && (page.back() == '\n' || page.back() == '\r')) page.pop_back();
        if (!page.ends_with(kAreasElement)) throw std::runtime_error("the page must end with its areas element");
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << page << Areas();
        out.close();
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "pickform_template: " << error.what() << "\n";
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
