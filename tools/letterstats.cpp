// Makes the solver's letter and word statistics from plain texts:
//
//     letterstats en|bg OUTPUT_FOLDER [--typical-from TUNING_FILE] FILE...
//     letterstats --alphabet latin-q|latin-digits|cyrillic OUTPUT_FOLDER [--typical-from TUNING_FILE] FILE...
//
// Each FILE is UTF-8 text. Bulgarian (bg) is first written in Latin letters
// with the official Bulgarian transliteration (Щ -> SHT, Ъ -> A, Ю -> YU,
// Я -> YA, Й -> Y, Ь -> Y, Ж -> ZH, Ц -> TS, Ч -> CH, Ш -> SH, Х -> H, the
// other letters letter for letter). Then every text is cleaned as the program
// cleans a message (the capitals A..Z only, J as I) and prepared as a
// Playfair message is (an X between the letters of a doubled pair, a Q if
// the letter is X, and an X to even the end).
//
// Writes into OUTPUT_FOLDER:
// - <language>.quadgrams: one byte for each of the 25^4 four-letter groups,
//   its log10 probability quantized between the floor given to groups never
//   seen and the most frequent group (the general search's fast score);
// - <language>.lm4 and <language>.lm5: letter language models of order 4 and
//   5 (interpolated Kneser-Ney): for every context of up to order - 1 letters
//   and every next letter, log10 P(letter | context), quantized to a byte.
//   Their typical score a letter is measured on TUNING_FILE, a book left out
//   of the counts, where one is given: a model scores the texts it was made
//   from better than any other;
// - <language>.words: the words of the texts (J kept) seen at least twice,
//   one a line with its count, the commonest first;
// - <language>.pairs: the pairs of words that follow each other within a
//   sentence at least three times, "FIRST SECOND COUNT" a line, the
//   commonest first.
//
// With --alphabet, for a square of another alphabet (analysis/shaped/):
// <alphabet>.quadgrams, one byte for each of the N^4 groups of its N
// letters, the texts cleaned into the alphabet as it stands (digits counted
// where the books write numbers in figures, Cyrillic kept as it is) and
// prepared with the alphabet's fillers; <alphabet>.lm5 (not for
// latin-digits), its order-5 letter
// model kept compact (only the five-letter groups the books hold, see
// analysis/shaped/shapedmodel.h), its typical score measured on
// TUNING_FILE as the classic models' are; for cyrillic also cyrillic.words,
// the books' Cyrillic words of three letters or more seen five times or
// more. The letters' shares and doubled counts are printed: the fillers are
// chosen by them.
//
// Only the standard library is used, so the tool builds wherever the program
// does.

#include "analysis/shaped/shapedmodel.h"
#include "analysis/shaped/solveralphabet.h"
#include "analysis/statistics/corpus.h"
#include "analysis/statistics/utf8.h"
#include "analysis/statistics/statisticsfile.h"
#include "engine/textbook.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using playfair::analysis::LanguageModelHeader;
using playfair::analysis::LetterStatisticsHeader;

constexpr int maxOrder = 5;

int number(char letter)
{
    return letter < 'J' ? letter - 'A' : letter - 'A' - 1;
}

std::size_t power25(int n)
{
    std::size_t p = 1;
    while (n-- > 0)
        p *= 25;
    return p;
}

bool write(const std::string &path, const std::vector<std::uint8_t> &head, const std::vector<std::uint8_t> &body)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(head.data()), std::streamsize(head.size()));
    out.write(reinterpret_cast<const char *>(body.data()), std::streamsize(body.size()));
    if (!out) {
        std::cerr << "letterstats: cannot write " << path << '\n';
        return false;
    }
    return true;
}

// The joint probabilities of the four-letter groups, as the general search
// adds them up.
bool writeQuadgrams(const std::string &path, const std::vector<std::uint64_t> &counts, std::uint64_t letters)
{
    const std::size_t groups = counts.size();
    std::uint64_t total = 0;
    for (std::uint64_t c : counts)
        total += c;

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
    std::printf("%s: %llu groups; log10 floor %.2f, unit %.4f, typical %.2f, random %.2f\n", path.c_str(),
                static_cast<unsigned long long>(total), floor, unit, header.typicalLog10, header.randomLog10);
    return write(path, header.encoded(), table);
}

