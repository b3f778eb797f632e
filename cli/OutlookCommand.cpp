#include "cli/OutlookCommand.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iostream>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/ConsoleDialogs.h"
#include "cli/CountWatch.h"
#include "cli/FolderCommand.h"
#include "core/FileSystem.h"
#include "core/SelectionFile.h"
#include "outlook/rules/Outlook.h"
#include "outlook/rules/OutlookField.h"
#include "outlook/rules/OutlookPartial.h"
#include "outlook/rules/OutlookPool.h"
#include "outlook/rules/OutlookPage.h"
#include "outlook/rules/OutlookReplay.h"
#include "outlook/rules/OutlookRooting.h"
#include "outlook/rules/OutlookScenario.h"
#include "outlook/rules/OutlookTable.h"

namespace brackwell::cli {

namespace {
// --scenario: no outcome puts the participant first.
constexpr int kExitNoScenario = 3;

struct OutlookCommandOptions {
    std::optional<std::string> folder;
    OutlookOptions outlook;
    std::optional<OutlookSlice> part;
    bool merge = false;
    std::vector<std::string> partials;  // the files to merge
    std::optional<std::uint64_t> timeLimit;
    bool help = false;
    std::optional<int> afterRound;
    std::optional<std::string> html;      // the page's path
    std::optional<std::string> rooted;    // --root FILE
    std::optional<std::string> scenario;  // --scenario FILE
};

// What the options say together, once each has been read.
std::optional<std::string> CheckCombination(const OutlookCommandOptions& options) {
    if (options.rooted && options.scenario) return std::string("--root and --scenario do not go together");
    if (options.scenario && (options.part || options.merge))
        return std::string("--scenario works on the whole count: it does not go with --part or --merge");
    if (options.html && options.part) return std::string("--html writes the whole outlook: it does not go with --part");
    if (!options.merge) {
        if (!options.partials.empty()) return "unknown option \"" + options.partials.front() + "\"";
        return std::nullopt;
    }
    if (options.part) return std::string("--merge and --part do not go together");
    const OutlookOptions defaults;
    if (options.outlook.ExactLimit != defaults.ExactLimit || options.outlook.Simulations != defaults.Simulations ||
        options.outlook.RandomSeed != defaults.RandomSeed || !options.outlook.Payout.empty() || options.rooted)
        return std::string("--merge takes the counting options from the partial outlooks; leave them out");
    if (options.partials.empty()) return std::string("--merge needs the files of the partial outlooks");
    return std::nullopt;
}

// Digits only: a sign, a blank or anything after the number makes it wrong.
std::optional<std::uint64_t> WholeNumber(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

// "A,B,...": numbers, 0 or more.
std::optional<std::vector<double>> PayoutOption(const std::string& text) {
    std::vector<double> payout;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        double value = 0;
        const auto [stop, error] = std::from_chars(text.data() + from, text.data() + comma, value);
        if (comma == from || error != std::errc() || stop != text.data() + comma || !std::isfinite(value) || value < 0)
            return std::nullopt;
        payout.push_back(value);
        from = comma + 1;
    }
    return payout;
}

// "K/N", a slice K of N slices.
std::optional<OutlookSlice> SliceOption(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const std::optional<std::uint64_t> part = WholeNumber(text.substr(0, slash));
    const std::optional<std::uint64_t> parts = WholeNumber(text.substr(slash + 1));
    if (!part || !parts || *part < 1 || *part > *parts) return std::nullopt;
    return OutlookSlice{*part, *parts};
}

// The value of an option given as "--name VALUE" or "--name=VALUE"; nothing when arg is another.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
                                       std::optional<std::string>& complaint) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size()) {
            complaint = name + " needs a value";
            return std::string();
        }
        return args[++i];
    }
    if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
    return std::nullopt;
}

