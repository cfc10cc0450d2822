#include "analysis/shaped/alphabetchoice.h"

#include "analysis/statistics/utf8.h"

namespace playfair::analysis {

AlphabetChoice chooseAlphabet(std::string_view text)
{
    bool cyrillic = false;
    bool digitsAmongLetters = false;
    bool j = false;
    bool q = false;
    // Within one group (a run without spaces or punctuation): its letters and digits.
    bool groupLetter = false;
    bool groupDigit = false;
    const auto endGroup = [&] {
        digitsAmongLetters = digitsAmongLetters || (groupLetter && groupDigit);
        groupLetter = groupDigit = false;
    };
    forEachCodePoint(text, [&](char32_t c) {
        if ((c >= U'А' && c <= U'я') || c == U'ѝ' || c == U'Ѝ') {
            cyrillic = true;
            groupLetter = true;
        } else if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) {
            groupLetter = true;
            j = j || c == U'J' || c == U'j';
            q = q || c == U'Q' || c == U'q';
        } else if (c >= U'0' && c <= U'9') {
            groupDigit = true;
        } else {
            endGroup();
        }
    });
    endGroup();
    if (cyrillic)
        return {AlphabetKind::Cyrillic, "the text has Cyrillic letters", false};
    if (digitsAmongLetters)
        return {AlphabetKind::LatinDigits, "the text has digits among its letters", false};
    if (j && !q)
        return {AlphabetKind::LatinQ, "the text has a J and no Q", false};
    if (q && !j)
        return {AlphabetKind::LatinIJ, "the text has a Q and no J", false};
    return {AlphabetKind::LatinIJ, j ? "the text has both a J and a Q" : "the text has neither a J nor a Q", true};
}

namespace {

// Whether a text has the Latin capital `letter` in either case.
bool has(std::string_view text, char letter)
{
    return text.find(letter) != std::string_view::npos || text.find(char(letter - 'A' + 'a')) != std::string_view::npos;
}

} // namespace

std::optional<AlphabetChoice> alphabetOfKnownLetters(std::string_view crib, const std::vector<std::string> &knownPairs)
{
    bool cipherJ = false;
    bool cipherQ = false;
    bool plainJ = has(crib, 'J');
    bool plainQ = has(crib, 'Q');
    bool pairJ = false;
    bool pairQ = false;
    for (const std::string &pair : knownPairs) {
        const std::size_t equals = pair.find('=');
        const std::string_view plain = std::string_view(pair).substr(0, equals);
        const std::string_view cipher = equals == std::string::npos ? std::string_view() : std::string_view(pair).substr(equals + 1);
        pairJ = pairJ || has(plain, 'J');
        pairQ = pairQ || has(plain, 'Q');
        cipherJ = cipherJ || has(cipher, 'J');
        cipherQ = cipherQ || has(cipher, 'Q');
    }
    if (cipherJ != cipherQ) {
        return cipherJ ? AlphabetChoice{AlphabetKind::LatinQ,
                                        "a known pair's cipher letters have a J, which the classic square writes as I"}
                       : AlphabetChoice{AlphabetKind::LatinIJ,
                                        "a known pair's cipher letters have a Q, which the square without Q lacks"};
    }
    if (cipherJ)
        return std::nullopt;
    const bool j = plainJ || pairJ;
    const bool q = plainQ || pairQ;
    if (j == q)
        return std::nullopt;
    const std::string where = (j ? plainJ : plainQ) ? "the crib" : "a known plain pair";
    return j ? AlphabetChoice{AlphabetKind::LatinQ, where + " has a J, which the classic square would read as I"}
             : AlphabetChoice{AlphabetKind::LatinIJ, where + " has a Q, which the square without Q would drop"};
}

AlphabetChoice chooseAlphabet(std::string_view text, std::string_view crib, const std::vector<std::string> &knownPairs)
{
    AlphabetChoice choice = chooseAlphabet(text);
    const bool neither = choice.undecided && !has(text, 'J') && !has(text, 'Q');
    const bool hints = crib.find_first_not_of(" \t\r\n") != std::string_view::npos || !knownPairs.empty();
    if (!neither || !hints)
        return choice;
    if (std::optional<AlphabetChoice> known = alphabetOfKnownLetters(crib, knownPairs)) {
        known->reason = choice.reason + ", and " + known->reason;
        known->byKnownLetters = true;
        return *known;
    }
    choice.reason += ", nor do the crib and the known pairs: the classic square, which they are read on";
    return choice;
}

bool triesSquareWithoutQ(const AlphabetChoice &choice, std::string_view text, StopReason classicStopped,
                         bool tiedToTheClassicSquare)
{
    const bool hasQ = text.find_first_of("Qq") != std::string_view::npos;
    return choice.undecided && classicStopped == StopReason::TimeLimit && !hasQ && !tiedToTheClassicSquare;
}

void settle(AlphabetChoice &choice, bool classicReads, bool withoutQReads)
{
    if (!choice.undecided)
        return;
    choice.undecided = false;
    if (classicReads) {
        choice.settled = AlphabetChoice::Settled::ClassicReads;
        choice.reason += ", and the classic square gave a plaintext that reads";
    } else if (withoutQReads) {
        choice.settled = AlphabetChoice::Settled::OnlyWithoutQReads;
        choice.alphabet = AlphabetKind::LatinQ;
        choice.reason += ", and only the square without Q gave a plaintext that reads";
    } else {
        choice.settled = AlphabetChoice::Settled::NeitherReads;
        choice.reason += ", and neither square gave a plaintext found to read: the classic square's best is shown";
    }
}

} // namespace playfair::analysis
