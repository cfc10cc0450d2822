// What follows from a by-hand board: the deduction's input, a change tried
// and taken or not, what is new since the board before, the square shown,
// the plaintext and the key-word search due.

#include "byhandsession.h"

#include "analysis/statistics/wordstatistics.h"
#include "byhandsquare.h"

#include <algorithm>

namespace playfair {

using namespace analysis;

namespace {

// How many complete guesses the key words need: with fewer, thousands fit.
constexpr int pairsForKeys = 2;
// How many new facts a note says what they rest on.
constexpr std::size_t factsWithPremises = 6;

// A fact about equations in the numbers of another input's equations, by
// the cipher pairs they stand under; nothing when that input has no
// equation under the pair.
std::optional<Fact> renumbered(const Fact &fact, const std::vector<int> &pairOf, const std::vector<int> &otherPairOf)
{
    const auto other = [&](std::size_t equation) -> std::optional<std::size_t> {
        const auto at = std::find(otherPairOf.begin(), otherPairOf.end(), pairOf[equation]);
        if (at == otherPairOf.end())
            return std::nullopt;
        return std::size_t(at - otherPairOf.begin());
    };
    if (const auto *ruledOut = std::get_if<RuledOut>(&fact)) {
        const auto equation = other(ruledOut->pair);
        return equation ? std::optional<Fact>(RuledOut{*equation, ruledOut->rule}) : std::nullopt;
    }
    if (const auto *filled = std::get_if<FilledIn>(&fact)) {
        const auto equation = other(filled->pair);
        return equation ? std::optional<Fact>(FilledIn{*equation, filled->position, filled->letter}) : std::nullopt;
    }
    return fact;
}

} // namespace

DeductionInput ByHandSession::inputOf(const ByHandBoard &board, std::vector<int> *pairOfEquation) const
{
    DeductionInput input;
    for (QChar c : board.ciphertext)
        input.ciphertext.push_back(Letter(letterNumberOf(c)));
    for (int pair = 0; pair < board.pairCount(); ++pair) {
        const QString &guess = board.guesses.value(pair);
        if (guess.isEmpty())
            continue;
        KnownPair known;
        known.plain = {letterNumberOf(guess[0]), letterNumberOf(guess[1])};
        known.cipher = {input.ciphertext[std::size_t(2 * pair)], input.ciphertext[std::size_t(2 * pair + 1)]};
        input.pairs.push_back(known);
        if (pairOfEquation)
            pairOfEquation->push_back(pair);
    }
    for (const PlacedCell &placed : board.placed)
        input.placed.push_back({Letter(letterNumberOf(placed.letter)), placed.cell});
    return input;
}

bool ByHandSession::tryBoard(const ByHandBoard &board, Change change)
{
    std::vector<int> pairOf;
    const DeductionInput input = inputOf(board, &pairOf);
    const DeductionResult result = deduce(input);
    if (result.consistency != Consistency::Contradictory) {
        setBoard(board, change);
        return true;
    }
    clearRejection();
    if (result.contradiction) {
        for (std::size_t equation : result.contradiction->pairs)
            change.contradictionPairs.append(pairOf[equation]);
        for (std::size_t placed : result.contradiction->placed)
            change.contradictionCells.append(input.placed[placed].cell);
        std::sort(change.contradictionPairs.begin(), change.contradictionPairs.end());
        std::sort(change.contradictionCells.begin(), change.contradictionCells.end());
    }
    if (change.kind == Change::Kind::Cell) {
        change.kind = Change::Kind::RejectedCell;
        m_rejectedCell = change.cell;
        m_rejectedLetter = change.text;
    } else if (change.kind == Change::Kind::Key) {
        change.kind = Change::Kind::RejectedKey;
    } else {
        if (change.kind == Change::Kind::Guess) {
            m_rejectedPair = change.pair;
            m_rejectedGuess = change.text;
        }
        change.kind = Change::Kind::RejectedGuess;
    }
    m_change = change;
    return false;
}

void ByHandSession::setBoard(ByHandBoard board, Change change)
{
    m_boards.resize(m_history + 1);
    m_boards.append(std::move(board));
    m_history = m_boards.size() - 1;
    m_board = m_boards.back();
    derive(std::move(change));
}

void ByHandSession::clearRejection()
{
    m_rejectedPair = -1;
    m_rejectedGuess.clear();
    m_rejectedCell = -1;
    m_rejectedLetter.clear();
}

void ByHandSession::derive(Change change)
{
    clearRejection();
    const bool sameText = m_input.ciphertext.size() == std::size_t(m_board.ciphertext.size())
        && lettersToText(m_input.ciphertext.data(), m_input.ciphertext.size()) == m_board.ciphertext.toStdString();
    const DeductionResult before = std::move(m_result);
    const std::vector<int> pairsBefore = std::move(m_pairOfEquation);
    m_pairOfEquation.clear();
    m_input = inputOf(m_board, &m_pairOfEquation);
    m_result = deduce(m_input);
    if (!sameText) {
        m_tally = CipherTally::of(m_board.ciphertext);
        m_box = inGroups(m_board.ciphertext);
    }

    // What is new since the board before, and what each of the first rests
    // on; a board opened is recounted from nothing, as a reminder.
    const bool recap = change.kind == Change::Kind::Opened;
    if (recap || (sameText && (change.kind == Change::Kind::Guess || change.kind == Change::Kind::Word
                               || change.kind == Change::Kind::Cell || change.kind == Change::Kind::Lesson))) {
        change.taught = true;
        for (const Fact &fact : before.facts) {
            if (!recap && std::holds_alternative<LetterDistance>(fact))
                change.distancesBefore.push_back(fact);
        }
        for (const Fact &fact : m_result.facts) {
            const auto old = renumbered(fact, m_pairOfEquation, pairsBefore);
            if (recap || !old || !before.holds(*old))
                change.facts.push_back(fact);
        }
        // Readings first: they are what the pupil reads on.
        std::stable_partition(change.facts.begin(), change.facts.end(),
                              [](const Fact &fact) { return std::holds_alternative<Reading>(fact); });
        for (std::size_t i = 0; i < change.facts.size() && i < factsWithPremises; ++i) {
            QList<int> pairs;
            if (const auto premises = premisesOf(m_input, change.facts[i])) {
                for (std::size_t equation : premises->pairs)
                    pairs.append(m_pairOfEquation[equation]);
                std::sort(pairs.begin(), pairs.end());
            }
            change.factPairs.append(pairs);
        }
    }
    m_change = std::move(change);

    ShownSquare shown = shownSquare(m_result, !m_input.placed.empty());
    if (shown.square.count(u'.') == 1 && m_result.consistency == Consistency::Consistent) {
        // One cell and one letter left: the square is whole, and read as such.
        const qsizetype cell = shown.square.indexOf(u'.');
        for (int letter = 0; letter < letterCount; ++letter) {
            if (!shown.square.contains(QChar(letterName(letter))))
                shown.square[cell] = QChar(letterName(letter));
        }
        m_input.placed.clear();
        for (int c = 0; c < 25; ++c)
            m_input.placed.push_back({Letter(letterNumberOf(shown.square[c])), c});
        m_result = deduce(m_input);
        shown = shownSquare(m_result, true);
    }
    m_square = shown.square;
    m_run = shown.run;
    m_plain.clear();
    for (int letter : m_result.plaintext)
        m_plain += letter == unknownLetter ? QChar(u'?') : QChar(letterName(letter));
    m_words.clear();
    if (!m_plain.isEmpty() && !m_plain.contains(u'?')) {
        std::vector<Letter> letters;
        for (int letter : m_result.plaintext)
            letters.push_back(Letter(letter));
        m_words = QString::fromStdString(WordStatistics::of(m_language).divide(letters.data(), letters.size()).text());
    }
    findPlaces();
    refreshKeys();
    m_hint = {};
    m_stepShown = false;
}

void ByHandSession::refreshKeys()
{
    ++m_keysRun;
    m_keys.clear();
    const auto complete = std::count_if(m_input.pairs.begin(), m_input.pairs.end(),
                                        [](const KnownPair &pair) { return pair.complete(); });
    if (complete >= pairsForKeys && m_result.consistency == Consistency::Consistent && m_board.keyWord.isEmpty()) {
        m_keysState = KeysState::Searching;
        m_keySearchTaken = false;
    } else {
        m_keysState = KeysState::TooFew;
        m_keySearchTaken = true;
    }
}

} // namespace playfair
