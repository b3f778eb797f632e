#pragma once
// The two ways of going through the outcomes of the open games: all of them, or a sample of
// simulated tournaments.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "outlook/rules/OutlookField.h"
#include "outlook/rules/OutlookPoints.h"
#include "outlook/rules/OutlookTally.h"
#include "outlook/rules/OutlookWork.h"

namespace brackwell {

// Both go through numbered pieces of work whose tallies are merged in order, so that the sums
// are the same however the pieces are shared out. A filter picks the pieces to go through, given
// a piece's number and how many there are; all of them when empty.
using PieceFilter = std::function<bool(std::uint64_t piece, std::uint64_t pieces)>;

// Every outcome once, weighted by its seed-model chance. Work: one unit per outcome.
// `wanted`: prizes or a rooting guide besides first places (OutlookExtraTally.h).
std::optional<OutlookTally> CountOutcomes(const OutlookField& field, const OutlookPoints& points,
                                          const OutlookKernel& kernel, OutlookWork& work,
                                          const OutlookExtraTally::Wanted& wanted = {});
// The same in pieces: each piece's tally, in order, empty where the filter left it out.
std::optional<std::vector<std::optional<OutlookTally>>> CountOutcomePieces(const OutlookField& field,
                                                                          const OutlookPoints& points,
                                                                          const OutlookKernel& kernel,
                                                                          OutlookWork& work,
                                                                          const PieceFilter& counted,
                                                                          const OutlookExtraTally::Wanted& wanted = {});
// The pieces' tallies merged. Their places are those seen outcome by outcome, which the pieces
// do only where the totals are not plain sums: otherwise the places come from SearchPlaces.
OutlookTally MergeCountedPieces(int participants, const std::vector<std::optional<OutlookTally>>& pieces);

struct SimulatedTallies {
    OutlookTally Even;    // every open game a coin toss
    OutlookTally Seeded;  // the seed model's draws
};

// `tournaments` drawn under each model, the same ones for the same seed whatever the number of
// threads. Work: one unit per tournament of each model.
std::optional<SimulatedTallies> SimulateTournaments(const OutlookField& field, const OutlookPoints& points,
                                                    const OutlookKernel& kernel, std::uint64_t tournaments,
                                                    std::uint64_t seed, OutlookWork& work,
                                                    const OutlookExtraTally::Wanted& wanted = {});
// The same in pieces, each with its own tallies, and those merged.
std::optional<std::vector<std::optional<SimulatedTallies>>> SimulatePieces(const OutlookField& field,
                                                                          const OutlookPoints& points,
                                                                          const OutlookKernel& kernel,
                                                                          std::uint64_t tournaments,
                                                                          std::uint64_t seed, OutlookWork& work,
                                                                          const PieceFilter& played,
                                                                          OutlookExtraTally::Wanted wanted = {});
SimulatedTallies MergeSimulatedPieces(int participants, const std::vector<std::optional<SimulatedTallies>>& pieces);

}  // namespace brackwell
