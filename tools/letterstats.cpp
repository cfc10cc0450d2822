// Makes the solver's letter statistics from plain texts:
//
//     letterstats en|bg OUTPUT FILE...
//
// Each FILE is UTF-8 text. Bulgarian (bg) is first written in Latin letters
// with the official Bulgarian transliteration (Щ -> SHT, Ъ -> A, Ю -> YU,
// Я -> YA, Й -> Y, Ь -> Y, Ж -> ZH, Ц -> TS, Ч -> CH, Ш -> SH, Х -> H, the
// other letters letter for letter). Then every text is cleaned as the program
// cleans a message (the capitals A..Z only, J as I), prepared as a Playfair
// message is (an X between the letters of a doubled pair, a Q if the letter is
// X, and an X to even the end) and its four-letter groups are counted.
//
// OUTPUT gets the table the solver embeds: a header, then one byte for each
// of the 25^4 groups, its log10 probability quantized between the floor given
// to groups never seen and the most frequent group. Only the standard library
// is used, so the tool builds wherever the program does.

#include "analysis/corpus.h"
#include "analysis/statisticsfile.h"
#include "engine/textbook.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using playfair::analysis::LetterStatisticsHeader;

int number(char letter)
{
    return letter < 'J' ? letter - 'A' : letter - 'A' - 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4 || (std::string(argv[1]) != "en" && std::string(argv[1]) != "bg")) {
        std::cerr << "usage: letterstats en|bg OUTPUT FILE...\n";
        return 2;
    }
    const bool bulgarian = std::string(argv[1]) == "bg";

    constexpr std::size_t groups = 25 * 25 * 25 * 25;
    std::vector<std::uint64_t> counts(groups, 0);
    std::uint64_t total = 0;
    std::uint64_t letters = 0;
    for (int i = 3; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::cerr << "letterstats: cannot read " << argv[i] << '\n';
            return 1;
        }
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const std::string prepared = playfair::preparedMessage(playfair::analysis::cleanedCorpusText(text, bulgarian));
        letters += prepared.size();
        for (std::size_t k = 0; k + 4 <= prepared.size(); ++k) {
            std::size_t index = 0;
            for (std::size_t j = 0; j < 4; ++j)
                index = index * 25 + number(prepared[k + j]);
            ++counts[index];
            ++total;
        }
    }
    if (total == 0) {
        std::cerr << "letterstats: the texts hold no letters\n";
        return 1;
    }

    // A group never seen counts as a fraction of one occurrence.
    const double floor = std::log10(LetterStatisticsHeader::unseenShare / double(total));
    const double top = std::log10(double(*std::max_element(counts.begin(), counts.end())) / double(total));
    const double unit = (top - floor) / 255.0;

    LetterStatisticsHeader header;
    header.floorLog10 = float(floor);
    header.unitLog10 = float(unit);
    header.letters = letters;
    std::vector<std::uint8_t> table(groups);
    double typical = 0;
    double random = 0;
    for (std::size_t k = 0; k < groups; ++k) {
        const double log10p = counts[k] ? std::log10(double(counts[k]) / double(total)) : floor;
        table[k] = std::uint8_t(std::clamp(std::lround((log10p - floor) / unit), 0L, 255L));
        typical += double(counts[k]) * log10p;
        random += log10p;
    }
    header.typicalLog10 = float(typical / double(total));
    header.randomLog10 = float(random / double(groups));

    std::ofstream out(argv[2], std::ios::binary);
    const std::vector<std::uint8_t> head = header.encoded();
    out.write(reinterpret_cast<const char *>(head.data()), std::streamsize(head.size()));
    out.write(reinterpret_cast<const char *>(table.data()), std::streamsize(table.size()));
    if (!out) {
        std::cerr << "letterstats: cannot write " << argv[2] << '\n';
        return 1;
    }
    std::printf("%s: %llu letters, %llu groups; log10 floor %.2f, unit %.4f, typical %.2f, random %.2f\n", argv[2],
                static_cast<unsigned long long>(letters), static_cast<unsigned long long>(total), floor, unit,
                header.typicalLog10, header.randomLog10);
    return 0;
}
