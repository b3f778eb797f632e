// Taking the areas apart: every item up to its separator, and no field from an area that ends
// before all of its items.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fieldblock/FieldAreaReader.h"

namespace brackwell::fieldblock {
namespace {

std::string Items(std::size_t count, const std::string& item) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += item + "^";
    return text;
}

std::string Area(const std::string& marker, const std::string& text, std::size_t size) {
    std::string area = marker + text;
    area.resize(size, '.');
    return area;
}

std::optional<PickField> Read(const std::string& teamsText, const std::string& othersText) {
    const std::string teams = Area("@@TEAMS@@", teamsText, kTeamsAreaSize);
    const std::string others = Area("@@OTHERS@@", othersText, kOthersAreaSize);
    return ReadFieldAreas(teams.data(), teams.size(), others.data(), others.size());
}

TEST(FieldAreaReaderTest, ItemsAreTakenWhateverTheirLength) {
    const std::string nul(1, '\0');
    const auto field = Read("^" + std::string(30, 'x') + "^" + Items(62, "Duke") + nul,
                            std::string(45, 't') + "^" + Items(10, "p") + "a|b^^" + nul);
    ASSERT_TRUE(field.has_value());
    EXPECT_EQ(field->teams[0], "");
    EXPECT_EQ(field->teams[1], std::string(30, 'x'));
    EXPECT_EQ(field->teams[63], "Duke");
    EXPECT_EQ(field->others[0], std::string(45, 't'));
    EXPECT_EQ(field->others[10], "p");
    EXPECT_EQ(field->others[11], "a\r\nb");
    EXPECT_EQ(field->others[12], "");
}

TEST(FieldAreaReaderTest, AnAreaShortOfItsItemsCarriesNoField) {
    const std::string nul(1, '\0');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},                                                 // the unfilled template
        {Items(63, "Duke") + nul + "^", Items(13, "x") + nul},    // a separator after the NUL does not count
        {Items(64, "Duke") + nul, Items(12, "x") + nul},
        {std::string(1071, 'n'), Items(13, "x") + nul},           // no separator before the area ends
    };
    for (const auto& [teams, others] : cases) EXPECT_FALSE(Read(teams, others).has_value()) << teams.size();
}

}  // namespace
}  // namespace brackwell::fieldblock