// The options, or the complaint about them.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, OutlookCommandOptions& options) {
    std::optional<std::string> complaint;
    for (std::size_t i = 0; i < args.size() && !complaint; ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--exact") {
            options.outlook.ExactLimit = kGameCount;
        } else if (const auto folder = OptionValue(args, i, "--folder", complaint)) {
            if (folder->empty()) complaint = "--folder needs a folder";
            options.folder = *folder;
        } else if (const auto sims = OptionValue(args, i, "--sims", complaint)) {
            const std::optional<std::uint64_t> value = WholeNumber(*sims);
            if (value && *value > 0 && *value <= kMostSimulations) options.outlook.Simulations = *value;
            else if (!complaint)
                complaint = "--sims needs a number of simulated tournaments, 1 to " + std::to_string(kMostSimulations) +
                            ", not \"" + *sims + "\"";
        } else if (const auto seed = OptionValue(args, i, "--seed", complaint)) {
            const std::optional<std::uint64_t> value = WholeNumber(*seed);
            if (value) options.outlook.RandomSeed = *value;
            else if (!complaint) complaint = "--seed needs a whole number, 0 or more, not \"" + *seed + "\"";
        } else if (const auto part = OptionValue(args, i, "--part", complaint)) {
            options.part = SliceOption(*part);
            if (!options.part && !complaint)
                complaint = "--part needs K/N, slice K of N slices (1 <= K <= N), not \"" + *part + "\"";
        } else if (const auto limit = OptionValue(args, i, "--time-limit", complaint)) {
            options.timeLimit = WholeNumber(*limit);
            if ((!options.timeLimit || *options.timeLimit == 0) && !complaint)
                complaint = "--time-limit needs a number of seconds, 1 or more, not \"" + *limit + "\"";
        } else if (const auto payout = OptionValue(args, i, "--payout", complaint)) {
            if (const auto prizes = PayoutOption(*payout)) options.outlook.Payout = *prizes;
            else if (!complaint)
                complaint = "--payout needs the prizes of places 1, 2, ... as numbers 0 or more, separated by commas, "
                            "not \"" + *payout + "\"";
        } else if (const auto round = OptionValue(args, i, "--after-round", complaint)) {
            const std::optional<std::uint64_t> value = WholeNumber(*round);
            if (value && *value <= 5) options.afterRound = static_cast<int>(*value);
            else if (!complaint) complaint = "--after-round needs a round, 0 to 5, not \"" + *round + "\"";
        } else if (const auto html = OptionValue(args, i, "--html", complaint)) {
            if (html->empty() && !complaint) complaint = "--html needs the path of the page";
            options.html = *html;
        } else if (const auto rooted = OptionValue(args, i, "--root", complaint)) {
            options.rooted = *rooted;
        } else if (const auto scenario = OptionValue(args, i, "--scenario", complaint)) {
            options.scenario = *scenario;
        } else if (arg == "--merge") {
            options.merge = true;
        } else if (arg.empty() || arg[0] != '-') {
            options.partials.push_back(arg);
        } else {
            complaint = "unknown option \"" + arg + "\"";
        }
    }
    if (!complaint) complaint = CheckCombination(options);
    return complaint;
}

// Every file named, read and checked; nothing, with the reason on standard error, when one
// cannot be read or is not a partial outlook.
std::optional<std::vector<NamedPartial>> ReadPartials(const std::vector<std::string>& files, std::ostream& err) {
    // Far above any partial outlook: a pool of thousands, in a few hundred pieces.
    constexpr std::size_t kMostBytes = std::size_t{1} << 30;
    std::vector<NamedPartial> partials;
    for (const std::string& file : files) {
        const FileHandle fd(OpenFileForReading(file));
        std::string text;
        const bool read = fd.get() >= 0 && ReadInChunks(fd.get(), [&](std::string_view chunk) {
            text.append(chunk);
            return text.size() <= kMostBytes;
        });
        if (!read || text.size() > kMostBytes) {
            err << kProgramName << " outlook: \"" << file << "\" cannot be read"
                << (read ? " (too large for a partial outlook)" : "") << "\n";
            return std::nullopt;
        }
        auto partial = ReadOutlookPartial(text);
        if (const std::string* why = std::get_if<std::string>(&partial)) {
            err << kProgramName << " outlook: \"" << file << "\" is " << (why->rfind("damaged", 0) == 0 ? "" : "refused: ")
                << *why << "\n";
            return std::nullopt;
        }
        partials.push_back({file, std::get<OutlookPartial>(std::move(partial))});
    }
    return partials;
}