// Counts of counts give the discount of absolute discounting: D = n1 / (n1 + 2 n2).
template<typename Count>
double discountOf(const std::vector<Count> &counts)
{
    double n1 = 0;
    double n2 = 0;
    for (Count c : counts) {
        n1 += c == 1;
        n2 += c == 2;
    }
    return n1 + 2 * n2 > 0 ? std::clamp(n1 / (n1 + 2 * n2), 0.1, 0.95) : 0.5;
}

std::size_t power(std::size_t base, int n)
{
    std::size_t p = 1;
    while (n-- > 0)
        p *= base;
    return p;
}

// An interpolated Kneser-Ney model of `order` letters of an alphabet of
// `letters` letters. `counts[n]` (n = 1..order) holds, for the n-letter
// groups indexed as base-`letters` numbers with the first letter most
// significant, how often the highest order's groups were seen, and for each
// lower order how many different letters came before a group (its
// continuation count). Returns P(x | h) for every order n, in one table per
// order of letters^n entries: entry h * letters + x.
std::vector<std::vector<double>> kneserNey(const std::vector<std::vector<double>> &counts, int order, std::size_t letters)
{
    std::vector<std::vector<double>> p(std::size_t(order + 1));
    p[1].resize(letters);
    double total = 0;
    for (double c : counts[1])
        total += c;
    for (std::size_t x = 0; x < letters; ++x)
        p[1][x] = (counts[1][x] + 1) / (total + double(letters));

    for (int n = 2; n <= order; ++n) {
        const std::vector<double> &c = counts[std::size_t(n)];
        const double discount = discountOf(c);
        const std::size_t contexts = power(letters, n - 1);
        const std::size_t shorter = power(letters, n - 2);
        std::vector<double> &pn = p[std::size_t(n)];
        pn.resize(contexts * letters);
        for (std::size_t h = 0; h < contexts; ++h) {
            double sum = 0;
            double seen = 0;
            for (std::size_t x = 0; x < letters; ++x) {
                sum += c[h * letters + x];
                seen += c[h * letters + x] > 0;
            }
            const std::size_t lower = h % shorter; // the context without its first letter
            for (std::size_t x = 0; x < letters; ++x) {
                const double backOff = p[std::size_t(n - 1)][lower * letters + x];
                pn[h * letters + x] = sum == 0 ? backOff
                                               : std::max(c[h * letters + x] - discount, 0.0) / sum
                                                   + discount * seen / sum * backOff;
            }
        }
        std::printf("  order %d: discount %.3f\n", n, discount);
    }
    return p;
}

// The classic model's counts for kneserNey from the raw counts of every
// order: the highest order's as seen, the lower orders' continuation counts.
std::vector<std::vector<double>> kneserNey(const std::array<std::vector<std::uint64_t>, maxOrder + 1> &raw, int order)
{
    std::vector<std::vector<double>> counts(std::size_t(order + 1));
    counts[std::size_t(order)].assign(raw[std::size_t(order)].begin(), raw[std::size_t(order)].end());
    for (int n = 1; n < order; ++n) {
        const std::size_t size = power25(n);
        std::vector<double> continuation(size, 0);
        const std::vector<std::uint64_t> &longer = raw[std::size_t(n + 1)];
        for (std::size_t k = 0; k < longer.size(); ++k) {
            if (longer[k] > 0)
                continuation[k % size] += 1;
        }
        counts[std::size_t(n)] = std::move(continuation);
    }
    return kneserNey(counts, order, 25);
}

