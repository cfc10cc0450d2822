#include "analysis/search/pairtables.h"

#include "engine/rules.h"

namespace playfair::analysis {

namespace {

PairTables makeTables()
{
    PairTables tables;
    for (int a = 0; a < 25; ++a) {
        for (int b = 0; b < 25; ++b) {
            const SquarePosition first{a / 5, a % 5};
            const SquarePosition second{b / 5, b % 5};
            const auto [encryptedFirst, encryptedSecond] = imageOf(first, second, +1);
            const auto [decryptedFirst, decryptedSecond] = imageOf(first, second, -1);
            tables.encrypt[25 * a + b] = std::uint16_t(encryptedFirst.cell() | encryptedSecond.cell() << 8);
            tables.decrypt[25 * a + b] = std::uint16_t(decryptedFirst.cell() | decryptedSecond.cell() << 8);
        }
    }
    return tables;
}

void transform(const Square &square, const std::array<std::uint16_t, 625> &table, const Letter *in, std::size_t count,
               Letter *out)
{
    std::array<Letter, letterCount> cellOf{};
    for (int cell = 0; cell < 25; ++cell)
        cellOf[square[cell]] = Letter(cell);
    for (std::size_t i = 0; i + 1 < count; i += 2) {
        const std::uint16_t cells = table[25 * cellOf[in[i]] + cellOf[in[i + 1]]];
        out[i] = square[cells & 0xFF];
        out[i + 1] = square[cells >> 8];
    }
}

} // namespace

const PairTables &PairTables::get()
{
    static const PairTables tables = makeTables();
    return tables;
}

void decryptLetters(const Square &square, const Letter *cipher, std::size_t count, Letter *plain)
{
    transform(square, PairTables::get().decrypt, cipher, count, plain);
}

void encryptLetters(const Square &square, const Letter *plain, std::size_t count, Letter *cipher)
{
    transform(square, PairTables::get().encrypt, plain, count, cipher);
}

} // namespace playfair::analysis
