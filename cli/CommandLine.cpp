#include "cli/CommandLine.h"

#include "cli/CheckCommand.h"
#include "cli/OutlookCommand.h"
#include "cli/QuillonCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ScoreCommand.h"

namespace brackwell::cli {

const char* UsageText() {
    return R"(Usage: brackwell-cli score [--folder DIR] [FILE...]
       brackwell-cli check [--folder DIR]
       brackwell-cli quillon [--folder DIR]
       brackwell-cli report [--folder DIR] [--title TEXT] REPORT... | --all
       brackwell-cli outlook [--folder DIR] [--sims N] [--seed N] [--exact] [--part K/N]
                             [--time-limit SECONDS] [--payout A,B,...] [--after-round N]
                             [--html PATH] [--root FILE | --scenario FILE]
       brackwell-cli outlook [--folder DIR] [--time-limit SECONDS] --merge FILE...
       brackwell-cli --help

score   Scores selection files against the game results, as the standings window
        does: every "*.BKS" file of the application folder, in the order of the
        folder's file list (names compared without regard to case), or only the
        FILEs named, in the order given (file names in the application folder).
        Each is scored against "BRACKWELL.BKT" with the points per round of
        "POOLSTART.BKT".

check   Runs every check the program makes on the files of the application
        folder: the start field, the team list, the roster (writing its error
        copy "PLAYERNAMES.TXT" when a record is bad, as the program does), the
        results and every selection file. Prints one line per file, its name,
        ": " and "OK" or the message the program would show (or why the file
        is not read). Exit status 0 when every file is well, 1 otherwise.

quillon Builds the pick program "QUILLON.EXE" in the application folder from the
        template "QUILLON.OBJ" and the field of "POOLSTART.BKT", byte for byte as
        finalizing the setup does, and beside it the pick form for browsers
        "QUILLON.HTM" from the template "QUILLON-TEMPLATE.HTM" (without that
        template the form is left out with a warning on standard error). For
        rebuilding after mending the field, and for checks. Prints each path
        built. Exit status: 0 when the program is built; 1, with the
        reason on standard error, when the folder, the field or the template is
        missing or damaged, the field does not fit the program, or the program
        cannot be written; 2 for a wrong command line.

report  Writes reports of the report window to their files, as its "File"
        destination does: each report is written to "TEMPPRT.TXT" and copied to
        its own file, whose path is printed on standard output. REPORT is a key
        or the index in the report window's list; --all runs all seven. They
        run in this order, whatever the order named:
          0 TournamentStandings     RPTOPT1.TXT
          1 PlayerListing           RPTOPT2.TXT
          2 TeamSelectionSummary    RPTOPT3.TXT
          3 TeamSelectionDetail     RPTOPT4.TXT
          4 PlayerSelectionDetail   RPTOPT5.TXT
          5 ResultsByPlayer         RPTOPT6.TXT
          6 ResultsByTeam           RPTOPT7.TXT
        The reports are headed with the pool title of "POOLSTART.BKT", or with
        --title TEXT. A report that cannot be prepared, or that skips itself
        (the projections once a champion is entered), writes no file and says
        why on standard error. One run at a time writes the reports of a
        folder: while another (the report window or brackwell-cli) is at it,
        nothing is written and the exit status is 1. Exit status: 0 when every
        report named was written or skipped itself; 1 when one failed, the
        folder is missing or busy; 2 for a wrong command line.

outlook Tells who can still win the pool: every way the games not yet played can
        still go, given the results of "BRACKWELL.BKT", with each selection file
        scored as the standings score it. Counted exactly while 31 games or
        fewer are open, or always with --exact (which can take very long
        before the round of 32); before that estimated from N simulated tournaments
        (--sims, 1000000 when not given; --seed N picks the random sequence,
        so the same seed gives the same estimate). One line per selection file,
        in the standings' order (see "Output of outlook" below). Exit status as
        for score. --sims takes 1 to 9007199254740992.
        --part K/N counts only slice K of N (1 <= K <= N) and writes it to
        standard output as a partial outlook, for running the slices on several
        machines; --merge FILE... reads every slice's file, checks that they are
        all the slices of one run of this folder's pool with the same options,
        and prints the table of the whole run. A file that cannot be read or is
        damaged gives exit status 1; a slice missing or given twice, or one of
        another pool, other options or another N, gives 2.
        On a terminal, a count running longer than a few seconds shows how far
        it has got on standard error. --time-limit SECONDS stops a count still
        running after that many seconds, with exit status 1.
        --payout A,B,... gives the prizes of places 1, 2, ... (numbers, 0 or
        more): a tie on points covering places p..p+k-1 shares their prizes
        equally, places past the list pay 0; adds the columns PrizeEven,
        PrizeSeeded and PrizeStatus. --after-round N (0 to 5) counts as if only
        the results of rounds 1 to N were entered. --html PATH also writes the
        outlook as a web page of its own, with a chart of the leaders' chances
        after each completed round. --root FILE prints the rooting guide of
        that selection file instead of the table (see below). --scenario FILE
        prints results in the layout of "BRACKWELL.BKT" with every open game
        decided so that FILE comes first (alone when it can), or one line
        saying why it cannot, with exit status 3; it does not go with --part or
        --merge. With --part, --root keeps the guide's counts in the slice, and
        --merge prints the guide. --html does not go with --part.

Options:
  --folder DIR   use DIR as the application folder
  --help, -h     show this help

Application folder when --folder is not given: $BRACKWELL_HOME when it is set;
else the program's own folder when it holds "QUILLON.OBJ" and can be written (a
portable install); else the per-user folder, $XDG_DATA_HOME/Brackwell or
~/.local/share/Brackwell.

Output of score on standard output: a header line, then one line per file, the
fields separated by tabs (a tab, line break or other control character inside a
field is written as a blank; text is Windows-1252 bytes, as in the files):
  FileName     the selection file's name
  PlayerName   the player's name, ", " and initials
  Score        points earned so far
  MaxScore     the most the selection can still reach
  Correct      games picked right
  Wrong        picks that are wrong, out of the running or empty
  Champion     the team picked to win the title
  RunnerUp     the other finalist picked
  TieBreak     the predicted total of the final game, as a whole number

Messages about faulty files go to standard error; such a file is still scored
with what could be read of it. Exit status: 0 when done; 1 when the folder or
"BRACKWELL.BKT" is missing or the output cannot be written; 2 for a wrong
command line.

Output of outlook on standard output: a header line, then one line per file,
tab-separated as for score (percentages with two decimals, a point before them):
  FileName       the selection file's name
  PlayerName     the player's name, ", " and initials
  Score          points earned so far
  MaxScore       the most the selection can still reach
  BestPlace      the best final place still possible (1 = first; ties share it)
  WorstPlace     the worst final place still possible
  FirstOutright  outcomes (or simulated tournaments) the player wins alone
  FirstShared    the same, a tie for first among k players counting 1/k, to
                 six decimals
  FirstShare     FirstShared as a percentage of all outcomes
  ChanceSeeded   the chance of finishing first, in percent, when the better
                 seed is favoured in every game as past tournaments favour it
  ChanceEven     the same when every game is a coin toss
  Method         "exact", or "estimate +-X%" with X the 95% margin in
                 percentage points
  FirstStatus    "clinched" (first, alone or tied, in every outcome), "alive"
                 (in some), "eliminated" (in none); an estimate proves the
                 first and the last by a search, and says "unknown" of what
                 it could neither prove nor find
With --payout, after those:
  PrizeEven      the expected prize when every game is a coin toss
  PrizeSeeded    the same under the seed model
  PrizeStatus    "clinched" (a prize in every outcome), "alive", "out"
                 (or "unknown", as for FirstStatus)

Output of outlook --root FILE: a header line, then one line per open game and
team that can still win it:
  Position       the game's position (1-127)
  Round          its round (1-6)
  Team           the team
  FirstShared    the outcomes with that result in which FILE comes first, a tie
                 among k counting 1/k, to six decimals
  ChanceEven     FILE's chance of first given that result, every game a coin
                 toss, in percent
  ChanceSeeded   the same under the seed model
)";
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << UsageText();
        return kExitUsage;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        out << UsageText();
        return out.flush() ? kExitOk : kExitFailure;
    }
    if (command == "score") return RunScoreCommand({args.begin() + 1, args.end()}, out, err);
    if (command == "report") return RunReportCommand({args.begin() + 1, args.end()}, out, err);
    if (command == "outlook") return RunOutlookCommand({args.begin() + 1, args.end()}, out, err);
    if (command == "check") return RunCheckCommand({args.begin() + 1, args.end()}, out, err);
    if (command == "quillon") return RunQuillonCommand({args.begin() + 1, args.end()}, out, err);
    err << kProgramName << ": unknown command \"" << command << "\"; see " << kProgramName << " --help\n";
    return kExitUsage;
}

}  // namespace brackwell::cli