bool writeLanguageModel(const std::string &path, const std::array<std::vector<std::uint64_t>, maxOrder + 1> &raw,
                        int order, std::uint64_t letters, const std::string &tuning)
{
    const std::vector<std::vector<double>> p = kneserNey(raw, order);

    LanguageModelHeader header;
    header.order = std::uint32_t(order);
    header.floorLog10 = LanguageModelHeader::lowestLog10;
    header.unitLog10 = -LanguageModelHeader::lowestLog10 / 255.0f;
    header.letters = letters;

    std::vector<std::uint8_t> body;
    for (int n = 1; n <= order; ++n) {
        for (double probability : p[std::size_t(n)]) {
            const double log10p = std::max(std::log10(probability), double(header.floorLog10));
            body.push_back(std::uint8_t(std::clamp(std::lround((log10p - header.floorLog10) / header.unitLog10), 0L, 255L)));
        }
    }
    // Where a text stands: the mean log10 probability of a letter in the
    // texts (from the full-order groups) and of letters drawn at random.
    const std::vector<std::uint64_t> &groups = raw[std::size_t(order)];
    const std::vector<double> &top = p[std::size_t(order)];
    double typical = 0;
    double count = 0;
    double random = 0;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const double log10p = header.floorLog10 + header.unitLog10 * body[body.size() - top.size() + k];
        typical += double(groups[k]) * log10p;
        count += double(groups[k]);
        random += log10p;
    }
    header.typicalLog10 = float(typical / count);
    header.randomLog10 = float(random / double(top.size()));
    if (!tuning.empty()) {
        // The same mean on unseen text, letter by letter with the opening
        // letters' shorter contexts.
        double sum = 0;
        std::size_t index = 0;
        for (std::size_t k = 0; k < tuning.size(); ++k) {
            index = (index * 25 + std::size_t(number(tuning[k]))) % power25(order);
            const int n = int(std::min<std::size_t>(k + 1, std::size_t(order)));
            std::size_t offset = 0;
            for (int m = 1; m < n; ++m)
                offset += power25(m);
            sum += header.floorLog10 + header.unitLog10 * body[offset + index % power25(n)];
        }
        header.typicalLog10 = float(sum / double(tuning.size()));
    }
    std::printf("%s: order %d, %zu bytes; typical %.3f, random %.3f a letter\n", path.c_str(), order, body.size(),
                header.typicalLog10, header.randomLog10);
    return write(path, header.encoded(), body);
}

bool writeWords(const std::string &path, const std::unordered_map<std::string, std::uint64_t> &counts,
                std::uint64_t fewest)
{
    std::vector<std::pair<std::string, std::uint64_t>> words;
    for (const auto &[word, count] : counts) {
        if (count >= fewest)
            words.emplace_back(word, count);
    }
    std::sort(words.begin(), words.end(),
              [](const auto &a, const auto &b) { return a.second != b.second ? a.second > b.second : a.first < b.first; });
    std::ofstream out(path, std::ios::binary);
    for (const auto &[word, count] : words)
        out << word << ' ' << count << '\n';
    if (!out) {
        std::cerr << "letterstats: cannot write " << path << '\n';
        return false;
    }
    std::printf("%s: %zu seen %llu times or more (of %zu)\n", path.c_str(), words.size(),
                static_cast<unsigned long long>(fewest), counts.size());
    return true;
}



