#include "analysis/deductionalphabet.h"

namespace playfair::analysis {

DeductionAlphabet::DeductionAlphabet(const SolverLetters &letters)
    : m_kind(letters.kind)
{
    m_numbers.fill(-1);
    for (int c = 0; c < 0x80; ++c)
        m_numbers[std::size_t(c)] = static_cast<signed char>(letters.number(char32_t(c)));
    for (int number = 0; number < letterCount; ++number)
        m_letters[std::size_t(number)] = char(letters.alphabet->letters()[std::size_t(number)]);
}

const DeductionAlphabet *DeductionAlphabet::of(AlphabetKind kind)
{
    static const DeductionAlphabet classic(SolverLetters::of(AlphabetKind::LatinIJ));
    static const DeductionAlphabet withoutQ(SolverLetters::of(AlphabetKind::LatinQ));
    switch (kind) {
    case AlphabetKind::LatinIJ:
        return &classic;
    case AlphabetKind::LatinQ:
        return &withoutQ;
    case AlphabetKind::LatinDigits:
    case AlphabetKind::Cyrillic:
        break;
    }
    return nullptr;
}

std::string DeductionAlphabet::spelt(std::string_view numbered) const
{
    std::string text(numbered);
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z' && c != 'J')
            c = letter(letterNumber(c));
    }
    return text;
}

std::string DeductionAlphabet::numbered(std::string_view word) const
{
    std::string text;
    text.reserve(word.size());
    for (char c : word) {
        if (const int n = number(c); n >= 0)
            text += letterName(n);
    }
    return text;
}

} // namespace playfair::analysis
