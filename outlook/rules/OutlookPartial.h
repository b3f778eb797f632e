#pragma once
// The outlook counted in slices, on as many machines as there are, and merged into the table of
// the whole run, byte for byte.
//
// - The count (or the simulation) is split into numbered pieces of work whose tallies are merged
//   in order (OutlookCounting.h); slice K of N holds the pieces whose number leaves K - 1 when
//   divided by N, so the slices take turns through the bracket and share the work evenly.
// - A slice keeps each of its pieces' tallies exactly, the seeded weights as the bits of their
//   doubles, so that merging them in the order of the pieces adds the same numbers in the same
//   order as the whole run does.
// - Best and worst places that a search finds over every outcome (OutlookPoints::PlainSums, an
//   exact count) are shared out the same way: slice K searches for the participants whose index
//   leaves K - 1 when divided by N (the search can take longer than the count for a large
//   pool). Where the pieces see the places, they merge as the lowest best and the highest worst.
// - A partial names the pool it was counted for by a fingerprint of the results, the points,
//   the seeds and every selection's file, player and picks, and carries the options that change
//   the numbers: slices of another pool, other options or another split are refused.
//
// The text (lines ending in "\n", numbers in decimal, 64-bit values in 16 hex digits):
//   brackwell outlook partial 1
//   pool <fingerprint>
//   exact-limit <ExactLimit>
//   simulations <Simulations>
//   seed <RandomSeed>
//   count exact | estimate
//   slice <K>/<N>
//   pieces <pieces of the whole run>
//   participants <P>
//   payout <A,B,...>, only when prizes were asked for (the shortest decimals that read back the same)
//   root <participant, from 0> <R>, only for a rooting guide: its participant, and how many
//   results (OutlookPoints::Rows) its splits are kept for
//   then per piece of the slice, in ascending order, "piece <number>" and its tallies (exact:
//   one; estimate: the coin tosses', then the seed model's), each
//     tally <outcomes> <weight bits>
//     and P lines "<outright> <seeded bits> <best> <worst>" followed by " <tied>:<count>" for
//     each size of tie for first the participant shared, in the order met
//     and with a payout P lines "prize" followed by " <above>:<tied>:<count>:<seeded bits>" for
//     each paid place the participant held (OutlookExtraTally.h), in the order met
//     and for a rooting guide R lines "split <outright> <seeded bits> <outcomes> <weight bits>"
//     followed by " <tied>:<count>" for each size of tie, one per result
//   then, where the slice searched for places, per participant of the slice in ascending order
//     place <participant, from 0> <best> <worst>
//   end <fingerprint of every byte before this line>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookTally.h"

namespace brackwell {

struct OutlookSlice {
    std::uint64_t Part = 1;  // 1 .. Parts
    std::uint64_t Parts = 1;
};

struct OutlookPartial {
    std::uint64_t Pool = 0;  // the pool's fingerprint
    OutlookOptions Options;
    bool Exact = true;
    OutlookSlice Slice;
    std::uint64_t Pieces = 0;  // of the whole run
    int Participants = 0;
    int Results = 0;  // of a rooting guide (Options.Rooted), the results it is split by
    struct Piece {
        std::uint64_t Number = 0;
        std::vector<OutlookTally::Sums> Tallies;
    };
    std::vector<Piece> Counted;  // in ascending order of their numbers
    struct Place {
        int Participant = 0;
        int Best = 0;
        int Worst = 0;
    };
    std::vector<Place> Places;  // in ascending order of the participants
};

std::uint64_t OutlookPoolFingerprint(const OutlookPool& pool);

// One slice of the outlook's count; nothing when progress cancelled it.
std::optional<OutlookPartial> ComputeOutlookPartial(const OutlookPool& pool, const OutlookOptions& options,
                                                    const OutlookSlice& slice, const OutlookProgress& progress = {});

std::string OutlookPartialText(const OutlookPartial& partial);
// The partial written in the text, or why the text is not one.
std::variant<OutlookPartial, std::string> ReadOutlookPartial(std::string_view text);

struct NamedPartial {
    std::string Name;  // how the messages name it: its file
    OutlookPartial Partial;
};

// Why the partials are not every slice of one run of the pool's outlook, or "" when they are.
std::string CheckOutlookPartials(const OutlookPool& pool, const std::vector<NamedPartial>& partials);
// The outlook of the slices together, as the whole run gives it (partials that passed the check).
OutlookResult MergeOutlookPartials(const OutlookPool& pool, const std::vector<NamedPartial>& partials);

}  // namespace brackwell