// The order-5 model of another alphabet's N letters, compact
// (CompactModelHeader): interpolated Kneser-Ney as the classic models, the
// orders 1 to 4 dense, order 5 only for the five-letter groups the books
// hold, keyed by their numbers in base N. `raw[n]` (n = 1..4) are the dense
// counts of the n-letter groups, `fives` the counts of the five-letter ones
// seen; only those seen at least `fewest` times are stored (the rest back
// off, as groups never seen do). Its typical score a letter is measured on
// `tuning` (prepared letters of a book left out of the counts) where one
// is given.
bool writeCompactModel(const std::string &path, std::size_t n, const std::array<std::vector<std::uint64_t>, 5> &raw,
                       const std::unordered_map<std::uint32_t, std::uint32_t> &fives, std::uint32_t fewest,
                       std::uint64_t letters, const std::vector<std::uint8_t> &tuning)
{
    using playfair::analysis::CompactModelHeader;
    const std::size_t four = power(n, 4);
    // Continuation counts for orders 1 to 4: how many different letters came
    // before each group, from the groups a letter longer.
    std::vector<std::vector<double>> counts(5);
    for (int order = 1; order <= 3; ++order) {
        const std::size_t size = power(n, order);
        counts[std::size_t(order)].assign(size, 0);
        const std::vector<std::uint64_t> &longer = raw[std::size_t(order + 1)];
        for (std::size_t k = 0; k < longer.size(); ++k) {
            if (longer[k] > 0)
                counts[std::size_t(order)][k % size] += 1;
        }
    }
    counts[4].assign(four, 0);
    std::vector<std::uint32_t> keys;
    keys.reserve(fives.size());
    for (const auto &[key, count] : fives) {
        counts[4][key % four] += 1;
        if (count >= fewest)
            keys.push_back(key);
    }
    std::sort(keys.begin(), keys.end());
    const std::vector<std::vector<double>> p = kneserNey(counts, 4, n);

    // Order 5: each context's total and how many different letters follow it.
    std::vector<double> sum(four, 0), seen(four, 0);
    double n1 = 0, n2 = 0;
    for (const auto &[key, count] : fives) {
        sum[key / n] += count;
        seen[key / n] += 1;
        n1 += count == 1;
        n2 += count == 2;
    }
    const double discount = n1 + 2 * n2 > 0 ? std::clamp(n1 / (n1 + 2 * n2), 0.1, 0.95) : 0.5;
    std::printf("  order 5: discount %.3f, %zu groups\n", discount, keys.size());

    CompactModelHeader header;
    header.alphabetLetters = std::uint32_t(n);
    header.floorLog10 = LanguageModelHeader::lowestLog10;
    header.unitLog10 = -LanguageModelHeader::lowestLog10 / 255.0f;
    header.letters = letters;
    header.groups = std::uint32_t(keys.size());
    const auto quantized = [&](double probability) {
        const double log10p = std::max(std::log10(probability), double(header.floorLog10));
        return std::uint8_t(std::clamp(std::lround((log10p - header.floorLog10) / header.unitLog10), 0L, 255L));
    };
    std::vector<std::uint8_t> body;
    body.reserve(header.tableBytes());
    for (int order = 1; order <= 4; ++order) {
        for (double probability : p[std::size_t(order)])
            body.push_back(quantized(probability));
    }
    for (std::size_t h = 0; h < four; ++h)
        body.push_back(quantized(sum[h] > 0 ? discount * seen[h] / sum[h] : 1.0));
    for (std::uint32_t key : keys) {
        for (int byte = 0; byte < 4; ++byte)
            body.push_back(std::uint8_t(key >> (8 * byte)));
    }
    for (std::uint32_t key : keys) {
        const double c = fives.at(key);
        body.push_back(quantized((c - discount) / sum[key / n] + discount * seen[key / n] / sum[key / n] * p[4][key % four]));
    }

    // Where a text stands, read back through the model as the solver reads it.
    std::vector<std::uint8_t> bytes = header.encoded();
    bytes.insert(bytes.end(), body.begin(), body.end());
    auto model = playfair::analysis::ShapedLanguageModel::view(bytes.data(), bytes.size());
    if (!model) {
        std::cerr << "letterstats: the compact model does not read back\n";
        return false;
    }
    double random = 0;
    std::array<std::uint8_t, 5> group{};
    for (std::size_t k = 0; k < four * n; ++k) {
        std::size_t rest = k;
        for (int i = 4; i >= 0; --i) {
            group[std::size_t(i)] = std::uint8_t(rest % n);
            rest /= n;
        }
        random += model->letterLog10(group.data(), 5);
    }
    header.randomLog10 = float(random / double(four * n));
    double typical = 0;
    double typicalCount = 0;
    for (std::size_t k = 4; k < tuning.size(); ++k) {
        typical += model->letterLog10(tuning.data() + k - 4, 5);
        ++typicalCount;
    }
    if (typicalCount == 0) {
        for (const auto &[key, count] : fives) {
            std::size_t rest = key;
            for (int i = 4; i >= 0; --i) {
                group[std::size_t(i)] = std::uint8_t(rest % n);
                rest /= n;
            }
            typical += count * model->letterLog10(group.data(), 5);
            typicalCount += count;
        }
    }
    header.typicalLog10 = float(typical / typicalCount);
    std::printf("%s: order 5, %zu bytes; typical %.3f, random %.3f a letter\n", path.c_str(),
                CompactModelHeader::size + body.size(), header.typicalLog10, header.randomLog10);
    return write(path, header.encoded(), body);
}