// The entrant of the selection file named (its name, in any case), or nothing with the reason.
std::optional<int> EntrantNamed(const OutlookPool& pool, const std::string& file, std::ostream& err) {
    const auto same = [](const std::string& a, const std::string& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
               });
    };
    for (std::size_t i = 0; i < pool.Entrants.size(); ++i)
        if (pool.Entrants[i].FileName == file) return static_cast<int>(i);
    for (std::size_t i = 0; i < pool.Entrants.size(); ++i)
        if (same(pool.Entrants[i].FileName, file)) return static_cast<int>(i);
    err << kProgramName << " outlook: \"" << file << "\" is not a selection file of the pool\n";
    return std::nullopt;
}

bool Write(const std::string& text, std::ostream& out, std::ostream& err) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out.flush()) return true;
    err << kProgramName << " outlook: the outlook could not be written to standard output\n";
    return false;
}

}  // namespace

int RunOutlookCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    OutlookCommandOptions options;
    const std::optional<std::string> complaint = ParseOptions(args, options);
    std::string folder;
    if (const auto ended = StartFolderCommand("outlook", complaint, options.help, options.folder, folder, out, err))
        return *ended;
    ConsoleDialogs dialogs(err);
    std::optional<OutlookPool> pool = ReadOutlookPool(folder, dialogs);
    if (!pool) return kExitFailure;
    if (options.afterRound) pool = PoolAfterRound(*pool, *options.afterRound);
    if (options.scenario) {
        const std::optional<int> entrant = EntrantNamed(*pool, *options.scenario, err);
        if (!entrant) return kExitUsage;
        const OutlookScenario scenario = FindScenario(*pool, *entrant);
        if (!scenario.Found) return Write(scenario.Reason + "\n", out, err) ? kExitNoScenario : kExitFailure;
        return Write(SelectionsText(scenario.Results), out, err) ? kExitOk : kExitFailure;
    }
    if (options.rooted) {
        const std::optional<int> entrant = EntrantNamed(*pool, *options.rooted, err);
        if (!entrant) return kExitUsage;
        options.outlook.Rooted = *entrant;
    }
    std::optional<std::vector<NamedPartial>> partials;
    if (options.merge) {
        partials = ReadPartials(options.partials, err);
        if (!partials) return kExitFailure;
        if (const std::string why = CheckOutlookPartials(*pool, *partials); !why.empty()) {
            err << kProgramName << " outlook: " << why << "\n";
            return kExitUsage;
        }
    }
    const bool exact = partials ? partials->front().Partial.Exact
                                : static_cast<int>(ReadOutlookField(pool->Results, pool->Seeds).UndecidedGames.size()) <=
                                      options.outlook.ExactLimit;
    // Progress only where a person watches: standard error on a terminal.
    CountWatch watch(err, &err == &std::cerr && isatty(STDERR_FILENO) == 1, options.timeLimit,
                     exact ? "counted" : "simulated");
    std::optional<std::string> text;
    if (options.part) {
        const std::optional<OutlookPartial> partial =
            ComputeOutlookPartial(*pool, options.outlook, *options.part, watch.Progress());
        if (partial) text = OutlookPartialText(*partial);
    } else {
        const std::optional<OutlookResult> result = partials ? MergeOutlookPartials(*pool, *partials)
                                                             : ComputeOutlook(*pool, options.outlook, watch.Progress());
        const bool rooting = options.rooted || (partials && partials->front().Partial.Options.Rooted >= 0);
        if (result) text = rooting ? OutlookRootingText(result->Rooting) : OutlookTableText(*result);
        if (result && options.html) {
            const auto rounds = ReplayRounds(*pool, partials ? partials->front().Partial.Options : options.outlook,
                                             *result, watch.Progress());
            if (!rounds) text.reset();
            else if (!ReplaceFile(*options.html, OutlookPage(*pool, *result, *rounds))) {
                watch.Clear();
                err << kProgramName << " outlook: the page could not be written to \"" << *options.html << "\"\n";
                return kExitFailure;
            }
        }
    }
    watch.Clear();
    if (!text) {
        if (watch.TimedOut()) err << watch.TimedOutMessage();
        else err << kProgramName << " outlook: the outlook could not be computed\n";
        return kExitFailure;
    }
    return Write(*text, out, err) ? kExitOk : kExitFailure;
}

}  // namespace brackwell::cli
