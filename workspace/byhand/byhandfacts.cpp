// What a change taught, in sentences: the pairs that now read, the letters
// known to stand in one row or column, the rules a pair is left with and
// the letters not known that follow.

#include "byhandsession.h"

#include "byhandwording.h"

#include <algorithm>
#include <map>

namespace playfair {

using namespace analysis;
using namespace byhandwording;

namespace {

// How many lines of the square and readings a note names.
constexpr qsizetype linesNamed = 4;
constexpr qsizetype readingsNamed = 12;

// The letters known to stand in one row (`along` Right) or one column
// (Down), each with its steps along it from the line's first letter.
std::vector<std::map<int, Letter>> linesOf(const std::vector<Fact> &facts, Direction along)
{
    const Direction across = along == Direction::Right ? Direction::Down : Direction::Right;
    std::map<std::pair<Letter, Letter>, int> steps;
    std::vector<std::pair<Letter, Letter>> same;
    for (const Fact &fact : facts) {
        if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
            if (distance->direction == along)
                steps[{distance->first, distance->second}] = distance->steps;
            else if (distance->direction == across && distance->steps == 0)
                same.push_back({distance->first, distance->second});
        }
    }
    // Letters joined by a known step along a line they share.
    std::array<std::vector<std::pair<Letter, int>>, letterCount> next;
    for (const auto &[a, b] : same) {
        const auto step = steps.find({a, b});
        if (step == steps.end())
            continue;
        next[a].push_back({b, step->second});
        next[b].push_back({a, (5 - step->second) % 5});
    }
    std::vector<std::map<int, Letter>> lines;
    std::array<bool, letterCount> seen{};
    for (int first = 0; first < letterCount; ++first) {
        if (seen[std::size_t(first)] || next[std::size_t(first)].empty())
            continue;
        std::map<int, Letter> line;
        std::vector<std::pair<Letter, int>> todo{{Letter(first), 0}};
        seen[std::size_t(first)] = true;
        while (!todo.empty()) {
            const auto [letter, at] = todo.back();
            todo.pop_back();
            line[at] = letter;
            for (const auto &[other, step] : next[letter]) {
                if (!seen[other]) {
                    seen[other] = true;
                    todo.push_back({other, (at + step) % 5});
                }
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

// A line of letters at their steps round the square, "T L I · H", from the
// letter after its widest gap.
QString lineText(const std::map<int, Letter> &line)
{
    std::array<int, 5> at;
    at.fill(-1);
    for (const auto &[step, letter] : line)
        at[std::size_t(step)] = letter;
    int start = 0;
    int widest = -1;
    for (int s = 0; s < 5; ++s) {
        if (at[std::size_t(s)] < 0)
            continue;
        int gap = 0;
        while (gap < 4 && at[std::size_t((s + 4 - gap) % 5)] < 0)
            ++gap;
        if (gap > widest) {
            widest = gap;
            start = s;
        }
    }
    QStringList cells;
    for (int i = 0; i < 5 - widest; ++i) {
        const int letter = at[std::size_t((start + i) % 5)];
        cells.append(letter < 0 ? QString(QChar(0x00B7)) : letterText(Letter(letter)));
    }
    return cells.join(u' ');
}

} // namespace

QStringList ByHandSession::factLines(const Change &change) const
{
    QStringList lines;
    if (!change.taught)
        return lines;
    const auto resting = [&](std::size_t i) {
        if (i >= std::size_t(change.factPairs.size()) || change.factPairs[qsizetype(i)].isEmpty())
            return QString();
        const QList<int> &pairs = change.factPairs[qsizetype(i)];
        return QLatin1Char(' ')
            + (pairs.size() == 1 ? tr("(от двойка %1)").arg(pairs[0] + 1) : tr("(от двойки %1)").arg(listed(numbers(pairs))));
    };

    // The readings, a cipher pair at a time.
    std::map<std::size_t, std::size_t> readingAt; // pair → its first new fact
    for (std::size_t i = 0; i < change.facts.size(); ++i) {
        if (const auto *reading = std::get_if<Reading>(&change.facts[i]))
            readingAt.emplace(reading->pair, i);
    }
    QStringList others;
    for (const auto &[pair, fact] : readingAt) {
        const int p = int(pair);
        if (!guess(p).isEmpty())
            continue;
        const QString cipher = cipherPair(p);
        const QString reverse = QString(cipher[1]) + cipher[0];
        const QString plain = m_plain.mid(2 * p, 2);
        int reversedOf = -1;
        int sameAs = -1;
        for (int q = 0; q < pairCount(); ++q) {
            if (guess(q).isEmpty())
                continue;
            if (cipherPair(q) == reverse && reversedOf < 0)
                reversedOf = q;
            if (cipherPair(q) == cipher && sameAs < 0)
                sameAs = q;
        }
        if (reversedOf >= 0) {
            lines.append(tr("Двойка %1 (%2) е обратната на двойка %3 (%4), значи се чете обратно: %5.")
                             .arg(p + 1)
                             .arg(cipher)
                             .arg(reversedOf + 1)
                             .arg(reverse, plain)
                         + resting(fact));
        } else if (sameAs >= 0) {
            lines.append(tr("Двойка %1 (%2) повтаря двойка %3 и също се чете %4.").arg(p + 1).arg(cipher).arg(sameAs + 1).arg(plain));
        } else {
            others.append(QStringLiteral("%1 %2 → %3").arg(p + 1).arg(cipher, plain));
        }
    }
    if (others.size() > readingsNamed) {
        const int more = int(others.size()) - readingsNamed;
        others.resize(readingsNamed);
        others.append(more == 1 ? tr("и още една") : tr("и още %n", nullptr, more));
    }
    if (!others.isEmpty())
        lines.append(tr("Следват и други двойки: %1.").arg(others.join(QStringLiteral(", "))));

    // Letters in one row or one column, as far as their steps are known:
    // the lines that gained a letter, the longest first.
    std::map<std::pair<Letter, Letter>, int> alongNew;
    for (const Fact &fact : change.facts) {
        if (const auto *distance = std::get_if<LetterDistance>(&fact)) {
            if (distance->direction == Direction::AlongLine && distance->steps != 0)
                alongNew[{distance->first, distance->second}] = distance->steps;
        }
    }
    QStringList lineTexts;
    for (const Direction across : {Direction::Right, Direction::Down}) {
        const bool rows = across == Direction::Right;
        QStringList before;
        for (const auto &line : linesOf(change.distancesBefore, across))
            before.append(lineText(line));
        for (const auto &line : linesOf(m_result.facts, across)) {
            if (line.size() >= 3 && !before.contains(lineText(line)))
                lineTexts.append((rows ? tr("В един ред, в този ред: %1") : tr("В един стълб, отгоре надолу: %1")).arg(lineText(line)));
        }
    }
    std::stable_sort(lineTexts.begin(), lineTexts.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    if (lineTexts.size() > linesNamed) {
        const int more = int(lineTexts.size()) - linesNamed;
        lineTexts.resize(linesNamed);
        lineTexts.append(more == 1 ? tr("И още една линия: вижте квадрата.") : tr("И още %n линии: вижте квадрата.", nullptr, more));
    }
    lines.append(lineTexts);
    // Letters along one line, row or column not known.
    for (const auto &[letters, steps] : alongNew) {
        const QString first = letterText(letters.first);
        const QString second = letterText(letters.second);
        lines.append(steps == 1 ? tr("%1 и %2 са в един ред или в един стълб, %2 веднага след %1.").arg(first, second)
                                : tr("%1 и %2 са в един ред или в един стълб, %2 на %n места след %1.", nullptr, steps).arg(first, second));
    }

    // The rules a pair is left with, once they change.
    QList<int> rulesNew;
    for (std::size_t i = 0; i < change.facts.size(); ++i) {
        const Fact &fact = change.facts[i];
        if (const auto *ruledOut = std::get_if<RuledOut>(&fact)) {
            if (!rulesNew.contains(int(ruledOut->pair)))
                rulesNew.append(int(ruledOut->pair));
        } else if (const auto *filled = std::get_if<FilledIn>(&fact)) {
            const int p = m_pairOfEquation[filled->pair];
            lines.append(tr("В двойка %1 буквата „?“ е %2.").arg(p + 1).arg(letterText(filled->letter)) + resting(i));
        }
    }
    for (int equation : rulesNew) {
        const int p = m_pairOfEquation[std::size_t(equation)];
        const QString equationText = QStringLiteral("%1 = %2").arg(guess(p), cipherPair(p));
        const PossibleRules &left = m_result.rules[std::size_t(equation)];
        if (left.rectangle && !left.sameRow && !left.sameColumn)
            lines.append(tr("Двойка %1 (%2) е правоъгълник: буквите ѝ са в различни редове и стълбове.").arg(p + 1).arg(equationText));
        else if (!left.rectangle && left.sameRow && !left.sameColumn)
            lines.append(tr("Двойка %1 (%2) е в един ред.").arg(p + 1).arg(equationText));
        else if (!left.rectangle && !left.sameRow && left.sameColumn)
            lines.append(tr("Двойка %1 (%2) е в един стълб.").arg(p + 1).arg(equationText));
        else if (!left.rectangle)
            lines.append(tr("Двойка %1 (%2) е в един ред или в един стълб.").arg(p + 1).arg(equationText));
        else if (!left.sameRow && left.sameColumn)
            lines.append(tr("Двойка %1 (%2) не е в един ред.").arg(p + 1).arg(equationText));
        else if (left.sameRow && !left.sameColumn)
            lines.append(tr("Двойка %1 (%2) не е в един стълб.").arg(p + 1).arg(equationText));
    }
    if (!change.facts.empty() && lines.isEmpty())
        lines.append(tr("Нови разстояния между буквите: вижте парчетата на квадрата."));
    if (change.facts.empty() && (change.kind == Change::Kind::Guess || change.kind == Change::Kind::Word)
        && !change.text.isEmpty())
        lines.append(tr("Нищо ново не следва от това засега."));
    return lines;
}

} // namespace playfair
