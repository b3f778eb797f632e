// Every outcome of the open games, in the order of the plan (OutlookPlan.h). Deciding the games
// worth most first keeps the totals within a subtree close together: above the bottom levels a
// subtree is settled at once when the bounds show one participant winning all of it, and only
// the participants who can still come first are carried further down.

#include <algorithm>
#include <memory>
#include <vector>

#include "outlook/rules/AgreeingChance.h"
#include "outlook/rules/OutlookBounds.h"
#include "outlook/rules/OutlookCounting.h"
#include "outlook/rules/OutlookPlan.h"
#include "outlook/rules/PlaceSearch.h"
#include "outlook/rules/SeedModel.h"

namespace brackwell {

namespace {

// The top of the bracket is split into pieces of work: every way the first games can go, at
// least this many (fewer when fewer outcomes there are). The split does not depend on the
// number of threads, so neither do the sums.
constexpr std::size_t kPieces = 256;
// Blocks of at most 2^kBlockLevels outcomes, and small enough to stay in the processor's cache.
constexpr int kBlockLevels = 10;
constexpr int kBlockBytes = 256 * 1024;
// Above the blocks, subtrees of at least 2^kWholeFrom outcomes are looked at as a whole: settled
// at once, or carried on with only who can still come first.
constexpr int kWholeFrom = 6;
// A subtree of fewer open games whose first place is settled is counted for its other places
// where it is: gathering those who can still be paid into fewer lanes would cost more than the
// narrower rows save.
constexpr int kGatherFrom = 12;
// Outcomes between two progress reports of a piece.
constexpr std::uint64_t kReportEvery = 1 << 14;

class Enumeration {
public:
    // `bounds`: none unless totals are plain sums. `blockStart`: the level of the bottom blocks,
    // when another enumeration has set it.
    Enumeration(const OutlookField& field, const OutlookPlan& plan, const OutlookPoints& points,
                const OutlookBounds* bounds, const OutlookKernel& kernel, OutlookWork& work, int blockStart = -1)
        : field_(field),
          plan_(plan),
          points_(points),
          bounds_(bounds),
          kernel_(kernel),
          work_(work),
          tally_(points.Participants()),
          teams_(field.Team),
          levels_(static_cast<int>(plan.steps.size())) {
        const int stride = points.Stride();
        sums_.assign(static_cast<std::size_t>(levels_ + 1) * stride, 0);
        std::copy(points.Certain(), points.Certain() + stride, sums_.begin());
        if (points.PlainSums()) {
            int blockLevels = std::min(kBlockLevels, levels_);
            while (blockLevels > 0 && (stride * 2 << blockLevels) > kBlockBytes) --blockLevels;
            blockStart_ = blockStart >= 0 ? blockStart : levels_ - blockLevels;
            blockLevels = levels_ - blockStart_;
            block_.resize(static_cast<std::size_t>(stride) << blockLevels);
            blockWeights_.resize(std::size_t{1} << blockLevels);
            independentFrom_ = levels_;
            while (independentFrom_ > 0 && plan.steps[independentFrom_ - 1].known[0] != 0 &&
                   plan.steps[independentFrom_ - 1].known[1] != 0)
                --independentFrom_;
        }
        if (bounds_ != nullptr && blockStart_ > 0) {
            // A part's points have no rows until gathered: it takes these from the whole.
            if (blockStart < 0) {
                rowsFrom_.resize(levels_ + 1);
                for (int l = levels_; l-- > 0;) {
                    rowsFrom_[l] = rowsFrom_[l + 1];
                    const int game = plan.steps[l].game;
                    for (int team : field.Contenders[game]) rowsFrom_[l].push_back(points.Row(game, team));
                }
            }
            walk_.emplace(*bounds_, blockStart_);
            walk_->Start(0, bounds_->Low(), bounds_->High(), static_cast<int>(field.OpenGames.size()));
        }
    }

