#include "outlook/rules/OutlookPartial.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <set>

#include "outlook/rules/OutlookPlan.h"
#include "outlook/rules/OutlookPrizes.h"
#include "outlook/rules/OutlookResults.h"
#include "outlook/rules/OutlookRooting.h"
#include "outlook/rules/PlaceSearch.h"

namespace brackwell {

namespace {

constexpr std::string_view kFirstLine = "brackwell outlook partial 1";
// Far more than any split of the count makes (a few hundred pieces, a few thousand at most).
constexpr std::uint64_t kMostPieces = 1 << 20;
// Far more results than the open games have (each game once per team that can win it).
constexpr int kMostResults = 1 << 12;

// FNV-1a: any one byte changed changes it, which is what telling files apart needs.
class Fingerprint {
public:
    void Bytes(std::string_view bytes) {
        for (const char c : bytes) hash_ = (hash_ ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    }
    // A field of its own: its length first, so that no two lists of fields run together.
    void Field(std::string_view text) {
        Number(text.size());
        Bytes(text);
    }
    void Number(std::uint64_t value) {
        for (int shift = 0; shift < 64; shift += 8) Bytes(std::string(1, static_cast<char>(value >> shift)));
    }
    std::uint64_t Value() const { return hash_; }

private:
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::string Hex(std::uint64_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4) text[i] = kDigits[value & 15];
    return text;
}

bool IsPieceOf(std::uint64_t piece, const OutlookSlice& slice) { return piece % slice.Parts == slice.Part - 1; }

std::string SliceName(const OutlookSlice& slice) {
    return std::to_string(slice.Part) + "/" + std::to_string(slice.Parts);
}

// The text's lines one by one, each split into fields at blanks.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}

    // The next line's fields; false at the end of the text.
    bool Next(std::vector<std::string_view>& fields) {
        if (at_ >= text_.size()) return false;
        const std::size_t end = text_.find('\n', at_);
        line_ = text_.substr(at_, end == std::string_view::npos ? std::string_view::npos : end - at_);
        start_ = at_;
        at_ = end == std::string_view::npos ? text_.size() : end + 1;
        ++number_;
        ended_ = end != std::string_view::npos;
        fields.clear();
        for (std::size_t from = 0; from <= line_.size();) {
            const std::size_t blank = std::min(line_.find(' ', from), line_.size());
            fields.push_back(line_.substr(from, blank - from));
            from = blank + 1;
        }
        return true;
    }
    std::string_view Line() const { return line_; }
    bool Ended() const { return ended_; }
    int Number() const { return number_; }
    // Everything before the current line.
    std::string_view Before() const { return text_.substr(0, start_); }
    bool AtEnd() const { return at_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t start_ = 0;
    std::string_view line_;
    int number_ = 0;
    bool ended_ = false;
};

template <typename Number>
bool Decimal(std::string_view text, Number& value) {
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && stop == text.data() + text.size() &&
           (text.size() == 1 || text[0] != '0');
}

bool HexNumber(std::string_view text, std::uint64_t& value) {
    if (text.size() != 16 || text.find_first_not_of("0123456789abcdef") != std::string_view::npos) return false;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return true;
}

bool Weight(std::string_view text, double& value) {
    std::uint64_t bits = 0;
    if (!HexNumber(text, bits)) return false;
    value = std::bit_cast<double>(bits);
    return std::isfinite(value) && value >= 0;
}

class Reader {
public:
    explicit Reader(std::string_view text) : lines_(text) {}

