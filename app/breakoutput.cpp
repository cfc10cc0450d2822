#include "app/breakoutput.h"

#include <cstdio>

namespace playfair::breakcommand {

using namespace analysis;

namespace {

std::string languageName(Language language)
{
    return language == Language::Bulgarian ? "Bulgarian (in Latin letters)" : "English";
}

std::string twoPlaces(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// "12", "12 and 40", "3, 12 and 40": pair numbers from 1.
std::string pairList(const std::vector<std::size_t> &pairs)
{
    std::string list;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i > 0)
            list += i + 1 == pairs.size() ? " and " : ", ";
        list += std::to_string(pairs[i] + 1);
    }
    return list;
}

} // namespace

std::string routePhrase(SquareRoute route)
{
    switch (route) {
    case SquareRoute::Rows:
        return {};
    case SquareRoute::Columns:
        return ", written in by columns";
    case SquareRoute::RowSnake:
        return ", written in as a snake by rows (every other row from right to left)";
    case SquareRoute::ColumnSnake:
        return ", written in as a snake by columns (every other column from the bottom up)";
    case SquareRoute::Spiral:
        return ", written in as a spiral, clockwise from the top left";
    case SquareRoute::Diagonals:
        return ", written in by diagonals from the top left";
    }
    return {};
}

std::string languageLine(const SolverResult &result)
{
    if (!result.languageFound)
        return languageName(result.language) + " (as asked)";
    const Language other = result.language == Language::English ? Language::Bulgarian : Language::English;
    return languageName(result.language) + ", found by the search: its plaintext reads at " + twoPlaces(result.score)
        + " a letter as " + languageName(result.language) + ", at " + twoPlaces(result.otherLanguageScore) + " as "
        + languageName(other);
}

std::string pairsWithMarks(const std::string &plaintext, const Garbling &garbling)
{
    // Where each letter starts: a letter of UTF-8 may take more than a byte.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < plaintext.size(); ++i) {
        if ((static_cast<unsigned char>(plaintext[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    starts.push_back(plaintext.size());
    const std::size_t letters = starts.size() - 1;
    std::string pairs;
    std::size_t next = 0; // the next garbled pair in the list
    for (std::size_t i = 0; i < letters; i += 2) {
        if (i > 0)
            pairs += (i % 40 == 0) ? '\n' : ' ';
        const std::string pair = plaintext.substr(starts[i], starts[std::min(i + 2, letters)] - starts[i]);
        const bool marked = next < garbling.pairs.size() && garbling.pairs[next] == i / 2;
        next += marked;
        pairs += marked ? "[" + pair + "]" : pair;
    }
    return pairs;
}

std::string garblingNotes(const Garbling &garbling)
{
    if (garbling.readsNowhere()) {
        return "Note: the plaintext does not read at all: the square found is likely not the key (a longer "
               "--time-limit may find it).\n";
    }
    std::string notes;
    std::vector<std::size_t> before; // the garbled pairs before the text stops reading
    for (std::size_t pair : garbling.pairs) {
        if (!garbling.unreadableFrom || pair < *garbling.unreadableFrom)
            before.push_back(pair);
    }
    if (!before.empty()) {
        notes += std::string("Note: ") + (before.size() == 1 ? "pair " : "pairs ") + pairList(before)
            + ", in brackets above, " + (before.size() == 1 ? "reads" : "read")
            + " far worse than any other pair would there: likely garbled in transmission (a letter changed).\n";
    }
    if (garbling.unreadableFrom) {
        const std::size_t pair = *garbling.unreadableFrom;
        notes += "Note: from pair " + std::to_string(pair + 1) + " (letter " + std::to_string(2 * pair + 1)
            + ") on, the plaintext does not read: a letter may have been lost or added there.\n";
    }
    if (garbling.cutShort)
        notes += "Note: only the first " + std::to_string(markedLetters) + " letters were looked at for garbled pairs.\n";
    return notes;
}

std::string messageNotes(const Ciphertext &message, const SolverResult &result)
{
    std::string notes;
    if (const std::string setAside = message.setAsideWith(result.padding); !setAside.empty())
        notes += "Note: " + setAsideNote(setAside, result.padding > 0) + '\n';
    return notes + garblingNotes(result.garbling);
}

std::string garblingJson(const Garbling &garbling)
{
    std::string json = ", \"garbled\": [";
    for (std::size_t i = 0; i < garbling.pairs.size(); ++i)
        json += (i > 0 ? ", " : "") + std::to_string(garbling.pairs[i] + 1);
    json += "], \"unreadable_from\": ";
    json += garbling.unreadableFrom ? std::to_string(*garbling.unreadableFrom + 1) : std::string("null");
    return json;
}

std::string messageJson(const Ciphertext &message, Doubles doubles, const SolverResult &result)
{
    std::string json = ", \"route\": ";
    json += result.keyWord ? "\"" + std::string(routeCode(result.keyRoute)) + "\"" : std::string("null");
    json += std::string(", \"language_found\": ") + (result.languageFound ? "true" : "false");
    json += std::string(", \"doubles\": ") + (doubles == Doubles::Kept ? "\"kept\"" : "\"split\"");
    json += ", \"set_aside\": \"" + message.setAsideWith(result.padding) + "\"";
    return json + garblingJson(result.garbling);
}

} // namespace playfair::breakcommand
