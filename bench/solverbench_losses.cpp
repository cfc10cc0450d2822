// The solver's benchmark on where the texts not solved go: each random-square
// text broken with the language named and with it left to the solver, on a
// fixed number of keys (the budget the benchmark's time limit gives on a
// quiet machine) and on past it, sorting every text not solved within the
// budget by what went wrong.

#include "analysis/keywords/keysquares.h"
#include "analysis/keywords/keywordsearch.h"
#include "analysis/search/chooser.h"
#include "analysis/search/pairtables.h"
#include "bench/solvercases.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace playfair::bench {

namespace {

// What became of one text in one run.
enum class Fate {
    Solved,      // the chooser's answer was the plaintext when the budget ran out
    NeverReached, // (a) no search offered the plaintext, within the budget or after it
    NotChosen,   // (b) a search offered it within the budget, and the chooser kept another
    TooLate,     // (c) first offered after the budget
    Bulgarian,   // (d) the language found settled on Bulgarian, the plaintext never offered in time
    TooFew,      // (d) the plaintext never offered in time, though the run with the language named offered it
};

struct LossRun
{
    Fate fate = Fate::NeverReached;
    double reachedAt = -1;     // millions of keys when a search first offered the plaintext
    bool chosenAtEnd = false;  // the answer at the end of the longer run
    std::optional<Language> settled; // the language settled by the budget
    double chosenTotal = 0;  // the chooser's total of the answer at the end
    double truthTotal = 0;   // and of the plaintext
};

LossRun solveCounted(const Case &c, SolverOptions options, double budget, double late)
{
    LossRun run;
    const std::vector<Letter> truth = lettersOf(c.plain);
    std::atomic<std::uint64_t> keys{0};
    std::mutex reachedMutex;
    options.progressInterval = std::chrono::milliseconds(5);
    options.onCandidate = [&](const Square &square) {
        std::vector<Letter> plain(c.cipher.size());
        decryptLetters(square, c.cipher.data(), c.cipher.size(), plain.data());
        if (plain == truth) {
            std::lock_guard lock(reachedMutex);
            if (run.reachedAt < 0)
                run.reachedAt = double(keys.load()) / 1e6;
        }
    };
    std::stop_source stop;
    bool pastBudget = false;
    bool rightAtBudget = false;
    options.onProgress = [&](const SolverReport &report) {
        keys.store(report.keysTested);
        const double millions = double(report.keysTested) / 1e6;
        if (!pastBudget && millions >= budget) {
            pastBudget = true;
            rightAtBudget = report.plaintext == c.plain;
            run.settled = report.settledLanguage;
        }
        if (millions >= budget * late)
            stop.request_stop();
    };
    const SolverResult result = solve(c.cipher, options, stop.get_token());
    run.chosenAtEnd = result.plaintext == c.plain;
    run.chosenTotal = result.chosenTotal;
    const double randomKey = KeyPriors::forKind(SquareKind::Any, KeyWordSearch::phraseCount()).randomSquare;
    run.truthTotal = Chooser(options.language, c.cipher).judge(c.square, randomKey).total;
    if (!pastBudget) {
        // The search ended, confident, before the budget ran out.
        rightAtBudget = run.chosenAtEnd;
        run.settled = result.settledLanguage;
    }
    std::lock_guard lock(reachedMutex);
    if (rightAtBudget)
        run.fate = Fate::Solved;
    else if (run.reachedAt >= 0 && run.reachedAt < budget)
        run.fate = Fate::NotChosen;
    else if (run.reachedAt >= 0)
        run.fate = Fate::TooLate;
    else
        run.fate = Fate::NeverReached;
    return run;
}

const char *fateName(Fate fate)
{
    switch (fate) {
    case Fate::Solved:
        return "solved";
    case Fate::NeverReached:
        return "(a) never reached";
    case Fate::NotChosen:
        return "(b) reached, another chosen";
    case Fate::TooLate:
        return "(c) reached after the budget";
    case Fate::Bulgarian:
        return "(d) settled on Bulgarian";
    case Fate::TooFew:
        return "(d) reached only when named";
    }
    return "";
}

} // namespace