    std::variant<OutlookPartial, std::string> Read() {
        OutlookPartial partial;
        const bool read = lines_.Next(fields_);
        if (read && lines_.Line() == std::string(kFirstLine) + "\r")
            return std::string("its lines end in CR LF, changed on the way: copy the file as it was written");
        if (!read || lines_.Line() != kFirstLine)
            return std::string("not a partial outlook: its first line is not \"") + std::string(kFirstLine) + "\"";
        std::uint64_t part = 0, parts = 0;
        if (!Keyed("pool") || !HexNumber(fields_[1], partial.Pool)) return Damaged();
        if (!Keyed("exact-limit") || !Decimal(fields_[1], partial.Options.ExactLimit)) return Damaged();
        if (!Keyed("simulations") || !Decimal(fields_[1], partial.Options.Simulations)) return Damaged();
        if (!Keyed("seed") || !Decimal(fields_[1], partial.Options.RandomSeed)) return Damaged();
        if (!Keyed("count") || (fields_[1] != "exact" && fields_[1] != "estimate")) return Damaged();
        partial.Exact = fields_[1] == "exact";
        if (!Keyed("slice") || !SliceOf(fields_[1], part, parts)) return Damaged();
        partial.Slice = {part, parts};
        if (!Keyed("pieces") || !Decimal(fields_[1], partial.Pieces) || partial.Pieces > kMostPieces) return Damaged();
        if (!Keyed("participants") || !Decimal(fields_[1], partial.Participants) || partial.Participants < 0)
            return Damaged();
        participants_ = partial.Participants;
        const std::size_t tallies = partial.Exact ? 1 : 2;
        while (true) {
            if (!lines_.Next(fields_) || !lines_.Ended()) return Damaged("it ends before its last line");
            if (fields_.size() == 2 && fields_[0] == "end") break;
            if (fields_[0] == "payout") {
                if (!partial.Options.Payout.empty() || !partial.Counted.empty() || !ReadPayout(partial.Options.Payout))
                    return Damaged();
                paid_ = PaidPlaces(partial.Options.Payout);
                continue;
            }
            if (fields_[0] == "root") {
                if (partial.Options.Rooted >= 0 || !partial.Counted.empty() || fields_.size() != 3 ||
                    !Decimal(fields_[1], partial.Options.Rooted) || partial.Options.Rooted >= participants_ ||
                    !Decimal(fields_[2], results_) || results_ < 1 || results_ > kMostResults)
                    return Damaged();
                rooted_ = partial.Options.Rooted;
                partial.Results = results_;
                continue;
            }
            if (fields_[0] == "place") {
                if (!Place(partial.Places)) return Damaged();
                continue;
            }
            std::uint64_t number = 0;
            if (fields_.size() != 2 || fields_[0] != "piece" || !Decimal(fields_[1], number) ||
                number >= partial.Pieces || (!partial.Counted.empty() && number <= partial.Counted.back().Number) ||
                !partial.Places.empty())
                return Damaged();
            OutlookPartial::Piece& piece = partial.Counted.emplace_back();
            piece.Number = number;
            for (std::size_t t = 0; t < tallies; ++t)
                if (!Tally(piece.Tallies.emplace_back())) return Damaged();
        }
        std::uint64_t check = 0;
        Fingerprint bytes;
        bytes.Bytes(lines_.Before());
        if (!HexNumber(fields_[1], check) || check != bytes.Value())
            return Damaged("its last line does not match what it holds");
        if (!lines_.AtEnd()) return Damaged("there is more after its last line");
        return partial;
    }

private:
    // The next line, as "key value".
    bool Keyed(std::string_view key) {
        return lines_.Next(fields_) && lines_.Ended() && fields_.size() == 2 && fields_[0] == key;
    }

    static bool SliceOf(std::string_view text, std::uint64_t& part, std::uint64_t& parts) {
        const std::size_t slash = text.find('/');
        return slash != std::string_view::npos && Decimal(text.substr(0, slash), part) &&
               Decimal(text.substr(slash + 1), parts) && part >= 1 && part <= parts;
    }

    bool Tally(OutlookTally::Sums& sums) {
        if (!lines_.Next(fields_) || !lines_.Ended() || fields_.size() != 3 || fields_[0] != "tally" ||
            !Decimal(fields_[1], sums.outcomes) || !Weight(fields_[2], sums.weight))
            return false;
        // One line at a time: a count of participants that the text does not hold costs nothing.
        for (int i = 0; i < participants_; ++i) {
            OutlookTally::Sums::Participant& p = sums.participants.emplace_back();
            if (!lines_.Next(fields_) || !lines_.Ended() || fields_.size() < 4 || !Decimal(fields_[0], p.outright) ||
                !Weight(fields_[1], p.seeded) || !Decimal(fields_[2], p.best) || !Decimal(fields_[3], p.worst))
                return false;
            // A best place not yet seen is above every place; a worst one, 0.
            if ((p.best > participants_ && p.best != INT_MAX) || p.best < 1 || p.worst > participants_) return false;
            for (std::size_t f = 4; f < fields_.size(); ++f)
                if (!TieCount(fields_[f], p.ties)) return false;
        }
        sums.extra.Reset(participants_, OutlookExtraTally::Wanted{.paid = paid_, .rooted = rooted_, .keys = results_});
        return (paid_ == 0 || Prizes(sums.extra)) && (rooted_ < 0 || Splits(sums.extra));
    }

