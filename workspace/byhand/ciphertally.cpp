#include "ciphertally.h"

#include <QHash>

#include <algorithm>

namespace playfair {

namespace {

QList<CipherTally::Repeat> repeatsOf(const QStringList &pairs)
{
    // Runs of two pairs or more that start at two places at least, each kept
    // only at its longest: a run inside a longer one that occurs as often
    // says nothing more.
    QHash<QString, QList<int>> runs;
    const int count = int(pairs.size());
    for (int a = 0; a < count; ++a) {
        for (int b = a + 1; b < count; ++b) {
            int length = 0;
            while (b + length < count && pairs[a + length] == pairs[b + length])
                ++length;
            if (length < 2 || (a > 0 && pairs[a - 1] == pairs[b - 1]))
                continue; // too short, or inside a run that starts earlier
            const QString letters = pairs.mid(a, length).join(QString());
            QList<int> &places = runs[letters];
            for (int place : {a, b}) {
                if (!places.contains(place))
                    places.append(place);
            }
        }
    }
    QList<CipherTally::Repeat> repeats;
    for (auto it = runs.cbegin(); it != runs.cend(); ++it) {
        QList<int> places = it.value();
        std::sort(places.begin(), places.end());
        repeats.append({it.key(), places});
    }
    std::sort(repeats.begin(), repeats.end(), [](const auto &x, const auto &y) {
        return std::pair(-x.letters.size(), x.places.first()) < std::pair(-y.letters.size(), y.places.first());
    });
    return repeats;
}

} // namespace

CipherTally CipherTally::of(const QString &letters)
{
    CipherTally tally;
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < letters.size(); i += 2)
        pairs.append(letters.mid(i, 2));

    QHash<QString, qsizetype> index;
    for (int p = 0; p < int(pairs.size()); ++p) {
        auto found = index.find(pairs[p]);
        if (found == index.end()) {
            found = index.insert(pairs[p], tally.pairs.size());
            tally.pairs.append({pairs[p], {}});
        }
        tally.pairs[*found].places.append(p);
    }
    for (const Pair &pair : std::as_const(tally.pairs)) {
        const QString reverse = QString(pair.letters[1]) + pair.letters[0];
        const auto other = index.constFind(reverse);
        if (other != index.cend() && tally.pairs[*other].places.first() > pair.places.first())
            tally.reversed.append({pair.letters, pair.places, tally.pairs[*other].places});
    }
    std::stable_sort(tally.pairs.begin(), tally.pairs.end(),
                     [](const Pair &a, const Pair &b) { return a.places.size() > b.places.size(); });
    tally.repeats = repeatsOf(pairs);
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        if (c != u'J' && !letters.contains(QChar(c)))
            tally.missingLetters.append(QChar(c));
    }
    return tally;
}

QList<CipherTally::Pair> CipherTally::commonest() const
{
    QList<Pair> most;
    for (const Pair &pair : pairs) {
        if (pair.places.size() < 2 || pair.places.size() < pairs.first().places.size())
            break;
        most.append(pair);
    }
    return most;
}

bool CipherTally::isReversed(int pair) const
{
    return std::any_of(reversed.begin(), reversed.end(), [&](const Reversed &r) {
        return r.places.contains(pair) || r.reversePlaces.contains(pair);
    });
}

bool CipherTally::isRepeated(int pair) const
{
    return std::any_of(pairs.begin(), pairs.end(),
                       [&](const Pair &p) { return p.places.size() > 1 && p.places.contains(pair); });
}

} // namespace playfair
