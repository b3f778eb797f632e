#pragma once
// The field as the pick program shows it. Plain data, shared by the builder and the reader.

#include <array>
#include <string>

namespace brackwell {

// The field as the pick program shows it: the 64 team boxes in index order, and the 13 others
// fields (title, four region names, six points, comment 1, comment 2 with CR LF line breaks).
struct PickField {
    std::array<std::string, 64> teams;
    std::array<std::string, 13> others;

    bool operator==(const PickField&) const = default;
};

}  // namespace brackwell