// The quadgram table of an alphabet other than the classic one, and for
// Cyrillic the books' words in Cyrillic letters, for the key-word attack.
int alphabetStatistics(const std::string &code, const std::string &folder, int first, int argc, char *argv[])
{
    std::string tuningFile;
    if (first + 2 < argc && std::string(argv[first]) == "--typical-from") {
        tuningFile = argv[first + 1];
        first += 2;
    }
    using namespace playfair::analysis;
    const std::optional<AlphabetKind> kind = alphabetFromCode(code);
    if (!kind || *kind == AlphabetKind::LatinIJ) {
        std::cerr << "letterstats: --alphabet must be latin-q, latin-digits or cyrillic\n";
        return 2;
    }
    const SolverLetters &alphabet = SolverLetters::of(*kind);
    const std::size_t n = std::size_t(alphabet.size());
    std::array<std::vector<std::uint64_t>, 5> raw;
    for (int order = 1; order <= 4; ++order)
        raw[std::size_t(order)].assign(power(n, order), 0);
    std::vector<std::uint64_t> &counts = raw[4];
    std::unordered_map<std::uint32_t, std::uint32_t> fives;
    const std::array<std::size_t, 6> powers{1, n, power(n, 2), power(n, 3), power(n, 4), power(n, 5)};
    std::vector<std::uint64_t> single(n, 0), doubled(n, 0);
    std::unordered_map<std::string, std::uint64_t> words;
    std::uint64_t letters = 0;
    for (int i = first; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::cerr << "letterstats: cannot read " << argv[i] << '\n';
            return 1;
        }
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const std::vector<std::uint8_t> cleaned = alphabet.numbersOf(text);
        for (std::size_t k = 0; k < cleaned.size(); ++k) {
            ++single[cleaned[k]];
            if (k % 2 == 1 && cleaned[k] == cleaned[k - 1])
                ++doubled[cleaned[k]];
        }
        const std::vector<std::uint8_t> prepared = preparedLetters(alphabet, text);
        letters += prepared.size();
        // Every group of 1 to 5 letters, each counted where it ends.
        std::size_t index = 0;
        for (std::size_t k = 0; k < prepared.size(); ++k) {
            index = (index * n + prepared[k]) % powers[5];
            for (int order = 1; order <= 4 && std::size_t(order) <= k + 1; ++order)
                ++raw[std::size_t(order)][index % powers[std::size_t(order)]];
            if (k >= 4)
                ++fives[std::uint32_t(index)];
        }
        if (*kind == AlphabetKind::Cyrillic) {
            std::string word;
            std::size_t length = 0;
            const auto end = [&] {
                if (length >= 3)
                    ++words[word];
                word.clear();
                length = 0;
            };
            forEachCodePoint(text, [&](char32_t c) {
                const int number = (c >= U'А' && c <= U'я') || c == U'ѝ' ? alphabet.number(c) : -1;
                if (number < 0)
                    return end();
                word += alphabet.name(number);
                ++length;
            });
            end();
        }
    }
    if (letters < 5) {
        std::cerr << "letterstats: the texts hold too few letters\n";
        return 1;
    }
    std::printf("%s: %llu letters from %d files\n", code.c_str(), static_cast<unsigned long long>(letters), argc - first);
    // What the fillers are chosen by: how rare each letter is, and how often
    // it stands doubled within a pair.
    for (std::size_t k = 0; k < n; ++k)
        std::printf("  %s %.4f%% doubled %llu\n", alphabet.name(int(k)).c_str(), 100.0 * double(single[k]) / double(letters),
                    static_cast<unsigned long long>(doubled[k]));
    if (!writeQuadgrams(folder + code + ".quadgrams", counts, letters))
        return 1;
    std::vector<std::uint8_t> tuning;
    if (!tuningFile.empty()) {
        std::ifstream file(tuningFile, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        tuning = preparedLetters(alphabet, text);
        if (tuning.empty()) {
            std::cerr << "letterstats: cannot read " << tuningFile << '\n';
            return 1;
        }
    }
    // From the English books' 34 million letters, the groups seen once would
    // double the model; they are left to the back-off. No model for 6 x 6:
    // the dense tables of order 4 alone of 36 letters take 3.2 MiB.
    const std::uint32_t fewest = letters > 10'000'000 ? 2 : 1;
    if (*kind != AlphabetKind::LatinDigits
        && !writeCompactModel(folder + code + ".lm5", n, raw, fives, fewest, letters, tuning))
        return 1;
    // Only words seen five times or more: the system's list, read at run
    // time, names the rarer ones.
    return words.empty() || writeWords(folder + code + ".words", words, 5) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4 && std::string(argv[1]) == "--alphabet")
        return argc >= 5 ? alphabetStatistics(argv[2], std::string(argv[3]) + "/", 4, argc, argv) : 2;
    if (argc < 4 || (std::string(argv[1]) != "en" && std::string(argv[1]) != "bg")) {
        std::cerr << "usage: letterstats en|bg OUTPUT_FOLDER [--typical-from TUNING_FILE] FILE...\n";
        return 2;
    }
    const std::string language = argv[1];
    const bool bulgarian = language == "bg";
    const std::string folder = std::string(argv[2]) + "/";
    int first = 3;
    std::string tuning;
    if (std::string(argv[3]) == "--typical-from" && argc >= 6) {
        std::ifstream file(argv[4], std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        tuning = playfair::preparedMessage(playfair::analysis::cleanedCorpusText(text, bulgarian));
        if (tuning.empty()) {
            std::cerr << "letterstats: cannot read " << argv[4] << '\n';
            return 1;
        }
        first = 5;
    }

    std::array<std::vector<std::uint64_t>, maxOrder + 1> raw;
    for (int n = 1; n <= maxOrder; ++n)
        raw[std::size_t(n)].assign(power25(n), 0);
    std::unordered_map<std::string, std::uint64_t> words;
    std::unordered_map<std::string, std::uint64_t> pairs;
    std::uint64_t letters = 0;
    for (int i = first; i < argc; ++i) {
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::cerr << "letterstats: cannot read " << argv[i] << '\n';
            return 1;
        }
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const std::string prepared = playfair::preparedMessage(playfair::analysis::cleanedCorpusText(text, bulgarian));
        letters += prepared.size();
        // Every group of 1 to 5 letters, each counted where it ends.
        std::size_t index = 0;
        for (std::size_t k = 0; k < prepared.size(); ++k) {
            index = (index * 25 + std::size_t(number(prepared[k]))) % power25(maxOrder);
            for (int n = 1; n <= maxOrder && std::size_t(n) <= k + 1; ++n)
                ++raw[std::size_t(n)][index % power25(n)];
        }
        std::string previous;
        playfair::analysis::forEachCorpusWord(text, [&](std::string_view word, bool follows) {
            if (!bulgarian && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string_view::npos) {
                previous.clear();
                return; // a Cyrillic word in an English book
            }
            ++words[std::string(word)];
            if (follows && !previous.empty())
                ++pairs[previous + ' ' + std::string(word)];
            previous = word;
        });
    }
    if (letters < 5) {
        std::cerr << "letterstats: the texts hold too few letters\n";
        return 1;
    }
    std::printf("%s: %llu letters from %d files\n", language.c_str(), static_cast<unsigned long long>(letters), argc - first);

    const bool written = writeQuadgrams(folder + language + ".quadgrams", raw[4], letters)
        && writeLanguageModel(folder + language + ".lm4", raw, 4, letters, tuning)
        && writeLanguageModel(folder + language + ".lm5", raw, 5, letters, tuning)
        && writeWords(folder + language + ".words", words, 2) && writeWords(folder + language + ".pairs", pairs, 3);
    return written ? 0 : 1;
}