    // The chance of the settled games whose teams are all known from the start.
    double SettledChance() const {
        double chance = 1.0;
        for (int game : field_.UndecidedGames) {
            if (!plan_.settled[game]) continue;
            const auto [upper, lower] = FeedingPositions(game);
            for (int feeder : {upper, lower})
                if (field_.Team[feeder] != 0 && field_.Team[feeder] != field_.Team[game])
                    chance *= chances_(field_.Seed[field_.Team[game]], field_.Seed[field_.Team[feeder]]);
        }
        return chance;
    }

    // Every way the first `levels` games can go, as the teams sent through them.
    void Prefixes(int levels, std::vector<int>& chosen, std::vector<std::vector<int>>& out) {
        if (static_cast<int>(chosen.size()) == levels) {
            out.push_back(chosen);
            return;
        }
        const int level = static_cast<int>(chosen.size());
        ForEachChoice(level, [&](int team) {
            Decide(level, team);
            chosen.push_back(team);
            Prefixes(levels, chosen, out);
            chosen.pop_back();
        });
    }

    // The outcomes that begin with the prefix, in the order a single pass would meet them.
    void Run(const std::vector<int>& prefix, double weight) {
        for (std::size_t level = 0; level < prefix.size(); ++level)
            weight *= Decide(static_cast<int>(level), prefix[level]);
        Visit(static_cast<int>(prefix.size()), weight);
        Flush();
    }

    OutlookTally& Tally() { return tally_; }

    // Prizes or a rooting guide besides first places.
    void Want(const OutlookExtraTally::Wanted& wanted) {
        wanted_ = wanted;
        tally_.Extra.Reset(points_.Participants(), wanted);
        tally_.Extra.UseKernel(kernel_);
        if (wanted.rooted >= 0 && blockStart_ >= 0)
            rowKeys_.resize(blockWeights_.size() * static_cast<std::size_t>(levels_ - blockStart_));
    }

private:
    // The subtree below the level of another enumeration, with its teams, of the participants
    // of these points alone (whose Certain() holds their totals there).
    void Continue(int level, const PositionTeams& teams, int open, double weight,
                  const OutlookExtraTally::Wanted& wanted) {
        tally_.Reset(points_.Participants());
        tally_.CountFirsts(wanted.offset == 0);
        Want(wanted);
        teams_ = teams;
        std::copy(points_.Certain(), points_.Certain() + points_.Stride(),
                  sums_.begin() + static_cast<std::ptrdiff_t>(level) * points_.Stride());
        walk_->Start(level, bounds_->Low(), bounds_->High(), open);
        Visit(level, weight);
        Flush();
    }

    template <typename Next>
    void ForEachChoice(int level, Next next) {
        if (const int forced = plan_.ForcedTeam(level, teams_)) {
            next(forced);
            return;
        }
        for (int team : field_.Contenders[plan_.steps[level].game]) next(team);
    }

    // Sends the team through the game of the level; the chance of what that settles: the game
    // above lost to this team's conqueror, and this game won against a team already known.
    // The totals go to the next level's row, or to `out` when given.
    double Decide(int level, int team, std::int16_t* out = nullptr) {
        const OutlookPlan::Step& step = plan_.steps[level];
        if (walk_ && level < blockStart_)
            walk_->Narrow(kernel_, level, step.game, team, plan_.ForcedTeam(level, teams_) != 0);
        teams_[step.game] = team;
        const int stride = points_.Stride();
        const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * stride;
        points_.AddGain(kernel_, out != nullptr ? out : sums_.data() + static_cast<std::size_t>(level + 1) * stride, sums,
                        step.game, team);
        return ChanceOf(level, team);
    }

    double ChanceOf(int level, int team) const {
        const OutlookPlan::Step& step = plan_.steps[level];
        const int seed = field_.Seed[team];
        double chance = 1.0;
        // The game above, open, settled or entered, was lost by this game's winner unless it
        // plays on: every entered result weighs the outcomes that lead to it.
        if (step.above != 0 && teams_[step.above] != team) chance *= chances_(field_.Seed[teams_[step.above]], seed);
        for (int known : step.known)
            if (known != 0 && known != team) chance *= chances_(seed, field_.Seed[known]);
        return chance;
    }

