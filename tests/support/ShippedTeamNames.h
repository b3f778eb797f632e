#pragma once
// Every name of the team list the program ships, for the windows that must show each of them
// whole. Include from a test program (it knows BRACKWELL_SOURCE_DIR).

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace brackwell::testing {

inline std::vector<std::string> ShippedTeamNames() {
    std::ifstream list(std::string(BRACKWELL_SOURCE_DIR) + "/data/NCAALIST.BKT", std::ios::binary);
    std::vector<std::string> names;
    for (std::string line; std::getline(list, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line != "*START*" && line != "*END*") names.push_back(line);
    }
    EXPECT_GT(names.size(), 300u) << "the shipped team list";
    return names;
}

}  // namespace brackwell::testing
