#include "alphabet.h"

namespace playfair {

namespace {

constexpr std::u32string_view latinIJLetters = U"ABCDEFGHIKLMNOPQRSTUVWXYZ";
constexpr std::u32string_view latinQLetters = U"ABCDEFGHIJKLMNOPRSTUVWXYZ";
constexpr std::u32string_view latinDigitsLetters = U"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// А..Я, the 30 Bulgarian letters in alphabetical order.
constexpr std::u32string_view cyrillicLetters = U"\u0410\u0411\u0412\u0413\u0414\u0415\u0416\u0417\u0418\u0419\u041A\u041B\u041C\u041D\u041E"
                                                U"\u041F\u0420\u0421\u0422\u0423\u0424\u0425\u0426\u0427\u0428\u0429\u042A\u042C\u042E\u042F";

// The capital of a Latin or Cyrillic letter, the character itself for
// anything else.
char32_t capital(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        return c - (U'a' - U'A');
    if (c >= U'а' && c <= U'я') // U+0430..U+044F
        return c - (U'а' - U'А');
    if (c >= U'ѐ' && c <= U'џ') // U+0450..U+045F
        return c - (U'ѐ' - U'Ѐ');
    return c;
}

bool isLatinCapital(char32_t c)
{
    return c >= U'A' && c <= U'Z';
}

bool isCyrillicCapital(char32_t c)
{
    return c >= U'Ѐ' && c <= U'Я'; // U+0400..U+042F
}

} // namespace

Alphabet::Alphabet(Id id, std::string_view code, std::u32string_view letters, SquareShape shape, char32_t filler,
                   char32_t secondFiller)
    : m_id(id)
    , m_code(code)
    , m_letters(letters)
    , m_shape(shape)
    , m_filler(filler)
    , m_secondFiller(secondFiller)
{
}

const Alphabet &Alphabet::of(Id id)
{
    static const Alphabet latinIJ(Id::LatinIJ, "latin-ij", latinIJLetters, {5, 5}, U'X', U'Q');
    static const Alphabet latinQ(Id::LatinQ, "latin-q", latinQLetters, {5, 5}, U'X', U'Z');
    static const Alphabet latinDigits(Id::LatinDigits, "latin-digits", latinDigitsLetters, {6, 6}, U'X', U'Q');
    static const Alphabet cyrillic(Id::Cyrillic, "cyrillic", cyrillicLetters, {5, 6}, U'Ь', U'Ю');
    switch (id) {
    case Id::LatinIJ:
        break;
    case Id::LatinQ:
        return latinQ;
    case Id::LatinDigits:
        return latinDigits;
    case Id::Cyrillic:
        return cyrillic;
    }
    return latinIJ;
}

const std::array<const Alphabet *, 4> &Alphabet::all()
{
    static const std::array<const Alphabet *, 4> alphabets{&of(Id::LatinIJ), &of(Id::LatinQ), &of(Id::LatinDigits),
                                                           &of(Id::Cyrillic)};
    return alphabets;
}

const Alphabet *Alphabet::byCode(std::string_view code)
{
    for (const Alphabet *alphabet : all()) {
        if (alphabet->code() == code)
            return alphabet;
    }
    return nullptr;
}

int Alphabet::indexOf(char32_t letter) const
{
    const std::size_t at = m_letters.find(letter);
    return at == std::u32string_view::npos ? -1 : int(at);
}

char32_t Alphabet::letterFor(char32_t character) const
{
    char32_t letter = capital(character);
    if (m_id == Id::LatinIJ && letter == U'J')
        letter = U'I';
    if (m_id == Id::Cyrillic) {
        if (letter == U'Ѐ')
            letter = U'Е';
        else if (letter == U'Ѝ')
            letter = U'И';
    }
    return contains(letter) ? letter : 0;
}

CleanedText Alphabet::cleaned(std::u32string_view text) const
{
    CleanedText result;
    result.letters.reserve(text.size());
    for (char32_t c : text) {
        if (const char32_t letter = letterFor(c)) {
            result.letters += letter;
        } else {
            const char32_t upper = capital(c);
            if (isLatinCapital(upper) || isCyrillicCapital(upper))
                result.dropped += upper;
        }
    }
    return result;
}

std::string toUtf8(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        if (c < 0x80) {
            result += char(c);
        } else if (c < 0x800) {
            result += char(0xC0 | (c >> 6));
            result += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            result += char(0xE0 | (c >> 12));
            result += char(0x80 | ((c >> 6) & 0x3F));
            result += char(0x80 | (c & 0x3F));
        } else {
            result += char(0xF0 | (c >> 18));
            result += char(0x80 | ((c >> 12) & 0x3F));
            result += char(0x80 | ((c >> 6) & 0x3F));
            result += char(0x80 | (c & 0x3F));
        }
    }
    return result;
}

std::u32string fromUtf8(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const unsigned char lead = byte(i);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            c = lead & 0x07;
        }
        bool valid = length > 0 && i + std::size_t(length) <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const unsigned char next = byte(i + std::size_t(k));
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (valid && (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)))
            valid = false;
        if (valid) {
            result += c;
            i += std::size_t(length);
        } else {
            result += char32_t(0xFFFD);
            i += 1;
        }
    }
    return result;
}

} // namespace playfair
