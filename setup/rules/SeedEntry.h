#pragma once
// The seeding dialog's Complete: every seed 1..16, none twice, each written as its plain number.

#include <array>
#include <optional>
#include <string>

#include "core/Dialogs.h"
#include "setup/rules/SetupField.h"

namespace brackwell {

using SeedTexts = std::array<std::string, kSeedCount>;

// The seeds as they are stored ("07" and " 7" become "7"), or nothing when a seed is outside
// 1..16 (text that is no number counts as 0) or a seed number comes twice.
std::optional<SeedTexts> NormalisedSeeds(const SeedTexts& typed);

// NormalisedSeeds, with the dialog's message when the seeds are refused.
std::optional<SeedTexts> CompleteSeedEntry(const SeedTexts& typed, Dialogs& dialogs);

}  // namespace brackwell
