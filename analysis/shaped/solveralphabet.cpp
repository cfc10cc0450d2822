#include "analysis/shaped/solveralphabet.h"

#include "analysis/statistics/utf8.h"

namespace playfair::analysis {

std::string_view alphabetCode(AlphabetKind kind)
{
    return Alphabet::of(kind).code();
}

std::optional<AlphabetKind> alphabetFromCode(std::string_view code)
{
    const Alphabet *alphabet = Alphabet::byCode(code);
    return alphabet ? std::optional<AlphabetKind>(alphabet->id()) : std::nullopt;
}

int SolverLetters::number(char32_t c) const
{
    const char32_t letter = alphabet->letterFor(c);
    return letter ? alphabet->indexOf(letter) : -1;
}

std::string SolverLetters::name(int number) const
{
    std::string out;
    const char32_t c = alphabet->letters()[std::size_t(number)];
    if (c < 0x80) {
        out += char(c);
    } else {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

std::string SolverLetters::text(const std::uint8_t *numbers, std::size_t count) const
{
    std::string out;
    out.reserve(count * 2);
    for (std::size_t i = 0; i < count; ++i)
        out += name(numbers[i]);
    return out;
}

std::vector<std::uint8_t> SolverLetters::numbersOf(std::string_view text) const
{
    std::vector<std::uint8_t> out;
    forEachCodePoint(text, [&](char32_t c) {
        if (const int n = number(c); n >= 0)
            out.push_back(std::uint8_t(n));
    });
    return out;
}

const SolverLetters &SolverLetters::of(AlphabetKind kind)
{
    static const std::array<SolverLetters, 4> all = [] {
        std::array<SolverLetters, 4> made;
        for (const Alphabet *alphabet : Alphabet::all()) {
            SolverLetters &letters = made[std::size_t(alphabet->id())];
            letters.kind = alphabet->id();
            letters.alphabet = alphabet;
            letters.rows = alphabet->shape().rows;
            letters.columns = alphabet->shape().columns;
        }
        return made;
    }();
    return all[std::size_t(kind)];
}

std::vector<std::uint8_t> preparedLetters(const SolverLetters &letters, std::string_view text)
{
    const std::vector<std::uint8_t> cleaned = letters.numbersOf(text);
    const auto first = std::uint8_t(letters.number(letters.alphabet->filler()));
    const auto second = std::uint8_t(letters.number(letters.alphabet->secondFiller()));
    std::vector<std::uint8_t> out;
    out.reserve(cleaned.size() + cleaned.size() / 8);
    for (std::size_t i = 0; i < cleaned.size();) {
        const std::uint8_t a = cleaned[i];
        out.push_back(a);
        if (i + 1 == cleaned.size()) {
            out.push_back(a == first ? second : first);
            break;
        }
        const std::uint8_t b = cleaned[i + 1];
        if (a == b) {
            out.push_back(a == first ? second : first);
            i += 1;
        } else {
            out.push_back(b);
            i += 2;
        }
    }
    return out;
}

} // namespace playfair::analysis
