#include "analysis/search/searchwork.h"

#include "analysis/crib.h"
#include "analysis/statistics/languagemodel.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/search/pairtables.h"
#include "analysis/solver.h"

#include "engine/keyedsquare.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>

namespace playfair::analysis {

namespace {

using Clock = std::chrono::steady_clock;

// The words a task of a list tries, and the first words of a phrase task.
constexpr std::size_t entriesPerTask = 4096;
constexpr std::size_t phrasesPerTask = 75000;

// The phrases of a first word and every built-in word are tried for the
// first words of this many of the best key words found, at two points:
// after the books' pairs, and after the phrases of common words.
constexpr std::size_t firstWordsTaken = 6;
constexpr int completionRounds = 2;

// Phrases and the system's word lists are tried on texts shorter than this
// (a classroom message has at most 40 letters): on longer ones the searches
// over keys' letters and over all squares find such keys, and the lists
// only name them.
constexpr std::size_t phrasesBelow = 60;
// The search over keys' letters runs beside the search over all squares on
// texts shorter than this.
constexpr std::size_t keySearchBelow = 100;

// A plaintext of the general search that reads like a language settles it
// alone on texts of this many letters or more; on shorter ones it must be
// reached by this many independent searches.
constexpr std::size_t settlesAloneFrom = 80;
constexpr int settlingAgreement = 2;
// A key word's plaintext that does not read very well settles it when no
// other plaintext found comes within this many log10 units of it.
constexpr double keyWordLead = 3;

// What the pools of one task or search keep.
constexpr std::size_t taskPool = 32;
constexpr std::size_t restartPool = 16;

// The share of each thread's time that the search over keys' letters takes
// from the search over all squares, and the most time it takes, by the length
// of the text. On the main window's messages (40 letters at most) a key word
// is the likelier key and the search over all squares has little hope, so
// they share the time for as long as the search runs; on longer texts the
// search over keys' letters has a budget of its own, so that a random square
// loses at most that much; on long ones the search over all squares finds any
// square, key word or not.
constexpr std::size_t classroomLetters = 40;
constexpr double keySearchBudget = 0.4; // seconds a thread

// When a key word's square may be the answer, the plaintext attack waits
// this long before it takes its thread from the key-word search.
constexpr auto plaintextAttackAfter = std::chrono::seconds(2);

double keySearchShare(std::size_t letters, SquareKind kind)
{
    if (kind == SquareKind::KeyWord)
        return 1;
    if (kind == SquareKind::Random || letters >= keySearchBelow)
        return 0;
    return 0.5;
}

// The share of each thread's time that the search over keys' letters takes
// from the rarer lists (the phrases, the system's lists), once the single
// words and the books' pairs are tried. Under 40 letters a quarter: such a
// text leaves a key in no list too little to lead the search to it (it
// found 2 to 5 of 10 at 30 letters, with half the time), while the phrases
// of a common word and a rarer one lie 20 M keys and more down the lists.
// From 40 letters half, where it finds most keys in no list.
double keySearchListShare(std::size_t letters)
{
    return letters < classroomLetters ? 0.25 : 0.5;
}

double keySearchSeconds(std::size_t letters, SquareKind kind)
{
    return kind == SquareKind::KeyWord || letters <= classroomLetters ? 1e300 : keySearchBudget;
}

// The bands of phrases of each language's phrase word list (see
// KeyWordSearch::phraseBands), worked out once.
const std::vector<std::size_t> &phraseBandsOf(Language language)
{
    const auto make = [](Language of) {
        return KeyWordSearch::phraseBands(KeyWordSearch::phraseWords, KeyWordSearch::phraseWordList(of).size(),
                                          phrasesPerTask);
    };
    static const std::vector<std::size_t> english = make(Language::English);
    static const std::vector<std::size_t> bulgarian = make(Language::Bulgarian);
    return language == Language::English ? english : bulgarian;
}

} // namespace

bool SearchWork::searchesSystemLists(std::size_t letters)
{
    return letters < phrasesBelow;
}

SearchWork::SearchWork(const std::vector<Letter> &searched, const SolverOptions &options, const Crib *crib,
                       const Chooser &chooser, int threads)
    : m_searched(searched)
    , m_options(options)
    , m_crib(crib)
    , m_chooser(chooser)
    , m_generalScore(GroupScore::of(LetterStatistics::of(options.language.value_or(Language::English))))
    , m_finishScore(GroupScore::of(Chooser::model(options.language.value_or(Language::English))))
    , m_keyWords(searched, options.language, KeyPriors::forKind(options.squares, KeyWordSearch::phraseCount()), crib)
    , m_keyShare(keySearchShare(searched.size(), options.squares))
    , m_keyBudget(keySearchSeconds(searched.size(), options.squares))
    , m_keyListShare(keySearchListShare(searched.size()))
    , m_plaintextShare(options.plaintextAttack && options.squares != SquareKind::KeyWord
                               && PlaintextAttack::worthRunning(searched.size())
                           ? (threads > 1 ? 1 : 0.5)
                           : 0)
    , m_plaintextDelay(options.squares == SquareKind::Random ? Clock::duration{} : plaintextAttackAfter)
{
    if (!options.language) {
        m_keyWords.setSettledLanguage(&m_shared.settledLanguage);
        m_secondScore = GroupScore::of(LetterStatistics::of(Language::Bulgarian));
        m_secondFinish = GroupScore::of(Chooser::model(Language::Bulgarian));
    }
    m_lists.reserve(options.wordLists.size() + 12);
    if (options.squares == SquareKind::Random)
        return;

    // The key words' probability shared out between the lists: the
    // program's own example key words, a class's own lists, the built-in
    // words, then the system's lists; within each group alike for every word.
    const bool user = !options.wordLists.empty();
    // The system's lists hold a million rarer words: worth their time only
    // on short texts; on longer ones they only name the key word found.
    const bool system = options.systemWordLists && searchesSystemLists(searched.size()) && !SystemWordLists::paths().empty();
    const double exampleShare = user ? 0.1 : 0.15;
    const double userShare = user ? 0.45 : 0;
    m_systemShare = system ? (1 - exampleShare - userShare) * 0.4 : 0;
    const double builtInShare = 1 - exampleShare - userShare - m_systemShare;

    const double words = m_keyWords.priors().listWord;
    addList(KeyWordSearch::exampleList(), words + std::log10(exampleShare / double(KeyWordSearch::exampleList().size())));
    std::size_t userWords = 0;
    for (const KeyWordList &list : options.wordLists)
        userWords += list.size();
    for (const KeyWordList &list : options.wordLists)
        addList(list, words + std::log10(userShare / double(std::max<std::size_t>(userWords, 1))));
    m_favouredLists = m_lists.size();
    const KeyWordList &english = KeyWordSearch::builtInList(Language::English);
    const KeyWordList &bulgarian = KeyWordSearch::builtInList(Language::Bulgarian);
    const double builtIn = words + std::log10(builtInShare / double(english.size() + bulgarian.size()));
    addList(english, builtIn);
    addList(bulgarian, builtIn);
    m_shared.wordTasksLeft = int(m_tasks.size());
    for (Task &task : m_tasks)
        task.word = true;
    m_systemQueued = !system;
    m_shared.systemListsPending = system;

    // The two languages' parts in turn, so that the likeliest of either
    // come before the rarer of the other.
    const auto inTurns = [this](std::size_t begin, std::size_t middle) {
        std::vector<Task> turns;
        std::size_t first = begin;
        std::size_t second = middle;
        while (first < middle || second < m_tasks.size()) {
            if (first < middle)
                turns.push_back(m_tasks[first++]);
            if (second < m_tasks.size())
                turns.push_back(m_tasks[second++]);
        }
        std::copy(turns.begin(), turns.end(), m_tasks.begin() + std::ptrdiff_t(begin));
    };
    if (searched.size() < phrasesBelow) {
        // The books' pairs of words, the commonest first; then the phrases
        // of two common words, the likeliest first.
        const KeyWordList &englishPairs = KeyWordSearch::pairList(Language::English);
        const KeyWordList &bulgarianPairs = KeyWordSearch::pairList(Language::Bulgarian);
        const double pair = m_keyWords.priors().pairs - std::log10(double(englishPairs.size() + bulgarianPairs.size()));
        const std::size_t pairsBegin = m_tasks.size();
        addList(englishPairs, pair);
        const std::size_t bulgarianBegin = m_tasks.size();
        addList(bulgarianPairs, pair);
        for (std::size_t t = pairsBegin; t < m_tasks.size(); ++t)
            m_tasks[t].language = int(t < bulgarianBegin ? Language::English : Language::Bulgarian);
        inTurns(pairsBegin, bulgarianBegin);
        // The phrases of a common word and any other, in bands of their
        // ranks' product. The likeliest are counted, as many as there are
        // phrases of two common words: a key that waits for every list to
        // be tried waits for them; the rest come after the system's lists.
        const std::size_t phrasesBegin = m_tasks.size();
        m_phrasesBegin = phrasesBegin;
        std::array<std::vector<Task>, 2> later;
        std::size_t bulgarianPhrases = phrasesBegin;
        for (Language language : {Language::English, Language::Bulgarian}) {
            const std::vector<std::size_t> &bands = phraseBandsOf(language);
            if (language == Language::Bulgarian)
                bulgarianPhrases = m_tasks.size();
            for (std::size_t band = 0; band + 1 < bands.size(); ++band) {
                Task task{Task::Kind::Phrases, std::uint32_t(language), bands[band], bands[band + 1]};
                task.language = int(language);
                if (band * phrasesPerTask < KeyWordSearch::phraseWords * KeyWordSearch::phraseWords)
                    m_tasks.push_back(task);
                else
                    later[std::size_t(language)].push_back(task);
            }
        }
        inTurns(phrasesBegin, bulgarianPhrases);
        for (Task &task : m_tasks) {
            task.counted = true;
            task.pairs = task.word || (task.kind == Task::Kind::Entries && task.language >= 0);
        }
        m_countedEnd = m_tasks.size();
        for (std::size_t i = 0; i < later[0].size() || i < later[1].size(); ++i) {
            for (const std::vector<Task> &tasks : later) {
                if (i < tasks.size())
                    m_tasks.push_back(tasks[i]);
            }
        }
    } else {
        for (Task &task : m_tasks) {
            task.counted = true;
            task.pairs = task.word;
        }
        m_countedEnd = m_tasks.size();
    }
    m_shared.tasksLeft = int(m_countedEnd);
    if (searched.size() >= phrasesBelow)
        m_completionRounds = completionRounds;
    m_shared.pairTasksLeft = int(std::count_if(m_tasks.begin(), m_tasks.end(), [](const Task &task) { return task.pairs; }));
}

void SearchWork::addList(const KeyWordList &words, double keyLog10, const std::vector<bool> *skipped)
{
    if (words.empty() || !(keyLog10 > -1e8))
        return;
    m_lists.push_back({&words, keyLog10, skipped});
    const auto list = std::uint32_t(m_lists.size() - 1);
    for (std::size_t begin = 0; begin < words.size(); begin += entriesPerTask)
        m_tasks.push_back({Task::Kind::Entries, list, begin, std::min(begin + entriesPerTask, words.size())});
}

void SearchWork::queueSystemLists()
{
    // With the mutex held.
    if (m_systemQueued || !SystemWordLists::instance().ready())
        return;
    m_systemQueued = true;
    const std::vector<KeyWordList> &lists = SystemWordLists::instance().lists();
    // Their entries that place what a built-in word or an earlier entry
    // places build a square tried already: half of them, most of them
    // Bulgarian forms.
    const std::vector<std::vector<bool>> &repeats = SystemWordLists::instance().placingRepeats();
    std::size_t words = 0;
    for (const KeyWordList &list : lists)
        words += list.size();
    const double keyLog10 = m_keyWords.priors().listWord + std::log10(m_systemShare / double(std::max<std::size_t>(words, 1)));
    const std::size_t before = m_tasks.size();
    for (std::size_t l = 0; l < lists.size(); ++l) {
        const KeyWordList &list = lists[l];
        if (m_lists.size() >= m_lists.capacity())
            continue;
        const std::size_t listBegin = m_tasks.size();
        addList(list, keyLog10, l < repeats.size() ? &repeats[l] : nullptr);
        const bool bulgarian = list.name().find("bulgarian") != std::string::npos;
        for (std::size_t t = listBegin; t < m_tasks.size(); ++t)
            m_tasks[t].language = int(bulgarian ? Language::Bulgarian : Language::English);
    }
    for (std::size_t t = before; t < m_tasks.size(); ++t)
        m_tasks[t].system = true;
    m_shared.systemTasksLeft += int(m_tasks.size() - before);
    // They come after the lists counted, before the phrases of rarer words
    // that wait for them.
    const std::size_t at = std::max(m_nextTask, m_countedEnd);
    if (at < before)
        std::rotate(m_tasks.begin() + std::ptrdiff_t(at), m_tasks.begin() + std::ptrdiff_t(before), m_tasks.end());
    m_shared.systemListsPending = false;
}

int SearchWork::skippedLanguage() const
{
    // A phrase or a rarer word of the other language is a key a class
    // seldom gives a text: once the language is known, by name or by a
    // plaintext that settled it, that language's pairs, phrases and system
    // list are left untried (its commoner words have been tried by then).
    const int known = m_options.language ? int(*m_options.language) : m_languageKnown;
    if (known < 0)
        return -1;
    return known == int(Language::English) ? int(Language::Bulgarian) : int(Language::English);
}

void SearchWork::taskDone(const Task &task)
{
    // The tasks of the first lists are counted down: the system's lists,
    // queued later, are not waited for.
    if (task.word)
        --m_shared.wordTasksLeft;
    if (task.pairs)
        --m_shared.pairTasksLeft;
    if (task.counted)
        --m_shared.tasksLeft;
    if (task.system)
        --m_shared.systemTasksLeft;
}

void SearchWork::queueCompletions()
{
    // The first words of the best key words found: a word of a list, or
    // the first of a phrase, whose square reads partly right may begin a
    // phrase whose second word is rarer than the phrases of common words reach.
    std::vector<const Judged *> keyed;
    for (const Judged &judged : m_shared.judged) {
        if (judged.candidate.origin == KeyOrigin::ListWord || judged.candidate.origin == KeyOrigin::Phrase)
            keyed.push_back(&judged);
    }
    std::sort(keyed.begin(), keyed.end(), [](const Judged *a, const Judged *b) { return a->verdict.total > b->verdict.total; });
    std::vector<Task> queued;
    std::size_t taken = 0;
    for (const Judged *judged : keyed) {
        if (taken == firstWordsTaken)
            break;
        const std::optional<KeyName> key = keyOf(judged->candidate);
        if (!key || key->text.empty())
            continue;
        const std::string first = key->text.substr(0, key->text.find(' '));
        if (std::find(m_firstWords.begin(), m_firstWords.end(), first) != m_firstWords.end())
            continue;
        ++taken;
        m_firstWords.push_back(first);
        const auto index = std::uint32_t(m_firstWords.size() - 1);
        for (Language language : {Language::English, Language::Bulgarian}) {
            const std::size_t words = KeyWordSearch::builtInList(language).size();
            for (std::size_t begin = 0; begin < words; begin += entriesPerTask) {
                Task task{Task::Kind::Completions, index, begin, std::min(begin + entriesPerTask, words)};
                task.language = int(language);
                task.counted = true;
                queued.push_back(task);
            }
        }
    }
    m_tasks.insert(m_tasks.begin() + std::ptrdiff_t(m_nextTask), queued.begin(), queued.end());
    if (m_countedEnd >= m_nextTask)
        m_countedEnd += queued.size();
    if (m_phrasesBegin > m_nextTask)
        m_phrasesBegin += queued.size();
    m_shared.tasksLeft += int(queued.size());
}

bool SearchWork::takeTask(Task &task)
{
    std::lock_guard lock(m_shared.mutex);
    queueSystemLists();
    if (m_completionRounds < completionRounds
        && m_nextTask == (m_completionRounds == 0 ? m_phrasesBegin : m_countedEnd)) {
        ++m_completionRounds;
        queueCompletions();
    }
    bool skipped = false;
    const int skip = skippedLanguage();
    bool taken = false;
    while (!taken && m_nextTask < m_tasks.size()) {
        task = m_tasks[m_nextTask++];
        taken = task.language < 0 || task.language != skip;
        if (!taken) {
            taskDone(task);
            skipped = true;
        }
    }
    if (skipped)
        m_shared.changed.notify_all();
    return taken;
}

Judged SearchWork::judge(const Candidate &candidate) const
{
    Judged judged;
    judged.candidate = candidate;
    // A square of the general search is one of 25!/25.
    if (candidate.origin == KeyOrigin::Square)
        judged.candidate.keyLog10 = m_keyWords.priors().randomSquare;
    judged.verdict = m_chooser.judge(judged.candidate, m_shared.bestTotal.load(std::memory_order_relaxed));
    std::vector<Letter> plain(m_searched.size());
    decryptLetters(candidate.square, m_searched.data(), m_searched.size(), plain.data());
    judged.hash = plainHash(plain.data(), plain.size());
    return judged;
}

std::pair<std::uint64_t, bool> SearchWork::admit(const CandidatePool &pool)
{
    // The chooser reads every candidate off the lock; squares that break
    // the crib are never taken.
    std::vector<Judged> judged;
    judged.reserve(pool.size());
    const Candidate *top = nullptr;
    std::uint64_t topHash = 0;
    for (const Candidate &candidate : pool.candidates()) {
        if (m_crib) {
            std::vector<Letter> plain(m_searched.size());
            decryptLetters(candidate.square, m_searched.data(), m_searched.size(), plain.data());
            if (!m_crib->heldBy(plain.data()))
                continue;
        }
        judged.push_back(judge(candidate));
        if (!top || candidate.score > top->score) {
            top = &candidate;
            topHash = judged.back().hash;
        }
    }
    bool changed = false;
    std::lock_guard lock(m_shared.mutex);
    for (const Judged &j : judged) {
        if (m_options.onCandidate)
            m_options.onCandidate(j.candidate.square);
        changed = m_shared.admit(j) || changed;
    }
    settleLanguage();
    return {topHash, changed};
}

void SearchWork::settleLanguage()
{
    // The language is settled by a plaintext that reads like it. On a long
    // text noise of either language comes nowhere near; on a short one a
    // search may climb noise that does, and a list of a million keys may
    // hold one whose noise does, and settling on it would leave the other
    // language unsearched: such a plaintext must first be reached by
    // independent searches, which noise seldom is, and a key word's must
    // read very well or far better than any other found.
    const Judged *chosen = m_shared.best();
    if (!m_chooser.findsTheLanguage() || !chosen || m_shared.settledLanguage.load(std::memory_order_relaxed) >= 0)
        return;
    const std::size_t letters = m_searched.size();
    const Language language = chosen->verdict.language;
    const double mean = chosen->verdict.meanLetterLog10;
    if (mean < m_chooser.readsLikeTheLanguage(letters, language))
        return;
    const bool trusted = chosen->fromKeyWord()
        ? letters >= settlesAloneFrom || mean >= m_chooser.readsVeryWell(letters, language)
            || chosen->verdict.total - m_shared.runnerUp() >= keyWordLead
        : letters >= settlesAloneFrom || m_shared.agreeing >= settlingAgreement;
    if (trusted) {
        m_shared.settledLanguage.store(int(language), std::memory_order_relaxed);
        // The other language's rarer lists are left untried only on a
        // plaintext that reads very well: one that only leads the few keys
        // tried so far may be the other language's noise.
        if (letters >= settlesAloneFrom || mean >= m_chooser.readsVeryWell(letters, language))
            m_languageKnown = int(language);
    }
}

void SearchWork::runTask(const Task &task, CandidatePool &pool)
{
    pool.clear();
    std::uint64_t tried = 0;
    if (task.kind == Task::Kind::Entries) {
        const List &list = m_lists[task.list];
        tried = m_keyWords.tryEntries(*list.words, list.keyLog10, task.list, task.begin, task.end, pool, m_shared.halt,
                                      list.skipped);
    } else if (task.kind == Task::Kind::Completions) {
        // The first word is read under the lock: the words queued may grow.
        std::string first;
        {
            std::lock_guard lock(m_shared.mutex);
            first = m_firstWords[task.list];
        }
        const Language language = Language(task.language);
        // One of the phrases of a first word and any built-in word.
        const double keyLog10 = m_keyWords.rarePhraseLog10();
        tried = m_keyWords.tryCompletions(first, language, task.begin, task.end, keyLog10,
                                          2 + 2 * task.list + (language == Language::Bulgarian ? 1 : 0), pool,
                                          m_shared.halt);
    } else {
        tried = m_keyWords.tryPhrases(task.list ? Language::Bulgarian : Language::English, task.begin, task.end, pool,
                                      m_shared.halt);
    }
    m_shared.keys.fetch_add(tried, std::memory_order_relaxed);
    m_shared.keyWords.fetch_add(tried, std::memory_order_relaxed);
    admit(pool);
    std::lock_guard lock(m_shared.mutex);
    taskDone(task);
    m_shared.changed.notify_all();
}

void SearchWork::generalRestart(Annealer &annealer, const SearchPlan &plan, CandidatePool &pool,
                                std::optional<Language> climbed, Square &best, bool &haveBest,
                                std::uint64_t &bestVersion)
{
    pool.clear();
    const Annealer::Outcome outcome = annealer.restart(plan, haveBest ? &best : nullptr, m_shared.halt, m_shared.keys, &pool);
    if (!outcome.finished)
        return;
    std::vector<Letter> plain(m_searched.size());
    decryptLetters(outcome.square, m_searched.data(), m_searched.size(), plain.data());
    const std::uint64_t ended = plainHash(plain.data(), plain.size());
    const auto [topHash, changed] = admit(pool);
    (void)topHash;

    std::lock_guard lock(m_shared.mutex);
    ++m_shared.restarts;
    const Judged *top = m_shared.best();
    const bool shookTheBest = !outcome.fromScratch && bestVersion == m_shared.version;
    if (changed) {
        m_shared.agreeing = top && top->hash == ended && outcome.fromScratch ? 1 : 0;
        m_shared.shakenInVain = 0;
        m_shared.keySearchAgreeing = 0;
    } else if (top && top->hash == ended && outcome.fromScratch) {
        ++m_shared.agreeing;
    } else if (shookTheBest) {
        ++m_shared.shakenInVain;
    }
    settleLanguage();
    // Every search shakes the best square any search has found (in the
    // language it climbs, while that is to be found); a crib search may
    // shake its own best when no square holds the crib yet.
    const Judged *shaken = climbed ? m_shared.bestIn(*climbed) : top;
    if (shaken) {
        best = shaken->candidate.square;
        bestVersion = m_shared.version;
        haveBest = true;
    } else if (!haveBest || outcome.score > annealer.scoreOf(best)) {
        best = outcome.square;
        haveBest = true;
    }
    m_shared.changed.notify_all();
}

void SearchWork::keyRestart(Random &random, CandidatePool &pool, int restart)
{
    // Every other search starts from one of the best key words found so far:
    // a phrase of a rare word shares its first word's letters with one.
    std::optional<Candidate> from;
    if (restart % 2 == 1) {
        std::lock_guard lock(m_shared.mutex);
        std::vector<const Judged *> keyed;
        for (const Judged &judged : m_shared.judged) {
            if (judged.fromKeyWord())
                keyed.push_back(&judged);
        }
        std::sort(keyed.begin(), keyed.end(), [](const Judged *a, const Judged *b) { return a->verdict.total > b->verdict.total; });
        if (!keyed.empty())
            from = keyed[random.below(std::uint32_t(std::min<std::size_t>(keyed.size(), 8)))]->candidate;
    }
    pool.clear();
    const std::uint64_t tried = m_keyWords.searchKeys(random, from ? &*from : nullptr, pool, m_shared.halt);
    m_shared.keys.fetch_add(tried, std::memory_order_relaxed);
    m_shared.keyWords.fetch_add(tried, std::memory_order_relaxed);
    if (m_shared.halt.load(std::memory_order_relaxed))
        return;
    // A search that ends on the best plaintext counts as reaching it on its
    // own when it started anywhere but at that plaintext's key: from a
    // random key, or from another key word found.
    std::uint64_t fromHash = 0;
    if (from) {
        std::vector<Letter> plain(m_searched.size());
        decryptLetters(from->square, m_searched.data(), m_searched.size(), plain.data());
        fromHash = plainHash(plain.data(), plain.size());
    }
    const auto [topHash, changed] = admit(pool);
    std::lock_guard lock(m_shared.mutex);
    ++m_shared.restarts;
    const Judged *top = m_shared.best();
    const bool reached = top && top->hash == topHash && (!from || fromHash != topHash);
    if (changed)
        m_shared.keySearchAgreeing = reached ? 1 : 0;
    else if (reached)
        ++m_shared.keySearchAgreeing;
    m_shared.changed.notify_all();
}

void SearchWork::run(std::uint64_t seed)
{
    Random random(seed);
    CandidatePool pool(taskPool);
    CandidatePool restartCandidates(restartPool);

    // The lists first. Once the single words and the books' pairs are
    // tried, the search over keys' letters takes its share of each thread's
    // time from the rarer lists (see keySearchListShare): a key in no list
    // is as likely as a phrase, and it need not wait for millions of them.
    Task task;
    double keySeconds = 0;
    int keyRestarts = 0;
    double listSeconds = 0;
    while (!m_shared.halt.load(std::memory_order_relaxed)) {
        const Clock::time_point began = Clock::now();
        bool pairsTried = false;
        {
            std::lock_guard lock(m_shared.mutex);
            pairsTried = m_shared.pairTasksLeft == 0;
        }
        if (pairsTried && m_keyShare > 0 && keySeconds < m_keyBudget
            && keySeconds * (1 - m_keyListShare) < m_keyListShare * listSeconds) {
            keyRestart(random, restartCandidates, keyRestarts++);
            keySeconds += std::chrono::duration<double>(Clock::now() - began).count();
            continue;
        }
        if (!takeTask(task))
            break;
        runTask(task, pool);
        listSeconds += std::chrono::duration<double>(Clock::now() - began).count();
    }

    std::optional<Annealer> annealer;
    if (m_keyShare < 1) {
        annealer.emplace(m_generalScore, m_searched, m_crib, random.next());
        annealer->setFinish(&m_finishScore);
        if (m_secondScore)
            annealer->setSecondLanguage(&*m_secondScore, &*m_secondFinish);
    }
    const SearchPlan plan = SearchPlan::forLength(m_searched.size());
    // The square each search shakes: the best found, or while the language
    // is to be found the best that reads in the language the search climbs.
    std::array<Square, 2> best{};
    std::array<bool, 2> haveBest{};
    std::array<std::uint64_t, 2> bestVersion{};
    double generalSeconds = 0;
    // While the language is to be found, the searches climb the two
    // languages in turn (the threads out of step), each shaking its own
    // language's best square: either language's tables alone lead a search
    // well, and neither language's noise reads so much worse than the
    // other's that a search could choose by how its plaintext reads.
    bool settled = !m_secondScore;
    const int thread = m_threadsStarted.fetch_add(1, std::memory_order_relaxed);
    int generalRestarts = 0;
    // The first thread runs the plaintext attack, in its share of the time,
    // until the attack has nothing more to do.
    std::unique_ptr<PlaintextAttack> attack;
    bool attacking = thread == 0 && m_plaintextShare > 0;
    double plaintextSeconds = 0;
    while (!m_shared.halt.load(std::memory_order_relaxed)) {
        if (!settled && annealer && m_shared.settledLanguage.load(std::memory_order_relaxed) >= 0) {
            settled = true;
            const bool bulgarian = m_shared.settledLanguage.load(std::memory_order_relaxed) == int(Language::Bulgarian);
            annealer->setLanguage(bulgarian ? *m_secondScore : m_generalScore, bulgarian ? &*m_secondFinish : &m_finishScore);
        }
        const bool inOther = !settled && (thread + generalRestarts) % 2 == 1;
        if (!settled && annealer)
            annealer->setLead(inOther);
        // The system's word lists, once read, are tried before anything else.
        if (takeTask(task)) {
            runTask(task, pool);
            continue;
        }
        const Clock::time_point began = Clock::now();
        // It starts once this thread's first search has ended, so that the
        // solver has an answer to show however short its time.
        if (attacking && (generalRestarts > 0 || keyRestarts > 0) && began - m_began >= m_plaintextDelay
            && plaintextSeconds <= m_plaintextShare * (plaintextSeconds + keySeconds + generalSeconds)) {
            attacking = plaintextStep(attack, restartCandidates);
            plaintextSeconds += std::chrono::duration<double>(Clock::now() - began).count();
            if (!attacking)
                attack.reset();
            continue;
        }
        const bool keySearch = m_keyShare >= 1
            || (m_keyShare > 0 && keySeconds < m_keyBudget && keySeconds <= m_keyShare * (keySeconds + generalSeconds));
        if (keySearch) {
            keyRestart(random, restartCandidates, keyRestarts++);
        } else {
            // Before the language is settled the chains follow the
            // languages; after it, the first chain follows the best.
            const std::optional<Language> climbed = settled ? std::nullopt
                : std::optional(inOther ? Language::Bulgarian : Language::English);
            const std::size_t chain = inOther ? 1 : 0;
            generalRestart(*annealer, plan, restartCandidates, climbed, best[chain], haveBest[chain], bestVersion[chain]);
            ++generalRestarts;
        }
        (keySearch ? keySeconds : generalSeconds) += std::chrono::duration<double>(Clock::now() - began).count();
    }
}

bool SearchWork::plaintextStep(std::unique_ptr<PlaintextAttack> &attack, CandidatePool &pool)
{
    if (!attack)
        attack = std::make_unique<PlaintextAttack>(m_searched, m_options.language);
    pool.clear();
    const std::uint64_t before = attack->prefixesTried();
    const bool more = attack->step(m_shared.halt, [&pool](const Square &square, const std::vector<Letter> &plain,
                                                          double log10, Language) {
        Candidate candidate;
        candidate.square = square;
        candidate.score = log10;
        candidate.plainHash = plainHash(plain.data(), plain.size());
        pool.offer(candidate);
    });
    m_shared.plaintexts.fetch_add(attack->prefixesTried() - before, std::memory_order_relaxed);
    if (pool.size() > 0) {
        admit(pool);
        std::lock_guard lock(m_shared.mutex);
        m_shared.changed.notify_all();
    }
    return more;
}

bool SearchWork::fromFavouredList(const Candidate &candidate) const
{
    return candidate.origin == KeyOrigin::ListWord && candidate.list < m_favouredLists;
}

std::optional<KeyName> SearchWork::keyOf(const Candidate &candidate) const
{
    switch (candidate.origin) {
    case KeyOrigin::ListWord:
        return KeyName{std::string(m_lists[candidate.list].words->at(candidate.entry)), true, candidate.square,
                       candidate.route};
    case KeyOrigin::Phrase: {
        if (candidate.list >= 2) {
            // A first word found, and a built-in word.
            const std::uint32_t first = (candidate.list - 2) / 2;
            const Language language = candidate.list % 2 ? Language::Bulgarian : Language::English;
            return KeyName{m_firstWords[first] + " " + std::string(KeyWordSearch::builtInList(language).at(candidate.second)),
                           true, candidate.square, candidate.route};
        }
        const KeyWordList &words = KeyWordSearch::phraseWordList(candidate.list ? Language::Bulgarian : Language::English);
        return KeyName{std::string(words.at(candidate.entry)) + " " + std::string(words.at(candidate.second)), true,
                       candidate.square, candidate.route};
    }
    case KeyOrigin::KeySearch:
        return KeyName{shortestKeyFor(squareToText(candidate.square), candidate.route).value_or(std::string()), false,
                       candidate.square, candidate.route};
    case KeyOrigin::Square:
        break;
    }
    return std::nullopt;
}

std::optional<KeyName> SearchWork::nameKey(const Square &square, std::uint32_t used) const
{
    // With the mutex held: the lists do not change.
    std::vector<const KeyWordList *> lists;
    for (const List &list : m_lists)
        lists.push_back(list.words);
    const std::vector<const KeyWordList *> phrases{&KeyWordSearch::phraseList(Language::English),
                                                   &KeyWordSearch::phraseList(Language::Bulgarian)};
    // The pairs of the books name phrases on every text.
    for (Language language : {Language::English, Language::Bulgarian}) {
        const KeyWordList &pairs = KeyWordSearch::pairList(language);
        if (std::find(lists.begin(), lists.end(), &pairs) == lists.end())
            lists.push_back(&pairs);
    }
    std::optional<KeyName> name = KeyNamer(lists, phrases).name(square, used);
    if ((name && name->inList) || KeyNamer::shortestKey(square, used).text.size() > KeyNamer::longestWordKey)
        return name;
    // A short key no list of the search names may be a rarer word of the
    // system's lists: they are read now if they have not been yet.
    if (m_options.systemWordLists) {
        for (const KeyWordList &list : SystemWordLists::instance().lists()) {
            if (std::find(lists.begin(), lists.end(), &list) == lists.end())
                lists.push_back(&list);
        }
        name = KeyNamer(lists, phrases).name(square, used);
        if (name && name->inList)
            return name;
    }
    // Or a phrase of a common word and a rarer one, as the search tries
    // them: the search over keys' letters may reach it first (THADRKLING
    // for THAT DARKLING).
    const std::optional<KeyName> rarer
        = KeyNamer({}, phrases,
                   {&KeyWordSearch::phraseWordList(Language::English), &KeyWordSearch::phraseWordList(Language::Bulgarian)})
              .name(square, used);
    return rarer && rarer->inList ? rarer : name;
}

} // namespace playfair::analysis