    // From the level on, every game is between two teams known from the start, and the games
    // above them are decided: the games are independent, each outcome a choice per game. Their
    // totals are built by doubling the rows game by game, when they fit in the block: after the
    // rows gathered so far, or as a block of their own.
    bool Independent(int level, double weight) {
        const int stride = points_.Stride();
        int free = 0;
        for (int l = level; l < levels_; ++l) free += plan_.ForcedTeam(l, teams_) == 0;
        const std::size_t first = gathering_ ? static_cast<std::size_t>(blockFill_) : 0;
        if ((std::size_t{1} << free) > blockWeights_.size() - first) return false;
        std::int16_t* rows = block_.data() + first * stride;
        double* weights = blockWeights_.data() + first;
        std::copy_n(sums_.data() + static_cast<std::size_t>(level) * stride, stride, rows);
        weights[0] = weight;
        for (int l = level; l < levels_; ++l)
            if (const int forced = plan_.ForcedTeam(l, teams_)) {
                points_.AddGain(kernel_, rows, rows, plan_.steps[l].game, forced);
                weights[0] *= ChanceOf(l, forced);
            }
        std::size_t count = 1;
        for (int l = level; l < levels_; ++l) {
            if (plan_.ForcedTeam(l, teams_) != 0) continue;
            const int game = plan_.steps[l].game;
            const int first = plan_.steps[l].known[0];
            const int second = plan_.steps[l].known[1];
            const double firstChance = ChanceOf(l, first);
            const double secondChance = ChanceOf(l, second);
            const int n = static_cast<int>(count);
            kernel_.AddRows(rows + count * stride, rows, n, points_.Gain(game, second), stride);
            kernel_.AddRows(rows, rows, n, points_.Gain(game, first), stride);
            for (std::size_t r = 0; r < count; ++r) {
                weights[count + r] = weights[r] * secondChance;
                weights[r] *= firstChance;
            }
            count *= 2;
        }
        if (gathering_) {
            KeepIndependentRowKeys(first, count, level);
            blockFill_ += static_cast<int>(count);
            return true;
        }
        tally_.AddBlock(kernel_, rows, weights, static_cast<int>(count), stride);
        SeeRootedIndependent(rows, weights, static_cast<int>(count), level);
        Report(count);
        return true;
    }

    // The whole subtree at once when the bounds show one participant winning all of it (but for
    // the paid places below first); the rest of it with only the participants who can still come
    // first or be paid, when they fill fewer lanes.
    bool Narrowed(int level, double weight) {
        const std::int16_t* low = walk_->Low(level);
        const std::int16_t* high = walk_->High(level);
        const int stride = points_.Stride();
        const int leader = tally_.ClearLeader(kernel_, low, high, stride);
        if (leader >= 0) {
            LeadersAndTheRest(level, weight, leader);
            return true;
        }
        const std::int16_t leading = tally_.Extra.PaidFloor(low, stride);
        if (kernel_.CountAbove(high, stride, static_cast<std::int16_t>(leading - 1)) + OutlookPoints::kLaneBlock > stride)
            return false;
        lanes_.clear();
        for (int i = 0; i < points_.Participants(); ++i)
            if (high[i] >= leading) lanes_.push_back(i);
        Part& part = Gathered(level);
        OutlookExtraTally::Wanted wanted = wanted_;
        if (wanted.rooted >= 0) {
            const auto at = std::find(lanes_.begin(), lanes_.end(), wanted.rooted);
            wanted.rooted = at == lanes_.end() ? -1 : static_cast<int>(at - lanes_.begin());
        }
        part.enumeration->Continue(level, teams_, walk_->Open(level), weight, wanted);
        tally_.MergeLanes(part.enumeration->Tally(), lanes_);
        return true;
    }

