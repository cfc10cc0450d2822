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