    // "payout A,B,...": the prizes, as many as the places paid.
    bool ReadPayout(std::vector<double>& payout) const {
        if (fields_.size() != 2) return false;
        for (std::string_view rest = fields_[1];;) {
            const std::size_t comma = std::min(rest.find(','), rest.size());
            double value = 0;
            const auto [stop, error] = std::from_chars(rest.data(), rest.data() + comma, value);
            if (comma == 0 || error != std::errc() || stop != rest.data() + comma || !std::isfinite(value) || value < 0)
                return false;
            payout.push_back(value);
            if (comma == rest.size()) return true;
            rest.remove_prefix(comma + 1);
        }
    }

    // Per participant, "prize" and " <above>:<tied>:<count>:<seeded bits>" for each place held.
    bool Prizes(OutlookExtraTally& extra) {
        for (int i = 0; i < participants_; ++i) {
            if (!lines_.Next(fields_) || !lines_.Ended() || fields_[0] != "prize") return false;
            for (std::size_t f = 1; f < fields_.size(); ++f) {
                OutlookExtraTally::Place place;
                std::string_view field = fields_[f];
                std::string_view parts[4];
                for (auto& part : parts) {
                    const std::size_t colon = std::min(field.find(':'), field.size());
                    part = field.substr(0, colon);
                    field.remove_prefix(std::min(colon + 1, field.size()));
                }
                if (!Decimal(parts[0], place.above) || !Decimal(parts[1], place.tied) ||
                    !Decimal(parts[2], place.count) || !Weight(parts[3], place.seeded) || place.above >= paid_ ||
                    place.tied < 1 || place.above + place.tied > participants_)
                    return false;
                extra.RestorePlace(i, place);
            }
        }
        return true;
    }

    // Per result, "split <outright> <seeded bits> <outcomes> <weight bits>" and " <tied>:<count>"
    // for each size of tie for first.
    bool Splits(OutlookExtraTally& extra) {
        for (OutlookExtraTally::Split& split : extra.Splits()) {
            if (!lines_.Next(fields_) || !lines_.Ended() || fields_.size() < 5 || fields_[0] != "split" ||
                !Decimal(fields_[1], split.outright) || !Weight(fields_[2], split.seeded) ||
                !Decimal(fields_[3], split.outcomes) || !Weight(fields_[4], split.weight))
                return false;
            for (std::size_t f = 5; f < fields_.size(); ++f)
                if (!TieCount(fields_[f], split.ties)) return false;
        }
        return true;
    }

    // "<tied>:<count>", a tie for first among 2 or more.
    bool TieCount(std::string_view field, std::vector<std::pair<int, std::uint64_t>>& ties) const {
        const std::size_t colon = field.find(':');
        int tied = 0;
        std::uint64_t count = 0;
        if (colon == std::string_view::npos || !Decimal(field.substr(0, colon), tied) ||
            !Decimal(field.substr(colon + 1), count) || tied < 2 || tied > participants_)
            return false;
        ties.emplace_back(tied, count);
        return true;
    }

    // "place <participant> <best> <worst>", after the pieces and the places before it.
    bool Place(std::vector<OutlookPartial::Place>& places) const {
        OutlookPartial::Place place;
        return fields_.size() == 4 && Decimal(fields_[1], place.Participant) && Decimal(fields_[2], place.Best) &&
               Decimal(fields_[3], place.Worst) && place.Participant < participants_ &&
               (places.empty() || place.Participant > places.back().Participant) && place.Best >= 1 &&
               place.Best <= place.Worst && place.Worst <= participants_ && (places.push_back(place), true);
    }

    std::string Damaged(const std::string& why = {}) const {
        return "damaged at line " + std::to_string(lines_.Number()) + (why.empty() ? "" : ": " + why);
    }