    // First place is the leader's throughout the subtree, and so may be the next paid places
    // each to one participant: those are taken whole, and the other paid places are counted
    // among the rest of the participants who can still be paid: gathered into fewer lanes, or
    // here when they would fill as many.
    void LeadersAndTheRest(int level, double weight, int leader) {
        const std::int16_t* low = walk_->Low(level);
        const std::int16_t* high = walk_->High(level);
        PositionTeams winners = Winners(level);
        const std::uint64_t outcomes = std::uint64_t{1} << walk_->Open(level);
        const double chance = AgreeingChance(field_, winners, chances_);
        // Within a subtree counted here for its places, first places were taken at its top.
        const bool firsts = tally_.CountsFirsts();
        if (firsts) tally_.AddWon(leader, outcomes, chance);
        const int held = tally_.Extra.SettleLeaders(low, high, outcomes, chance);
        if (leader == wanted_.rooted) RootedWon(level, winners, outcomes, chance);
        if (held >= tally_.Extra.Wants().paid || held >= tally_.Extra.Unheld()) {
            Report(outcomes);
            return;
        }
        const std::int16_t floor = tally_.Extra.PaidFloor(low, points_.Stride());
        lanes_.clear();
        for (int i = 0; i < points_.Participants(); ++i)
            if (!tally_.Extra.Leads(i) && high[i] >= floor) lanes_.push_back(i);
        const bool narrower = static_cast<int>(lanes_.size()) + OutlookPoints::kLaneBlock <= points_.Stride();
        if (!narrower || walk_->Open(level) < kGatherFrom) {
            const int rooted = wanted_.rooted;
            wanted_.rooted = -1;  // not first anywhere here
            tally_.CountFirsts(false);
            tally_.Extra.Hold();
            Descend(level, weight);
            tally_.Extra.Release();
            tally_.CountFirsts(firsts);
            wanted_.rooted = rooted;
            return;
        }
        Part& part = Gathered(level);
        OutlookExtraTally::Wanted rest = tally_.Extra.Wants();
        rest.paid -= held;
        rest.offset += held;
        rest.rooted = -1;
        // The rest's count reports the subtree's outcomes as done; its first places are not
        // the pool's, and not counted.
        part.enumeration->Continue(level, teams_, walk_->Open(level), weight, rest);
        tally_.Extra.MergeLanes(part.enumeration->Tally().Extra, lanes_);
    }

    // The teams decided before the level at their games, the others as at the start.
    PositionTeams Winners(int level) const {
        PositionTeams winners = field_.Team;
        for (int l = 0; l < level; ++l) winners[plan_.steps[l].game] = teams_[plan_.steps[l].game];
        return winners;
    }

    // The rooted participant first alone in all of the subtree: each result gets the outcomes
    // that agree with it and their chance, from sums over the bracket rather than a row each.
    // Below the level nothing is decided but the games forced by a winner above them; any other
    // game goes to each contender in 2^(open - the games that settles) of the outcomes.
    void RootedWon(int level, const PositionTeams& winners, std::uint64_t outcomes, double chance) {
        std::vector<OutlookExtraTally::Split>& splits = tally_.Extra.Splits();
        const auto add = [&](int key, std::uint64_t count, double seeded) {
            splits[key].outright += count;
            splits[key].seeded += seeded;
        };
        for (int l = 0; l < level; ++l) add(Key(l), outcomes, chance);
        PositionTeams teams = winners;
        for (int l = level; l < levels_; ++l) teams[plan_.steps[l].game] = 0;
        const int open = walk_->Open(level);
        // Every result's chance from one more sum down the bracket, made at the first free game.
        std::optional<AgreeingBracket> bracket;
        for (int l = level; l < levels_; ++l) {
            const int game = plan_.steps[l].game;
            if (const int forced = plan_.ForcedTeam(l, teams)) {
                teams[game] = forced;
                add(points_.Row(game, forced), outcomes, chance);
                continue;
            }
            if (!bracket) {
                bracket.emplace(field_, winners, chances_);
                bracket->WithEachWinner();
            }
            for (int team : field_.Contenders[game])
                add(points_.Row(game, team), std::uint64_t{1} << (open - bounds_->Settles(game, team)),
                    bracket->WithWinner(game, team));
        }
    }

