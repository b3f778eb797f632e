// Writes the selection file that QUILLON.EXE writes for a run of clicks, for the browser test
// to compare the form's download with: the field read from the program's own areas, the
// clicks through the pick program's rules, the file through its writer.
//
//   pickform_quillon_writer PROGRAM OUT INITIALS NAME TOTAL [POSITION...]
// INITIALS, NAME and TOTAL are the Windows-1252 bytes in hexadecimal (empty for none).

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "fieldblock/FieldAreaReader.h"
#include "pickapp/rules/PickBracket.h"
#include "pickapp/rules/SaveRules.h"

namespace {
std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}
}  // namespace

int main(int argc, char** argv) {
    using namespace brackwell;
    if (argc < 6) {
        std::cerr << "usage: pickform_quillon_writer PROGRAM OUT INITIALS NAME TOTAL [POSITION...]\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream image;
    image << in.rdbuf();
    const std::string program = image.str();
    const std::size_t teams = program.find(fieldblock::TeamsMarker());
    if (teams == std::string::npos || program.size() < teams + fieldblock::kTeamsAreaSize + fieldblock::kOthersAreaSize) {
        std::cerr << "pickform_quillon_writer: no field areas in " << argv[1] << "\n";
        return 1;
    }
    const char* areas = program.data() + teams;
    const auto field = fieldblock::ReadFieldAreas(areas, fieldblock::kTeamsAreaSize, areas + fieldblock::kTeamsAreaSize,
                                                  fieldblock::kOthersAreaSize);
    if (!field) {
        std::cerr << "pickform_quillon_writer: the program carries no field\n";
        return 1;
    }
    pick::PickBracket bracket(*field);
    for (int i = 6; i < argc; ++i) bracket.Click(std::atoi(argv[i]));
    return pick::WritePickSelection(argv[2], bracket, FromHex(argv[3]), FromHex(argv[4]), FromHex(argv[5])) ? 0 : 1;
}
