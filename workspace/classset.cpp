#include "classset.h"

#include <QRandomGenerator>

namespace playfair {

namespace {

// The marks that make text run the other way or embed a run of it
// (U+202A to U+202E, U+2066 to U+2069): in a name they would turn the
// heading and whatever follows it round. A byte order mark (U+FEFF) and
// the replacement character of undecodable bytes (U+FFFD) go too.
bool reordersText(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

ClassSet::Problem ClassSet::problemOf(const ClassSetChoices &choices)
{
    if (choices.names.size() > std::min(choices.variants, mostVariants))
        return Problem::TooManyNames;
    if (choices.variants < 1)
        return Problem::NoVariants;
    if (choices.variants > mostVariants)
        return Problem::TooManyVariants;
    if (choices.pairs < PracticeTask::minPairCount || choices.pairs > PracticeTask::maxPairCount)
        return Problem::PairsOutOfRange;
    if (choices.setNumber < 1 || choices.setNumber > largestSetNumber)
        return Problem::SetNumberOutOfRange;
    return Problem::None;
}

ClassSet ClassSet::draw(const ClassSetChoices &choices)
{
    Q_ASSERT(problemOf(choices) == Problem::None);
    ClassSet set;
    set.m_choices = choices;

    QRandomGenerator random(choices.setNumber);
    const Alphabet &alphabet = Alphabet::of(choices.alphabet);
    QStringList words = keyWords(alphabet);
    for (qsizetype i = words.size() - 1; i > 0; --i)
        words.swapItemsAt(i, random.bounded(int(i + 1)));

    QList<QStringList> taken;
    for (int i = 0; i < choices.variants; ++i) {
        ClassSetVariant variant;
        variant.number = i + 1;
        if (i < choices.names.size())
            variant.name = cleanedName(choices.names[i]);
        // Pairs drawn at random from every message can, however rarely, come
        // out as another sheet's: such a draw is made again.
        do
            variant.task = PracticeTask::forKeyWord(words[i], random, alphabet, choices.pairs, taken);
        while (taken.contains(variant.task.pairs));
        taken << variant.task.pairs;
        variant.direction = choices.direction == ClassSetDirection::Decrypt
                || (choices.direction == ClassSetDirection::Mixed && variant.number % 2 == 0)
            ? PracticeDirection::Decrypt
            : PracticeDirection::Encrypt;
        set.m_variants << variant;
    }
    return set;
}

QStringList ClassSet::namesOf(const QString &text)
{
    QStringList names;
    for (QStringView line : QStringView(text).split(u'\n')) {
        const QString name = cleanedName(line.toString());
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

QString ClassSet::cleanedName(const QString &name)
{
    QString kept;
    bool space = false;
    for (char32_t c : QStringView(name).toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (QChar::isSpace(c)) {
            space = !kept.isEmpty();
            continue;
        }
        if (category == QChar::Other_Control || category == QChar::Other_Surrogate
            || category == QChar::Other_NotAssigned || reordersText(c) || c == 0xFFFD || c == 0xFEFF)
            continue;
        if (space)
            kept += u' ';
        space = false;
        kept += QString::fromUcs4(&c, 1);
        if (kept.size() > longestName + 1)
            break;
    }
    if (kept.size() <= longestName)
        return kept;
    // Cut at a whole character (a letter outside the basic plane is two).
    qsizetype cut = longestName - 1;
    if (kept[cut - 1].isHighSurrogate())
        --cut;
    return kept.left(cut).trimmed() + u'…';
}

const QStringList &ClassSet::keyWords(const Alphabet &alphabet)
{
    return alphabet.id() == Alphabet::Id::Cyrillic ? PracticeTask::keyWords(alphabet) : keyWords();
}

const QStringList &ClassSet::keyWords()
{
    static const QStringList words = [] {
        QStringList list = PracticeTask::keyWords();
        // Bulgarian in Latin letters, then English, as the exercise's are.
        list << QStringLiteral("PRIKAZKA") << QStringLiteral("KOMPYUTAR") << QStringLiteral("MORE")
             << QStringLiteral("SLAVEY") << QStringLiteral("KOSHNITSA") << QStringLiteral("PESHTERA")
             << QStringLiteral("VYATAR") << QStringLiteral("OBLAK") << QStringLiteral("LYATO")
             << QStringLiteral("ZLATO") << QStringLiteral("KAMBANA") << QStringLiteral("DUMA")
             << QStringLiteral("MOUNTAIN") << QStringLiteral("LIBRARY") << QStringLiteral("CASTLE")
             << QStringLiteral("ROCKET") << QStringLiteral("BISCUIT") << QStringLiteral("THUNDER")
             << QStringLiteral("COMPASS") << QStringLiteral("LANTERN") << QStringLiteral("HARVEST")
             << QStringLiteral("VOYAGE") << QStringLiteral("ISLAND") << QStringLiteral("MARBLE");
        return list;
    }();
    return words;
}

} // namespace playfair