    // The participants who can still come first, in fewer lanes: their points, bounds and
    // enumeration, kept for the next subtree that needs as many lanes.
    struct Part {
        Part(const Enumeration& whole, int stride)
            : points(OutlookPoints::Empty(whole.points_.Pool(), stride)), bounds(points) {
            enumeration = std::make_unique<Enumeration>(whole.field_, whole.plan_, points, &bounds, whole.kernel_,
                                                        whole.work_, whole.blockStart_);
            enumeration->rowsFrom_ = whole.rowsFrom_;
        }
        OutlookPoints points;
        OutlookBounds bounds;
        std::unique_ptr<Enumeration> enumeration;
    };

    // The part for the participants of lanes_, with their totals and bounds at the level and
    // the points of the games still to decide below it.
    Part& Gathered(int level) {
        const int blocks = (static_cast<int>(lanes_.size()) + OutlookPoints::kLaneBlock - 1) / OutlookPoints::kLaneBlock;
        if (static_cast<int>(parts_.size()) <= blocks) parts_.resize(blocks + 1);
        if (!parts_[blocks]) parts_[blocks] = std::make_unique<Part>(*this, blocks * OutlookPoints::kLaneBlock);
        Part& part = *parts_[blocks];
        points_.Gather(part.points, lanes_, sums_.data() + static_cast<std::size_t>(level) * points_.Stride(),
                       rowsFrom_[level]);
        part.bounds.Gather(*bounds_, lanes_, walk_->Low(level), walk_->High(level), rowsFrom_[level]);
        return part;
    }

    void Visit(int level, double weight) {
        if (work_.Cancelled()) return;
        if (walk_ && level < blockStart_ && walk_->Open(level) >= kWholeFrom && Narrowed(level, weight)) return;
        Descend(level, weight);
    }

    // The subtree below the level, game by game or as rows.
    void Descend(int level, double weight) {
        if (level >= independentFrom_ && Independent(level, weight)) return;
        if (!gathering_ && points_.PlainSums() && level == blockStart_) {
            gathering_ = true;
            blockFill_ = 0;
            Branch(level, weight);
            gathering_ = false;
            tally_.AddBlock(kernel_, block_.data(), blockWeights_.data(), blockFill_, points_.Stride());
            SeeRooted(block_.data(), blockWeights_.data(), blockFill_, blockStart_);
            Report(static_cast<std::uint64_t>(blockFill_));
            return;
        }
        Branch(level, weight);
    }

    void Branch(int level, double weight) {
        const int stride = points_.Stride();
        if (level == levels_) {
            const std::int16_t* sums = sums_.data() + static_cast<std::size_t>(level) * stride;
            if (gathering_) {
                std::copy(sums, sums + stride, block_.data() + static_cast<std::size_t>(blockFill_) * stride);
                KeepRowKeys();
                blockWeights_[blockFill_++] = weight;
            } else {
                const std::int16_t* totals = points_.FinalTotals(sums, teams_, scratch_);
                tally_.Add(totals, stride, weight);
                if (wanted_.rooted >= 0) {
                    common_.clear();
                    for (int l = 0; l < levels_; ++l) common_.push_back(Key(l));
                    tally_.Extra.SeeRooted(totals, &weight, 1, stride, totals, totals, common_.data(),
                                           static_cast<int>(common_.size()), nullptr, 0);
                }
                Report(1);
            }
            return;
        }
        if (gathering_ && level == levels_ - 1) {
            // The last game straight into the block.
            ForEachChoice(level, [&](int team) {
                std::int16_t* row = block_.data() + static_cast<std::size_t>(blockFill_) * stride;
                const double chance = Decide(level, team, row);
                KeepRowKeys();
                blockWeights_[blockFill_++] = weight * chance;
            });
            return;
        }
        ForEachChoice(level, [&](int team) { Visit(level + 1, weight * Decide(level, team)); });
    }

    // The result of the level's game as decided now.
    std::uint16_t Key(int level) const {
        const int game = plan_.steps[level].game;
        return static_cast<std::uint16_t>(points_.Row(game, teams_[game]));
    }

    // The results of the block's games for the row being gathered, when rooting.
    void KeepRowKeys() {
        if (wanted_.rooted < 0) return;
        const int perRow = levels_ - blockStart_;
        for (int l = blockStart_; l < levels_; ++l)
            rowKeys_[static_cast<std::size_t>(blockFill_) * perRow + (l - blockStart_)] = Key(l);
    }

