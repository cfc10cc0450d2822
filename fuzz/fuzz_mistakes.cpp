// A libFuzzer target that feeds the mistake finder and the text check
// arbitrary squares, pairs and texts, and checks what they promise:
//
//  - findSlip names nothing exactly when the answer is the rules' answer,
//    and a OneLetter slip has exactly one letter right in its place;
//  - checkText's score counts the pairs marked right, every such pair's
//    answer is its expected letters, and the right answer to a message (the
//    textbook preparation encrypted, or the ciphertext decrypted) scores
//    every pair right with no preparation mistake.
//
// Input: byte 0 picks the direction; the next 25 bytes shuffle the alphabet
// into the square; then two letters of a given pair and two of an answer;
// then byte 0xFF cuts the rest into the message and the pupil's answer,
// whose bytes are read as letters A..Z (J kept in the answer).

#include "engine/keyedsquare.h"
#include "engine/mistakes.h"
#include "engine/textbook.h"
#include "engine/textcheck.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

char letterOf(std::uint8_t byte, bool keepJ)
{
    const char letter = char('A' + byte % 26);
    return letter == 'J' && !keepJ ? 'I' : letter;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 30)
        return 0;
    const int step = data[0] % 2 ? -1 : +1;
    std::string square = playfair::keyedSquare("");
    for (std::size_t i = 0; i < 24; ++i)
        std::swap(square[i], square[i + data[1 + i] % (25 - i)]);

    const std::string given{letterOf(data[26], false), letterOf(data[27], false)};
    const std::string answer{letterOf(data[28], true), letterOf(data[29], true)};
    if (given[0] != given[1]) {
        const std::string right = playfair::transformedPairs(square, given, step);
        std::string counted = answer;
        std::replace(counted.begin(), counted.end(), 'J', 'I');
        const auto slip = playfair::findSlip(square, given, step, answer, {playfair::keyedSquare("KEY")});
        require(!slip == (counted == right), "findSlip names nothing for a right answer only");
        if (slip && slip->slip == playfair::Slip::OneLetter)
            require((counted[0] == right[0]) != (counted[1] == right[1]), "one letter right, exactly");
    }

    std::string message;
    std::string pupil;
    bool inAnswer = false;
    for (std::size_t i = 30; i < size && message.size() + pupil.size() < 4000; ++i) {
        if (data[i] == 0xFF)
            inAnswer = true;
        else if (inAnswer)
            pupil += letterOf(data[i], true);
        else
            message += letterOf(data[i], false);
    }
    const playfair::TextCheck check = playfair::checkText(square, message, pupil, step);
    int right = 0;
    for (const playfair::CheckedPair &pair : check.pairs) {
        if (pair.right()) {
            ++right;
            std::string counted = pair.answer;
            std::replace(counted.begin(), counted.end(), 'J', 'I');
            // Decrypting, a filler left out leaves the pair's first letter.
            require(counted == pair.expected || (step < 0 && counted.size() == 1 && counted[0] == pair.expected[0]),
                    "a pair marked right has its expected letters");
        }
    }
    require(right == check.right && check.right <= check.total, "the score counts the pairs marked right");

    // The right answer of the texts scores every pair right.
    if (message.size() >= 2) {
        const std::string text = step > 0 ? playfair::preparedMessage(message)
                                          : message.substr(0, message.size() - message.size() % 2);
        const playfair::TextCheck perfect = playfair::checkText(square, message, playfair::transformedPairs(square, text, step), step);
        require(perfect.right == perfect.total && perfect.total == int(text.size() / 2), "the right answer scores all");
        for (const playfair::PreparationNote &note : perfect.preparation)
            require(note.slip == playfair::PreparationSlip::FillerLeftOut, "the right answer has no preparation slip");
    }
    return 0;
}