int benchLosses(const Options &options, const std::string &text)
{
    std::printf("Where the texts go, language named and found; held-out text %s (%zu letters); language %s; random "
                "squares; %d texts a length; seed %llu; %d threads; budget %.0f M keys, searched on to %.0f M\n\n",
                options.heldout.c_str(), text.size(), std::string(languageCode(options.language)).c_str(), options.texts,
                static_cast<unsigned long long>(options.seed), options.threads, options.keyBudget,
                options.keyBudget * options.losses);
    std::printf("| Letters | Language | Solved | (a) never reached | (b) reached, another chosen | (c) reached after the "
                "budget (chosen then) | (d) settled on Bulgarian | (d) reached only when named |\n");
    std::printf("|---:|---|---:|---:|---:|---:|---:|---:|\n");
    Options named = options;
    named.autoLanguage = false;
    Random rng(options.seed);
    for (int length : options.lengths) {
        std::array<std::array<int, 6>, 2> counts{};
        std::array<int, 2> lateChosen{};
        for (int t = 0; t < options.texts; ++t) {
            Case c = makeCase(text, std::size_t(length), rng, options.doubles);
            encryptOn(c, randomSquare(rng));
            SolverOptions withLanguage = solverOptionsFor(named, rng);
            withLanguage.timeLimit = noTimeLimit;
            SolverOptions withoutLanguage = withLanguage;
            withoutLanguage.language.reset();
            const LossRun byName = solveCounted(c, withLanguage, options.keyBudget, options.losses);
            LossRun byItself = solveCounted(c, withoutLanguage, options.keyBudget, options.losses);
            if (byItself.fate == Fate::NeverReached || byItself.fate == Fate::TooLate) {
                if (byItself.settled == Language::Bulgarian && options.language == Language::English)
                    byItself.fate = Fate::Bulgarian;
                else if (byName.reachedAt >= 0 && byName.reachedAt < options.keyBudget)
                    byItself.fate = Fate::TooFew;
            }
            const std::array<const LossRun *, 2> runs{&byName, &byItself};
            for (std::size_t i = 0; i < 2; ++i) {
                ++counts[i][std::size_t(runs[i]->fate)];
                lateChosen[i] += runs[i]->fate == Fate::TooLate && runs[i]->chosenAtEnd;
            }
            std::fprintf(stderr, "  %d letters, text %d: named %s (reached at %.1f M%s; chosen %.1f, the truth %.1f), "
                                 "found %s (reached at %.1f M%s, settled %s; chosen %.1f, the truth %.1f)\n",
                         length, t + 1, fateName(byName.fate), byName.reachedAt, byName.chosenAtEnd ? ", chosen at the end" : "",
                         byName.chosenTotal, byName.truthTotal, fateName(byItself.fate), byItself.reachedAt,
                         byItself.chosenAtEnd ? ", chosen at the end" : "",
                         byItself.settled ? std::string(languageCode(*byItself.settled)).c_str() : "-",
                         byItself.chosenTotal, byItself.truthTotal);
        }
        for (std::size_t i = 0; i < 2; ++i) {
            const auto &n = counts[i];
            std::printf("| %d | %s | %d of %d | %d | %d | %d (%d) | %s | %s |\n", length, i ? "found" : "named",
                        n[std::size_t(Fate::Solved)], options.texts, n[std::size_t(Fate::NeverReached)],
                        n[std::size_t(Fate::NotChosen)], n[std::size_t(Fate::TooLate)], lateChosen[i],
                        i ? std::to_string(n[std::size_t(Fate::Bulgarian)]).c_str() : "—",
                        i ? std::to_string(n[std::size_t(Fate::TooFew)]).c_str() : "—");
        }
        std::fflush(stdout);
    }
    return 0;
}

} // namespace playfair::bench