    Lines lines_;
    std::vector<std::string_view> fields_;
    int participants_ = 0;
    int paid_ = 0;  // places a tally's prizes cover
    int rooted_ = -1;   // the participant of the rooting guide
    int results_ = 0;   // the results its splits are kept for
};

std::string TiesText(const std::vector<std::pair<int, std::uint64_t>>& ties) {
    std::string text;
    for (const auto& [tied, count] : ties) text += " " + std::to_string(tied) + ":" + std::to_string(count);
    return text;
}

void WriteTally(std::string& text, const OutlookTally::Sums& sums) {
    text += "tally " + std::to_string(sums.outcomes) + " " + Hex(std::bit_cast<std::uint64_t>(sums.weight)) + "\n";
    for (const OutlookTally::Sums::Participant& p : sums.participants) {
        text += std::to_string(p.outright) + " " + Hex(std::bit_cast<std::uint64_t>(p.seeded)) + " " +
                std::to_string(p.best) + " " + std::to_string(p.worst) + TiesText(p.ties) + "\n";
    }
    for (int i = 0; i < sums.extra.Participants() && sums.extra.Wants().paid > 0; ++i) {
        text += "prize";
        for (const OutlookExtraTally::Place& place : sums.extra.Places(i))
            text += " " + std::to_string(place.above) + ":" + std::to_string(place.tied) + ":" +
                    std::to_string(place.count) + ":" + Hex(std::bit_cast<std::uint64_t>(place.seeded));
        text += "\n";
    }
    if (sums.extra.Wants().rooted < 0) return;
    for (const OutlookExtraTally::Split& split : sums.extra.Splits())
        text += "split " + std::to_string(split.outright) + " " + Hex(std::bit_cast<std::uint64_t>(split.seeded)) + " " +
                std::to_string(split.outcomes) + " " + Hex(std::bit_cast<std::uint64_t>(split.weight)) +
                TiesText(split.ties) + "\n";
}

std::string PayoutText(const std::vector<double>& payout) {
    std::string text;
    for (const double prize : payout) {
        char buffer[64];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, prize);
        text += (text.empty() ? "" : ",") + std::string(buffer, error == std::errc() ? end : buffer);
    }
    return text;
}

// Whether an exact count finds the places by a search of their own, not outcome by outcome.
bool SearchesPlaces(const OutlookPool& pool, const OutlookField& field, bool exact) {
    return exact && !pool.Entrants.empty() && OutlookPoints(pool, field).PlainSums();
}

PieceFilter SliceFilter(const OutlookSlice& slice) {
    return [slice](std::uint64_t piece, std::uint64_t) { return IsPieceOf(piece, slice); };
}

}  // namespace

std::uint64_t OutlookPoolFingerprint(const OutlookPool& pool) {
    Fingerprint print;
    for (const std::string& line : pool.Results) print.Field(line);
    for (const std::int16_t points : pool.Points) print.Number(static_cast<std::uint16_t>(points));
    for (const int seed : pool.Seeds) print.Number(static_cast<std::uint32_t>(seed));
    print.Number(pool.Entrants.size());
    for (const OutlookEntrant& entrant : pool.Entrants) {
        print.Field(entrant.FileName);
        print.Field(entrant.PlayerName);
        for (const std::string& line : entrant.Picks) print.Field(line);
    }
    return print.Value();
}

std::optional<OutlookPartial> ComputeOutlookPartial(const OutlookPool& pool, const OutlookOptions& options,
                                                    const OutlookSlice& slice, const OutlookProgress& progress) {
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    const OutlookResult start = StartOutlook(pool, options, field);
    OutlookPartial partial;
    partial.Pool = OutlookPoolFingerprint(pool);
    partial.Options = options;
    partial.Exact = start.Exact;
    partial.Slice = slice;
    partial.Participants = static_cast<int>(start.Rows.size());
    if (start.Rows.empty()) return partial;

    const OutlookPoints points(pool, field);
    const OutlookExtraTally::Wanted wanted = ExtrasWanted(options, points);
    partial.Options.Rooted = wanted.rooted;
    partial.Results = wanted.keys;
    if (start.Exact) {
        OutlookWork work(start.Outcomes, progress);
        const auto pieces = CountOutcomePieces(field, points, FastestKernel(), work, SliceFilter(slice), wanted);
        if (!pieces) return std::nullopt;
        partial.Pieces = pieces->size();
        for (std::uint64_t n = 0; n < pieces->size(); ++n)
            if ((*pieces)[n]) partial.Counted.push_back({n, {(*pieces)[n]->Save()}});
        if (points.PlainSums()) {
            const auto searched = [&slice](int i) { return IsPieceOf(static_cast<std::uint64_t>(i), slice); };
            const auto places = SearchPlaces(field, OutlookPlan(field), points, FastestKernel(), work, searched);
            if (!places) return std::nullopt;
            for (int i = 0; i < partial.Participants; ++i)
                if (searched(i)) partial.Places.push_back({i, (*places)[i].best, (*places)[i].worst});
        }
        if (!work.Finish()) return std::nullopt;
        return partial;
    }
    OutlookWork work(2 * start.Outcomes, progress);
    const auto pieces =
        SimulatePieces(field, points, FastestKernel(), start.Outcomes, options.RandomSeed, work, SliceFilter(slice),
                       wanted);
    if (!pieces || !work.Finish()) return std::nullopt;
    partial.Pieces = pieces->size();
    for (std::uint64_t n = 0; n < pieces->size(); ++n)
        if ((*pieces)[n]) partial.Counted.push_back({n, {(*pieces)[n]->Even.Save(), (*pieces)[n]->Seeded.Save()}});
    return partial;
}

std::string OutlookPartialText(const OutlookPartial& partial) {
    std::string text(kFirstLine);
    text += "\npool " + Hex(partial.Pool) + "\nexact-limit " + std::to_string(partial.Options.ExactLimit) +
            "\nsimulations " + std::to_string(partial.Options.Simulations) + "\nseed " +
            std::to_string(partial.Options.RandomSeed) + "\ncount " + (partial.Exact ? "exact" : "estimate") +
            "\nslice " + SliceName(partial.Slice) + "\npieces " + std::to_string(partial.Pieces) + "\nparticipants " +
            std::to_string(partial.Participants) + "\n";
    if (!partial.Options.Payout.empty()) text += "payout " + PayoutText(partial.Options.Payout) + "\n";
    if (partial.Options.Rooted >= 0)
        text += "root " + std::to_string(partial.Options.Rooted) + " " + std::to_string(partial.Results) + "\n";
    for (const OutlookPartial::Piece& piece : partial.Counted) {
        text += "piece " + std::to_string(piece.Number) + "\n";
        for (const OutlookTally::Sums& sums : piece.Tallies) WriteTally(text, sums);
    }
    for (const OutlookPartial::Place& place : partial.Places)
        text += "place " + std::to_string(place.Participant) + " " + std::to_string(place.Best) + " " +
                std::to_string(place.Worst) + "\n";
    Fingerprint bytes;
    bytes.Bytes(text);
    text += "end " + Hex(bytes.Value()) + "\n";
    return text;
}

std::variant<OutlookPartial, std::string> ReadOutlookPartial(std::string_view text) { return Reader(text).Read(); }

std::string CheckOutlookPartials(const OutlookPool& pool, const std::vector<NamedPartial>& partials) {
    if (partials.empty()) return "no partial outlooks to merge";
    const std::uint64_t fingerprint = OutlookPoolFingerprint(pool);
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    const auto undecided = static_cast<int>(field.UndecidedGames.size());
    const NamedPartial& first = partials.front();
    const OutlookPartial& model = first.Partial;
    const bool searchesPlaces = SearchesPlaces(pool, field, undecided <= model.Options.ExactLimit);
    std::vector<const NamedPartial*> byPart;
    for (const NamedPartial& named : partials) {
        const OutlookPartial& p = named.Partial;
        if (p.Pool != fingerprint || p.Participants != static_cast<int>(pool.Entrants.size()))
            return named.Name + ": counted for another pool (its results, points or selections are not those of the folder)";
        if (p.Options.ExactLimit != model.Options.ExactLimit || p.Options.Simulations != model.Options.Simulations ||
            p.Options.RandomSeed != model.Options.RandomSeed || p.Exact != (undecided <= p.Options.ExactLimit) ||
            p.Options.Payout != model.Options.Payout || p.Options.Rooted != model.Options.Rooted ||
            p.Results != model.Results)
            return named.Name + ": counted with other options than " + first.Name +
                   " (--sims, --seed, --payout, --root or the exact count)";
        if (p.Slice.Parts != model.Slice.Parts || p.Pieces != model.Pieces)
            return named.Name + ": slice " + SliceName(p.Slice) + " of a count split otherwise than " + first.Name +
                   " (slice " + SliceName(model.Slice) + ")";
        // The pieces of the slice, each once (numbers below Pieces, so nothing here overflows).
        const std::uint64_t own = p.Slice.Part <= p.Pieces ? (p.Pieces - p.Slice.Part) / p.Slice.Parts + 1 : 0;
        bool ownPieces = p.Counted.size() == own;
        for (std::size_t k = 0; k < p.Counted.size() && ownPieces; ++k)
            ownPieces = p.Counted[k].Number == p.Slice.Part - 1 + k * p.Slice.Parts;
        if (!ownPieces) return named.Name + ": holds other pieces than slice " + SliceName(p.Slice);
        // The places of the slice's participants, where the count searches for them.
        bool ownPlaces = true;
        std::size_t k = 0;
        for (int i = 0; i < p.Participants && searchesPlaces && ownPlaces; ++i)
            if (IsPieceOf(static_cast<std::uint64_t>(i), p.Slice))
                ownPlaces = k < p.Places.size() && p.Places[k++].Participant == i;
        if (!ownPlaces || k != p.Places.size())
            return named.Name + ": holds the places of other participants than slice " + SliceName(p.Slice);
        byPart.push_back(&named);
    }
    std::sort(byPart.begin(), byPart.end(),
              [](const NamedPartial* a, const NamedPartial* b) { return a->Partial.Slice.Part < b->Partial.Slice.Part; });
    for (std::size_t i = 1; i < byPart.size(); ++i)
        if (byPart[i]->Partial.Slice.Part == byPart[i - 1]->Partial.Slice.Part)
            return "slice " + SliceName(byPart[i]->Partial.Slice) + " is given twice: " + byPart[i - 1]->Name + " and " +
                   byPart[i]->Name;
    if (byPart.size() == model.Slice.Parts) return "";
    // The slices missing, the first few of them.
    constexpr int kNamed = 5;
    std::string missing;
    int named = 0;
    std::size_t next = 0;
    for (std::uint64_t part = 1; part <= model.Slice.Parts && named < kNamed; ++part) {
        if (next < byPart.size() && byPart[next]->Partial.Slice.Part == part) {
            ++next;
            continue;
        }
        missing += (named++ > 0 ? ", " : "") + SliceName({part, model.Slice.Parts});
    }
    const std::uint64_t absent = model.Slice.Parts - byPart.size();
    if (absent > static_cast<std::uint64_t>(named)) missing += " and " + std::to_string(absent - named) + " more";
    return (absent == 1 ? "slice " : "slices ") + missing + (absent == 1 ? " is" : " are") + " missing";
}

OutlookResult MergeOutlookPartials(const OutlookPool& pool, const std::vector<NamedPartial>& partials) {
    const OutlookPartial& model = partials.front().Partial;
    const OutlookField field = ReadOutlookField(pool.Results, pool.Seeds);
    OutlookResult result = StartOutlook(pool, model.Options, field);
    if (result.Rows.empty()) return result;

    const int participants = static_cast<int>(result.Rows.size());
    if (result.Exact) {
        std::vector<std::optional<OutlookTally>> pieces(model.Pieces);
        for (const NamedPartial& named : partials)
            for (const OutlookPartial::Piece& piece : named.Partial.Counted)
                pieces[piece.Number] = OutlookTally::Restore(piece.Tallies[0]);
        OutlookTally tally = MergeCountedPieces(participants, pieces);
        for (const NamedPartial& named : partials)
            for (const OutlookPartial::Place& place : named.Partial.Places)
                tally.SetPlaces(place.Participant, place.Best, place.Worst);
        FillExact(result, tally);
        FillExactStatuses(result, model.Options.Payout, tally);
        if (model.Options.Rooted >= 0) result.Rooting = ExactRootingRows(pool, field, OutlookPoints(pool, field), tally.Extra);
        return result;
    }
    std::vector<std::optional<SimulatedTallies>> pieces(model.Pieces);
    for (const NamedPartial& named : partials)
        for (const OutlookPartial::Piece& piece : named.Partial.Counted)
            pieces[piece.Number] =
                SimulatedTallies{OutlookTally::Restore(piece.Tallies[0]), OutlookTally::Restore(piece.Tallies[1])};
    const SimulatedTallies tallies = MergeSimulatedPieces(participants, pieces);
    FillEstimate(result, tallies);
    const OutlookPoints points(pool, field);
    FillEstimatedStatuses(result, model.Options.Payout, tallies, field, points);
    if (model.Options.Rooted >= 0) result.Rooting = EstimatedRootingRows(pool, field, points, tallies);
    return result;
}

}  // namespace brackwell
