#pragma once
// The two ways of going through the outcomes of the open games: all of them, or a sample of
// simulated tournaments.

#include <cstdint>
#include <optional>

#include "outlook/rules/OutlookField.h"
#include "outlook/rules/OutlookPoints.h"
#include "outlook/rules/OutlookTally.h"
#include "outlook/rules/OutlookWork.h"

namespace brackwell {

// Every outcome once, weighted by its seed-model chance. Work: one unit per outcome.
std::optional<OutlookTally> CountOutcomes(const OutlookField& field, const OutlookPoints& points,
                                          const OutlookKernel& kernel, OutlookWork& work);

struct SimulatedTallies {
    OutlookTally Even;    // every open game a coin toss
    OutlookTally Seeded;  // the seed model's draws
};

// `tournaments` drawn under each model, the same ones for the same seed whatever the number of
// threads. Work: one unit per tournament of each model.
std::optional<SimulatedTallies> SimulateTournaments(const OutlookField& field, const OutlookPoints& points,
                                                    const OutlookKernel& kernel, std::uint64_t tournaments,
                                                    std::uint64_t seed, OutlookWork& work);

}  // namespace brackwell
