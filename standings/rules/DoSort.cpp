#include "standings/rules/DoSort.h"

#include <algorithm>

#include "core/Numeric.h"

namespace brackwell {

void DoSort(std::vector<ScoreRow>& rows) {
    if (rows.size() < 2) return;
    if (NumericValue(rows.front()[0]) > 0) {
        // Each value is converted once, not on every comparison.
        struct Keyed {
            std::array<double, kScoreColumnCount> keys;
            ScoreRow row;
        };
        std::vector<Keyed> keyed;
        keyed.reserve(rows.size());
        for (ScoreRow& row : rows) {
            Keyed entry{{}, std::move(row)};
            for (int c = 0; c < kScoreColumnCount; ++c) entry.keys[c] = NumericValue(entry.row[c]);
            keyed.push_back(std::move(entry));
        }
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const Keyed& a, const Keyed& b) { return a.keys > b.keys; });
        for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = std::move(keyed[i].row);
    } else {
        std::stable_sort(rows.begin(), rows.end());
    }
}

}  // namespace brackwell
