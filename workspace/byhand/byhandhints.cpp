// "Какво следва?": one hint from the present board, in the order a teacher
// would give them: count the pairs, try the commonest word where a frequent
// pair starts it, use a reversed pair, see the alphabetical run, fill a row,
// place a letter that has two cells left, try the key words.

#include "byhandsession.h"

#include "analysis/statistics/letterstatistics.h"
#include "analysis/statistics/wordstatistics.h"

#include <algorithm>

namespace playfair {

using namespace analysis;

namespace {

// How many letters a hint tries in every cell, and how many commonest pairs
// it names.
constexpr std::size_t lettersTried = 8;
constexpr std::size_t commonPairsNamed = 5;
// Up to how many guesses a hint points at the reversed pairs.
constexpr qsizetype reversedPairsUntil = 6;

const std::vector<LetterStatistics::PairShare> &commonPairs(Language language)
{
    static const std::vector<LetterStatistics::PairShare> english =
        LetterStatistics::of(Language::English).commonestPairs(40);
    static const std::vector<LetterStatistics::PairShare> bulgarian =
        LetterStatistics::of(Language::Bulgarian).commonestPairs(40);
    return language == Language::English ? english : bulgarian;
}

QString pairText(const std::array<Letter, 2> &letters)
{
    return QString(QChar(letterName(letters[0]))) + QChar(letterName(letters[1]));
}

// The commonest word of three letters or more.
QString commonWord(Language language)
{
    for (const WordStatistics::Word &word : WordStatistics::of(language).words()) {
        if (word.spelling.size() >= 3 && word.spelling.find('J') == std::string::npos)
            return QString::fromStdString(word.spelling);
    }
    return {};
}

} // namespace

ByHandSession::Hint ByHandSession::findHint() const
{
    using Kind = Hint::Kind;
    Hint hint;
    if (pairCount() == 0 || m_result.consistency != Consistency::Consistent)
        return hint;
    if (!m_square.contains(u'.') || !m_plain.contains(u'?'))
        return {Kind::Complete, {}, 0};

    const auto &common = commonPairs(m_language);
    const bool guessed = std::any_of(m_board.guesses.begin(), m_board.guesses.end(), [](const QString &g) { return !g.isEmpty(); });
    if (!guessed) {
        const QList<CipherTally::Pair> commonest = m_tally.commonest();
        if (!commonest.isEmpty()) {
            QStringList plain;
            for (std::size_t i = 0; i < commonPairsNamed && i < common.size(); ++i)
                plain.append(pairText(common[i].letters));
            QStringList places;
            for (int place : commonest.first().places)
                places.append(QString::number(place + 1));
            return {Kind::CommonPair, {commonest.first().letters, places.join(QStringLiteral(", ")), plain.join(QStringLiteral(", "))},
                    int(commonest.first().places.size())};
        }
    }

    // The commonest word where a repeated pair would start it.
    const QString word = commonWord(m_language);
    if (!word.isEmpty() && !m_plain.contains(word)) {
        std::vector<Letter> letters;
        for (QChar c : word)
            letters.push_back(Letter(letterNumber(char(c.toLatin1()))));
        const std::vector<WordPlace> places = placesOfWord(letters, m_input);
        const WordPlace *best = nullptr;
        int bestCount = 1;
        for (const WordPlace &place : places) {
            if (place.verdict != WordPlace::Verdict::Possible || place.position % 2 != 0)
                continue;
            const int pair = int(place.position / 2);
            if (!guess(pair).isEmpty() || !followingPair(pair).isEmpty())
                continue;
            const auto found = std::find_if(m_tally.pairs.begin(), m_tally.pairs.end(),
                                            [&](const CipherTally::Pair &p) { return p.places.contains(pair); });
            if (found != m_tally.pairs.end() && found->places.size() > bestCount) {
                best = &place;
                bestCount = int(found->places.size());
            }
        }
        if (best)
            return {Kind::WordPlace, {word, QString::number(best->position / 2 + 1), cipherPair(int(best->position / 2))}, bestCount};
    }

    if (m_run && !m_run->gaps.empty())
        return {Kind::Run, {}, int(m_run->gaps.size())};

    for (int line = 0; line < 10; ++line) {
        QString letters;
        for (int i = 0; i < 5; ++i) {
            const int cell = line < 5 ? 5 * line + i : 5 * i + line - 5;
            if (m_square[cell] != u'.')
                letters += m_square[cell];
        }
        if (letters.size() == 4)
            return {Kind::RowAlmostFull, {QString::number(line % 5 + 1), letters}, line < 5 ? 0 : 1};
    }

    // Reversed pairs help at the start; later the square does.
    const auto guesses = std::count_if(m_board.guesses.begin(), m_board.guesses.end(), [](const QString &g) { return !g.isEmpty(); });
    for (const CipherTally::Reversed &reversed : m_tally.reversed) {
        if (guesses >= reversedPairsUntil)
            break;
        const int a = reversed.places.first();
        const int b = reversed.reversePlaces.first();
        if (m_plain.mid(2 * a, 2) != u"??" || m_plain.mid(2 * b, 2) != u"??")
            continue;
        QStringList examples;
        for (const auto &share : common) {
            const std::array<Letter, 2> back{share.letters[1], share.letters[0]};
            const bool reverseCommon = std::any_of(common.begin(), common.end(), [&](const auto &s) { return s.letters == back; });
            if (reverseCommon && share.letters[0] < share.letters[1] && examples.size() < 3)
                examples.append(pairText(share.letters) + u'/' + pairText(back));
        }
        return {Kind::ReversedPair,
                {QString::number(a + 1), reversed.letters, QString::number(b + 1),
                 QString(reversed.letters[1]) + reversed.letters[0], examples.join(QStringLiteral(", "))},
                0};
    }

    if (auto two = twoPlacesHint())
        return *two;
    if (!m_keys.empty())
        return {Kind::KeyWords, {QString::fromStdString(m_keys.front().key)}, int(m_keys.size())};
    for (int pair = 0; pair < pairCount(); ++pair) {
        const QString plain = m_plain.mid(2 * pair, 2);
        if (plain.count(u'?') == 1)
            return {Kind::HalfPair, {QString::number(pair + 1), plain, cipherPair(pair)}, 0};
    }
    return {Kind::ProbableWord, {}, 0};
}

std::optional<ByHandSession::Hint> ByHandSession::twoPlacesHint() const
{
    // The letters of the guesses not yet in the square shown, those in the
    // most guesses first.
    std::array<int, letterCount> uses{};
    for (const KnownPair &pair : m_input.pairs) {
        for (int position = 0; position < 4; ++position) {
            if (pair.letter(position) != unknownLetter)
                ++uses[std::size_t(pair.letter(position))];
        }
    }
    std::vector<Letter> letters;
    for (int letter = 0; letter < letterCount; ++letter) {
        if (uses[std::size_t(letter)] > 0 && !m_square.contains(QChar(letterName(letter))))
            letters.push_back(Letter(letter));
    }
    std::stable_sort(letters.begin(), letters.end(), [&](Letter a, Letter b) { return uses[a] > uses[b]; });
    if (letters.size() > lettersTried)
        letters.resize(lettersTried);

    DeductionInput frame = m_input;
    if (frame.placed.empty()) {
        // The square shown is one shift of many: one of its letters put
        // where it stands fixes it.
        const qsizetype cell = std::find_if(m_square.begin(), m_square.end(), [](QChar c) { return c != u'.'; }) - m_square.begin();
        if (cell >= 25)
            return std::nullopt;
        frame.placed.push_back({Letter(letterNumber(char(m_square[cell].toLatin1()))), int(cell)});
    }
    for (Letter letter : letters) {
        QList<int> cells;
        for (int cell = 0; cell < 25 && cells.size() <= 2; ++cell) {
            if (m_square[cell] != u'.')
                continue;
            DeductionInput trial = frame;
            trial.placed.push_back({letter, cell});
            if (deduce(trial).consistency != Consistency::Contradictory)
                cells.append(cell);
        }
        if (cells.size() == 2)
            return Hint{Hint::Kind::TwoPlaces, {QString(QChar(letterName(letter)))}, cells[0] * 25 + cells[1]};
    }
    return std::nullopt;
}

QString ByHandSession::hint() const
{
    using Kind = Hint::Kind;
    const QStringList &v = m_hint.values;
    switch (m_hint.kind) {
    case Kind::None:
        return {};
    case Kind::Complete:
        return tr("Квадратът и текстът са открити: прочетете съобщението и ключовата дума.");
    case Kind::CommonPair:
        return tr("Най-честата двойка е %1: среща се %n пъти (двойки %2). Най-честите двойки в открития текст са %3: "
                  "опитайте някоя от тях под нея.",
                  nullptr, m_hint.count)
            .arg(v[0], v[1], v[2]);
    case Kind::WordPlace:
        return tr("Двойка %2 (%3) се среща %n пъти и може да започва думата %1: опитайте %1 там (вижте „Вероятна дума“).",
                  nullptr, m_hint.count)
            .arg(v[0], v[1], v[2]);
    case Kind::ReversedPair:
        return tr("Двойки %1 (%2) и %3 (%4) са обратни една на друга: и откритите им двойки са обратни. Опитайте "
                  "обратни двойки като %5.")
            .arg(v[0], v[1], v[2], v[3], v[4]);
    case Kind::Run:
        return m_hint.count == 1
            ? tr("Последните редове на квадрата вървят по азбучен ред: попълнете празната клетка сред тях с буквата, "
                 "която липсва.")
            : tr("Последните редове на квадрата вървят по азбучен ред: попълнете %n празни клетки сред тях с "
                 "буквите, които липсват, по ред.",
                 nullptr, m_hint.count);
    case Kind::RowAlmostFull:
        return m_hint.count == 0 ? tr("В ред %1 на квадрата има четири букви (%2): коя е петата?").arg(v[0], v[1])
                                 : tr("В колона %1 на квадрата има четири букви (%2): коя е петата?").arg(v[0], v[1]);
    case Kind::TwoPlaces:
        return tr("Буквата %1 може да стои само на две места: %2 или %3. Коя двойка решава?")
            .arg(v[0], cellName(m_hint.count / 25), cellName(m_hint.count % 25));
    case Kind::KeyWords:
        return m_hint.count == 1 ? tr("Погледнете „Ключова дума“: %1 отговаря на догадките.").arg(v[0])
                                 : tr("Погледнете „Ключова дума“: %n думи отговарят на догадките, първата е %1.", nullptr,
                                      m_hint.count)
                                       .arg(v[0]);
    case Kind::HalfPair:
        return tr("Двойка %1 (%3) е %2: коя буква допълва думата?").arg(v[0], v[1], v[2]);
    case Kind::ProbableWord:
        return tr("Прочетете откритите двойки: коя дума започва или свършва там? Пробвайте я във „Вероятна дума“.");
    }
    return {};
}

} // namespace playfair