    // The block's rows to the rooting guide (the tally took their places); the games before
    // `from` are decided alike for all of them.
    void SeeRooted(const std::int16_t* rows, const double* weights, int count, int from) {
        if (wanted_.rooted < 0 || count == 0) return;
        CommonKeys(from);
        SeeRootedKeyed(rows, weights, count, from == blockStart_ ? levels_ - blockStart_ : 0);
    }

    void CommonKeys(int from) {
        common_.clear();
        for (int l = 0; l < from; ++l) common_.push_back(Key(l));
    }

    // With common_ and rowKeys_ (perRow a row) filled.
    void SeeRootedKeyed(const std::int16_t* rows, const double* weights, int count, int perRow) {
        tally_.Extra.SeeRooted(rows, weights, count, points_.Stride(), tally_.BlockLow(), tally_.BlockHigh(),
                               common_.data(), static_cast<int>(common_.size()), rowKeys_.data(), perRow);
    }

    // The same of a block Independent built from the level: its forced games are common to all
    // rows, and row r has the second team of the j-th free game where bit j of r is set.
    void SeeRootedIndependent(const std::int16_t* rows, const double* weights, int count, int level) {
        if (wanted_.rooted < 0 || count == 0) return;
        CommonKeys(level);
        IndependentKeys(level);
        const int perRow = static_cast<int>(freeKeys_.size() / 2);
        for (int r = 0; r < count; ++r)
            for (int j = 0; j < perRow; ++j)
                rowKeys_[static_cast<std::size_t>(r) * perRow + j] = freeKeys_[2 * j + ((r >> j) & 1)];
        SeeRootedKeyed(rows, weights, count, perRow);
    }

    // Of the games from the level on, when rooting: the results of the forced ones after
    // common_, the two results of each free one in freeKeys_.
    void IndependentKeys(int level) {
        freeKeys_.clear();
        for (int l = level; l < levels_ && wanted_.rooted >= 0; ++l) {
            const int game = plan_.steps[l].game;
            if (const int forced = plan_.ForcedTeam(l, teams_))
                common_.push_back(static_cast<std::uint16_t>(points_.Row(game, forced)));
            else
                for (int team : plan_.steps[l].known) freeKeys_.push_back(static_cast<std::uint16_t>(points_.Row(game, team)));
        }
    }

    // The results below blockStart_ of the `count` rows Independent added to the gathered block
    // from `first` on, as KeepRowKeys keeps those of a row decided game by game.
    void KeepIndependentRowKeys(std::size_t first, std::size_t count, int level) {
        if (wanted_.rooted < 0) return;
        common_.clear();
        for (int l = blockStart_; l < level; ++l) common_.push_back(Key(l));
        IndependentKeys(level);
        const std::size_t perRow = static_cast<std::size_t>(levels_ - blockStart_);
        const std::size_t frees = freeKeys_.size() / 2;
        for (std::size_t r = 0; r < count; ++r) {
            std::uint16_t* keys = rowKeys_.data() + (first + r) * perRow;
            keys = std::copy(common_.begin(), common_.end(), keys);
            for (std::size_t j = 0; j < frees; ++j) keys[j] = freeKeys_[2 * j + ((r >> j) & 1)];
        }
    }

    void Report(std::uint64_t outcomes) {
        sinceReport_ += outcomes;
        if (sinceReport_ < kReportEvery) return;
        Flush();
    }

    void Flush() {
        work_.Advance(sinceReport_);
        sinceReport_ = 0;
    }

    const OutlookField& field_;
    const OutlookPlan& plan_;
    const OutlookPoints& points_;
    const OutlookBounds* bounds_;
    const OutlookKernel& kernel_;
    OutlookWork& work_;
    OutlookTally tally_;
    const SeedChances& chances_ = SeedChances::Shared();
    PositionTeams teams_;
    int levels_;
    std::vector<std::int16_t> sums_;  // per level: the totals with the games before it decided
    std::vector<std::int16_t> scratch_;
    bool gathering_ = false;
    int blockStart_ = -1;
    int independentFrom_ = 1 << 30;  // the first level of the independent games at the bottom
    int blockFill_ = 0;
    std::vector<std::int16_t> block_;
    std::vector<double> blockWeights_;
    std::optional<LevelBounds> walk_;  // per level above the blocks, what each total can still reach
    std::vector<int> lanes_;
    std::vector<std::unique_ptr<Part>> parts_;  // by the lane blocks they take
    std::vector<std::vector<int>> rowsFrom_;    // per level, the rows of the points of the games from it on
    OutlookExtraTally::Wanted wanted_;
    std::vector<std::uint16_t> common_;   // of a block, the results all its rows share
    std::vector<std::uint16_t> rowKeys_;  // of a gathered block, each row's results below blockStart_
    std::vector<std::uint16_t> freeKeys_;  // of an independent block, the two results of each free game
    std::uint64_t sinceReport_ = 0;
};

}  // namespace

std::optional<std::vector<std::optional<OutlookTally>>> CountOutcomePieces(const OutlookField& field,
                                                                          const OutlookPoints& points,
                                                                          const OutlookKernel& kernel,
                                                                          OutlookWork& work,
                                                                          const PieceFilter& counted,
                                                                          const OutlookExtraTally::Wanted& wanted) {
    const OutlookPlan plan(field);
    std::optional<OutlookBounds> bounds;
    if (points.PlainSums()) bounds.emplace(field, points);
    const OutlookBounds* reach = bounds ? &*bounds : nullptr;
    std::vector<std::vector<int>> prefixes;
    double settledChance = 1.0;
    {
        Enumeration top(field, plan, points, reach, kernel, work);
        settledChance = top.SettledChance();
        for (int levels = 0; levels <= static_cast<int>(plan.steps.size()); ++levels) {
            std::vector<int> chosen;
            prefixes.clear();
            top.Prefixes(levels, chosen, prefixes);
            if (prefixes.size() >= kPieces) break;
        }
    }
    const auto included = [&](std::uint64_t piece) { return !counted || counted(piece, prefixes.size()); };
    if (counted) {
        std::uint64_t pieces = 0;
        for (std::uint64_t piece = 0; piece < prefixes.size(); ++piece) pieces += included(piece);
        // The pieces' outcomes are not known beforehand: their share of the whole, for progress.
        work.Expect(static_cast<std::uint64_t>(static_cast<long double>(work.Total()) * static_cast<long double>(pieces) /
                                               static_cast<long double>(prefixes.size())));
    }
    std::vector<std::optional<OutlookTally>> tallies(prefixes.size());
    const bool finished = work.Run(prefixes.size(), [&](std::uint64_t piece) {
        if (!included(piece)) return;
        Enumeration enumeration(field, plan, points, reach, kernel, work);
        enumeration.Want(wanted);
        enumeration.Run(prefixes[piece], settledChance);
        tallies[piece] = std::move(enumeration.Tally());
    });
    if (!finished) return std::nullopt;
    return tallies;
}

OutlookTally MergeCountedPieces(int participants, const std::vector<std::optional<OutlookTally>>& pieces) {
    OutlookTally total(participants);
    for (const auto& tally : pieces)
        if (tally) total.Merge(*tally);
    return total;
}

std::optional<OutlookTally> CountOutcomes(const OutlookField& field, const OutlookPoints& points,
                                          const OutlookKernel& kernel, OutlookWork& work,
                                          const OutlookExtraTally::Wanted& wanted) {
    const auto pieces = CountOutcomePieces(field, points, kernel, work, {}, wanted);
    if (!pieces) return std::nullopt;
    OutlookTally total = MergeCountedPieces(points.Participants(), *pieces);
    if (points.PlainSums()) {
        // Otherwise each outcome's places were seen as it was counted.
        const std::optional<std::vector<PlaceRange>> places = SearchPlaces(field, OutlookPlan(field), points, kernel, work);
        if (!places) return std::nullopt;
        for (int i = 0; i < points.Participants(); ++i) total.SetPlaces(i, (*places)[i].best, (*places)[i].worst);
    }
    return total;
}

}  // namespace brackwell
