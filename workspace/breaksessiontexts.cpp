// The break session's sentences: the status line and the notes, in the
// language shown, with the figures written its way.

#include "breaksession.h"
#include "solvererrors.h"

#include "analysis/ciphertext.h"
#include "analysis/squarealignment.h"
#include "engine/characters.h"
#include "uilanguage.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <variant>

namespace playfair {

namespace {

using analysis::Language;

QString seconds(double value)
{
    //: Seconds, written "3,2 с" in Bulgarian: %1 is the number in the language's form.
    return BreakSession::tr("%1 с").arg(uiLocale().toString(value, 'f', 1));
}

// A count in groups of three digits: 1 461 274 in Bulgarian, 1,461,274 in
// English. (Qt 6.4's Bulgarian locale leaves the first group of a 7-digit
// number whole.)
QString grouped(std::uint64_t number)
{
    const QChar separator = uiLanguage() == UiLanguage::English ? QChar(u',') : QChar(0x00A0);
    QString digits = QString::number(qulonglong(number));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, separator);
    return digits;
}

QString score(double value)
{
    return uiLocale().toString(value, 'f', 2);
}

QString keysTested(std::uint64_t keys)
{
    return keys == 1 ? BreakSession::tr("1 ключ") : BreakSession::tr("%1 ключа").arg(grouped(keys));
}

// A report's score for the status line; with the language the search found,
// which language it was read in, and the other's.
QString reportScore(const analysis::SolverReport &report)
{
    if (!report.languageFound)
        return score(report.score);
    //: %1 is the plaintext's score in the language found, %2 its score in the other.
    return (report.language == Language::English
                ? BreakSession::tr("%1 на английски (на български %2: езикът е намерен от търсенето)")
                : BreakSession::tr("%1 на български (на английски %2: езикът е намерен от търсенето)"))
        .arg(score(report.score), score(report.otherLanguageScore));
}

// "12", "12 и 40", "3, 12 и 40".
QString numberList(const QList<int> &numbers)
{
    QString list;
    for (qsizetype i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            //: Between the last two numbers of a list: "12 и 40".
            list += i + 1 == numbers.size() ? BreakSession::tr(" и ") : QStringLiteral(", ");
        list += QString::number(numbers[i]);
    }
    return list;
}

// How a key was written into the square, as a sentence: nothing for rows.
QString routeSentence(SquareRoute route)
{
    switch (route) {
    case SquareRoute::Rows:
        return {};
    case SquareRoute::Columns:
        return BreakSession::tr("Ключът е вписан в квадрата по колони, а не по редове.");
    case SquareRoute::RowSnake:
        return BreakSession::tr("Ключът е вписан в квадрата като змийка по редове: всеки втори ред отдясно наляво.");
    case SquareRoute::ColumnSnake:
        return BreakSession::tr("Ключът е вписан в квадрата като змийка по колони: всяка втора колона отдолу "
                                "нагоре.");
    case SquareRoute::Spiral:
        return BreakSession::tr("Ключът е вписан в квадрата по спирала: от горния ляв ъгъл по часовниковата "
                                "стрелка.");
    case SquareRoute::Diagonals:
        return BreakSession::tr("Ключът е вписан в квадрата по диагонали: от горния ляв ъгъл, всеки диагонал "
                                "отдясно наляво надолу.");
    }
    return {};
}

// Why the solver trusted its answer, after "резултатът е сигурен".
QString confidentWhy(const analysis::SolverResult &result)
{
    switch (result.confidence) {
    case analysis::Confidence::KeyWord:
        return BreakSession::tr("резултатът е сигурен: квадратът е от ключова дума, а текстът му прилича на езика и "
                                "е много по-вероятен от всеки друг намерен");
    case analysis::Confidence::Settled:
        return BreakSession::tr("резултатът е сигурен: текстът прилича на езика и никое търсене от този квадрат не "
                                "намери по-добър");
    case analysis::Confidence::Agreed:
    case analysis::Confidence::None:
        break;
    }
    return BreakSession::tr("резултатът е сигурен, %1 независими търсения стигнаха до един и същ текст")
        .arg(result.agreeing);
}

// "4 823 910 такива ключа": of the kind just named.
QString suchKeys(std::uint64_t keys)
{
    return keys == 1 ? BreakSession::tr("1 такъв ключ") : BreakSession::tr("%1 такива ключа").arg(grouped(keys));
}

// A key word's letters as the square is built from them.
QString keyLetters(const QString &keyWord)
{
    return cleaned(upperCased(keyWord));
}

// Two lines, or the one that is not empty.
QString lines(const QString &first, const QString &second)
{
    if (first.isEmpty())
        return second;
    return second.isEmpty() ? first : first + u'\n' + second;
}

// Functions, not constants: a QString constant is built by a static
// constructor at every start of the program, whichever window opens.
QString keyKnownNote()
{
    return BreakSession::tr("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено.");
}

QString keyUnknownNote()
{
    return BreakSession::tr("Ключът не е известен: нищо не се отбелязва.");
}

} // namespace

QString BreakSession::inPlaceNote() const
{
    const bool searched = hasSearched();
    if (!searched || !m_report.found)
        return (searched ? !m_trueSquare.isEmpty() : keyKnown()) ? keyKnownNote() : keyUnknownNote();
    if (m_trueSquare.isEmpty())
        return keyUnknownNote();
    const int cells = alignedToKey().count;
    const QString plain = QString::fromStdString(m_report.plaintext);
    const QString truePlain = truePlaintext();
    qsizetype same = 0;
    for (qsizetype i = 0; i < plain.size() && i < truePlain.size(); ++i)
        same += plain[i] == truePlain[i];
    const int percent = truePlain.isEmpty() ? 0 : int(std::floor(100.0 * double(same) / double(truePlain.size())));
    return tr("На мястото си: %1 от %2 букви.\nВерен текст: %3 % от буквите.")
        .arg(cells)
        .arg(m_trueSquare.size())
        .arg(percent);
}

QString BreakSession::scoreNote() const
{
    if (shapedRun()) {
        const Levels shaped = levels();
        const QString random = uiLocale().toString(shaped.random, 'f', 1);
        const QString typical = uiLocale().toString(shaped.typical, 'f', 1);
        if (m_runAlphabet == analysis::AlphabetKind::Cyrillic)
            return tr("Оценката показва колко прилича текстът на български: средният логаритъм от вероятността на "
                      "всяка група от четири букви (около %1 за случайни букви, около %2 за обикновен текст).")
                .arg(random, typical);
        return tr("Оценката показва колко прилича текстът на английски: средният логаритъм от вероятността на "
                  "всяка група от четири букви (около %1 за случайни букви, около %2 за обикновен текст).")
            .arg(random, typical);
    }
    const Language language = shownLanguage();
    const analysis::ScoreLevels levels = analysis::scoreLevels(language);
    const QString random = uiLocale().toString(levels.random, 'f', 1);
    const QString typical = uiLocale().toString(levels.typical, 'f', 1);
    if (language == Language::English)
        return tr("Оценката показва колко прилича текстът на английски: средният логаритъм от вероятността на "
                  "всяка буква след предходните четири (около %1 за случайни букви, около %2 за обикновен текст).")
            .arg(random, typical);
    return tr("Оценката показва колко прилича текстът на български: средният логаритъм от вероятността на всяка "
              "буква след предходните четири (около %1 за случайни букви, около %2 за обикновен текст).")
        .arg(random, typical);
}

QString BreakSession::setAsideNote() const
{
    if (!m_inputReadable)
        return {};
    const qsizetype padding = std::min(paddingRead(), m_inputCipher.size());
    return setAsideSentence(m_inputCipher.right(padding) + m_setAside, padding > 0).text();
}

QList<int> BreakSession::garbledPairs() const
{
    QList<int> pairs;
    if (m_state != State::Finished || !m_report.found)
        return pairs;
    for (std::size_t pair : m_report.garbling.pairs)
        pairs << int(pair);
    return pairs;
}

QString BreakSession::garbledNote() const
{
    if (m_state != State::Finished || !m_report.found)
        return {};
    const analysis::Garbling &garbling = m_report.garbling;
    if (garbling.readsNowhere())
        return tr("Текстът изобщо не се чете: намереният квадрат едва ли е ключът.");
    QList<int> before; // the garbled pairs before the text stops reading
    for (std::size_t pair : garbling.pairs) {
        if (!garbling.unreadableFrom || pair < *garbling.unreadableFrom)
            before << int(pair + 1);
    }
    QString garbled;
    if (before.size() == 1)
        garbled = tr("Двойка %1 (подчертана) се чете много по-зле, отколкото която и да е друга двойка би се чела "
                     "там: вероятно е сбъркана при предаването.")
                      .arg(before.first());
    else if (!before.isEmpty())
        //: %1 lists the numbers of the pairs: "3, 12 и 40".
        garbled = tr("Двойки %1 (подчертани) се четат много по-зле, отколкото които и да е други двойки биха се "
                     "чели там: вероятно са сбъркани при предаването.")
                      .arg(numberList(before));
    if (!garbling.unreadableFrom)
        return garbled;
    return lines(garbled, tr("От двойка %1 нататък текстът не се чете: вероятно там е изпусната или добавена буква.")
                              .arg(*garbling.unreadableFrom + 1));
}

QString BreakSession::shortTextNote(qsizetype letters) const
{
    if (letters == 0 || letters >= qsizetype(analysis::shortCiphertext))
        return {};
    QString note = tr("Шифърът има само %1 букви: на толкова кратък текст пасват много квадрати.").arg(letters);
    if (m_crib.trimmed().isEmpty())
        note += u' ' + tr("Ако знаете дума от текста, напишете я в „Известна дума“.");
    return note;
}

QString BreakSession::settledAlphabetNote() const
{
    if (m_alphabet || !hasSearched())
        return {};
    if (m_classicRun)
        return tr("Азбука: в текста няма нито J, нито Q, а класическият квадрат 5 × 5 не даде текст, който се чете: "
                  "сега се търси с квадрата без Q.");
    switch (m_choice.settled) {
    case analysis::AlphabetChoice::Settled::OnlyWithoutQReads:
        return tr("Азбука: латиница без Q, квадрат 5 × 5, избрана автоматично: в текста няма нито J, нито Q, и само "
                  "квадратът без Q даде текст, който се чете.");
    case analysis::AlphabetChoice::Settled::NeitherReads:
        return tr("Азбука: в текста няма нито J, нито Q, и нито класическият квадрат, нито квадратът без Q дадоха "
                  "текст, който се чете: показан е най-добрият текст от класическия квадрат 5 × 5 с J като I.");
    case analysis::AlphabetChoice::Settled::No:
    case analysis::AlphabetChoice::Settled::ClassicReads:
        break;
    }
    return {};
}

QString BreakSession::alphabetNote() const
{
    if (const QString settled = settledAlphabetNote(); !settled.isEmpty())
        return settled;
    if (m_ciphertext.trimmed().isEmpty() && !hasSearched())
        return {};
    // The classic square, chosen or not, is the one every text assumes.
    const analysis::AlphabetKind alphabet = squareAlphabet();
    if (alphabet == analysis::AlphabetKind::LatinIJ)
        return {};
    QString name;
    switch (alphabet) {
    case analysis::AlphabetKind::LatinIJ:
        break;
    case analysis::AlphabetKind::LatinQ:
        name = tr("латиница без Q, квадрат 5 × 5");
        break;
    case analysis::AlphabetKind::LatinDigits:
        name = tr("латиница и цифрите, квадрат 6 × 6");
        break;
    case analysis::AlphabetKind::Cyrillic:
        name = tr("кирилица, квадрат 5 × 6");
        break;
    }
    if (m_alphabet)
        return tr("Азбука: %1, както е избрана.").arg(name);
    switch (alphabet) {
    case analysis::AlphabetKind::Cyrillic:
        return tr("Азбука: %1, избрана автоматично, защото в текста има кирилски букви.").arg(name);
    case analysis::AlphabetKind::LatinDigits:
        return tr("Азбука: %1, избрана автоматично, защото в текста има цифри между буквите.").arg(name);
    default:
        if (automaticAlphabet().byKnownLetters)
            return tr("Азбука: %1, избрана автоматично, защото в текста няма нито J, нито Q, а в известната дума има "
                      "J.")
                .arg(name);
        return tr("Азбука: %1, избрана автоматично, защото в текста има J и няма Q.").arg(name);
    }
}

const Alphabet &BreakSession::demonstrationAlphabet() const
{
    return Alphabet::of(m_alphabet.value_or(analysis::AlphabetKind::LatinIJ));
}

QString BreakSession::preparationNote() const
{
    const Alphabet &alphabet = demonstrationAlphabet();
    const QString filler(QChar(char16_t(alphabet.filler())));
    const QString second(QChar(char16_t(alphabet.secondFiller())));
    switch (alphabet.id()) {
    case Alphabet::Id::LatinIJ:
        break;
    case Alphabet::Id::LatinQ:
        //: %1 is the filler letter (X), %2 the one after a filler (Z).
        return tr("Латиница без Q (5 × 5): текстът се подготвя като истинските съобщения — всяко Q отпада, J остава "
                  "отделна буква, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), освен ако "
                  "удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1).")
            .arg(filler, second);
    case Alphabet::Id::LatinDigits:
        //: %1 is the filler letter (X), %2 the one after a filler (Q).
        return tr("Латиница и цифри (6 × 6): текстът се подготвя като истинските съобщения — цифрите остават, J "
                  "остава отделна буква, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), "
                  "освен ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1).")
            .arg(filler, second);
    case Alphabet::Id::Cyrillic:
        //: %1 is the filler letter (Ь), %2 the one after a filler (Ю).
        return tr("Кирилица (5 × 6): текстът се подготвя като истинските съобщения — латинските букви отпадат, Ѐ "
                  "става Е и Ѝ става И, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), "
                  "освен ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1); "
                  "%1 и %2 са най-редките български букви.")
            .arg(filler, second);
    }
    //: %1 is the filler letter (X), %2 the one after a filler (Q).
    return tr("Латиница, J като I (5 × 5): текстът се подготвя като истинските съобщения — J става I, кирилицата се "
              "пише с латински букви, между двете еднакви букви на двойка се вмъква %1 (%2, ако буквата е %1), освен "
              "ако удвоените букви остават, а накрая %1 изравнява нечетен брой букви (%2 след крайно %1).")
        .arg(filler, second);
}

QString BreakSession::demonstrationPrompt() const
{
    switch (demonstrationAlphabet().id()) {
    case Alphabet::Id::LatinIJ:
        break;
    case Alphabet::Id::LatinQ:
        return tr("Напишете или поставете текст на английски; Q отпада…");
    case Alphabet::Id::LatinDigits:
        return tr("Напишете или поставете текст на английски; цифрите остават…");
    case Alphabet::Id::Cyrillic:
        return tr("Напишете или поставете текст на български с кирилица…");
    }
    return tr("Напишете или поставете текст на английски или на български; кирилицата се пише с латински букви…");
}

QString BreakSession::doublesKeptNote() const
{
    const Alphabet &alphabet = demonstrationAlphabet();
    //: %1 is the alphabet's filler letter: X, or Ь in Cyrillic.
    return tr("Двойка от еднакви букви не се разделя с %1 и минава през шифъра непроменена, както в някои истински "
              "съобщения.")
        .arg(QChar(char16_t(alphabet.filler())));
}

QString BreakSession::ciphertextPrompt() const
{
    if (!m_alphabet)
        return tr("Поставете шифрован текст: азбуката му се избира по буквите (кирилица, цифри между буквите, J без "
                  "Q), иначе се броят латинските букви и J е I.");
    switch (*m_alphabet) {
    case analysis::AlphabetKind::LatinIJ:
        break;
    case analysis::AlphabetKind::LatinQ:
        return tr("Поставете шифрован текст: броят се латинските букви без Q.");
    case analysis::AlphabetKind::LatinDigits:
        return tr("Поставете шифрован текст: броят се латинските букви и цифрите.");
    case analysis::AlphabetKind::Cyrillic:
        return tr("Поставете шифрован текст: броят се само буквите на кирилица.");
    }
    return tr("Поставете шифрован текст: броят се само латинските букви, J е I.");
}

QString BreakSession::status() const
{
    return lines(stateStatus(), alphabetNote());
}

QString BreakSession::stateStatus() const
{
    switch (m_state) {
    case State::Idle: {
        if (!m_message.isEmpty())
            return m_message.text();
        if (m_ciphertext.trimmed().isEmpty())
            return tr("Поставете шифрован текст или направете демонстрация, после натиснете „Започни“.");
        return lines(lines(tr("Натиснете „Започни“ или Enter в полето за шифрования текст."),
                           m_inputReadable ? shortTextNote(m_inputCipher.size()) : QString()),
                     setAsideNote());
    }
    case State::Refused:
        return m_message.text();
    case State::Searching: {
        const QString time = seconds(m_report.elapsedSeconds);
        const QString keys = keysTested(m_report.keysTested);
        const QString searching = m_report.found
            ? tr("Търсене: %1, проверени %2, завършени опити: %3, оценка %4.")
                  .arg(time, keys, QString::number(m_report.restarts), reportScore(m_report))
            : tr("Търсене: %1, проверени %2, завършени опити: %3.").arg(time, keys).arg(m_report.restarts);
        return lines(lines(searching, shortTextNote(m_letters.size() - paddingRead())), setAsideNote());
    }
    case State::Stopping:
        return tr("Спиране…");
    case State::Finished:
        break;
    }
    return lines(lines(lines(finishedStatus(), shortTextNote(m_letters.size() - paddingRead())), setAsideNote()), garbledNote());
}

QString BreakSession::finishedStatus() const
{
    QString why;
    switch (m_report.stopped) {
    case analysis::StopReason::Confident:
        why = confidentWhy(m_report);
        break;
    case analysis::StopReason::TimeLimit:
        why = tr("времето за търсене изтече");
        break;
    case analysis::StopReason::Cancelled:
        why = tr("спряно");
        break;
    }
    const QString time = seconds(m_report.elapsedSeconds);
    const QString keys = grouped(m_report.keysTested);
    //: %3 says why the search stopped.
    QString first = m_report.found
        ? tr("Търсенето приключи след %1 и %2 проверени ключа: %3, оценка %4.")
              .arg(time, keys, why, reportScore(m_report))
        : tr("Търсенето приключи след %1 и %2 проверени ключа: %3.").arg(time, keys, why);
    if (!m_report.found)
        first += u' '
            + (m_cribGiven ? tr("Не е намерен квадрат, при който известната дума е в текста.")
                           : tr("Не е намерен квадрат."));
    return first;
}

bool BreakSession::keyWordNamed() const
{
    return hasSearched() && m_report.found && m_report.keyWord && !m_report.keyWord->empty();
}

bool BreakSession::keyWordTrusted() const
{
    if (!hasSearched() || !m_report.found)
        return false;
    if (!m_trueSquare.isEmpty())
        return foundIsKnownKey();
    return m_state == State::Finished && m_report.stopped == analysis::StopReason::Confident;
}

QString BreakSession::keyWordLine() const
{
    if (!m_trueKeyWord.isEmpty() && foundIsKnownKey()) {
        // The key as typed, but spaced as the search names it when it was
        // typed without the spaces (as the main window leaves a key).
        // On the classic square a Cyrillic key word is built in Latin letters.
        const QString latin = shapedRun() ? m_trueKeyWord : inLatin(m_trueKeyWord);
        if (latin != m_trueKeyWord) {
            //: The key word as typed in Cyrillic, then in the Latin letters that build the square.
            return tr("Ключовата дума е %1 (%2)").arg(m_trueKeyWord, latin);
        }
        const QString named = keyWordNamed() ? QString::fromStdString(*m_report.keyWord) : QString();
        const bool spaced = QString(named).remove(u' ') == QString(m_trueKeyWord).remove(u' ')
            && named.count(u' ') > m_trueKeyWord.count(u' ');
        return tr("Ключовата дума е %1").arg(spaced ? named : m_trueKeyWord);
    }
    const bool trusted = keyWordTrusted();
    if (keyWordNamed()) {
        const QString key = QString::fromStdString(*m_report.keyWord);
        if (trusted)
            return m_report.keyWordInList ? tr("Ключовата дума е %1").arg(key)
                                          : tr("Ключът е буквите %1 — не е дума от списъците").arg(key);
        if (m_state == State::Finished)
            return m_report.keyWordInList
                ? tr("Най-добрият намерен ключ: %1").arg(key)
                : tr("Най-добрият намерен ключ: буквите %1 (не е дума от списъците)").arg(key);
        return m_report.keyWordInList ? tr("Най-добрият ключ досега: %1").arg(key)
                                      : tr("Най-добрият ключ досега: буквите %1 (не е дума от списъците)").arg(key);
    }
    // While the search runs, a square from the general search may yet turn
    // out to be a key word's: only the end says it is none.
    if (m_state == State::Finished && m_report.found)
        return trusted ? tr("Намереният квадрат не е от ключова дума")
                       : tr("Най-добрият намерен квадрат не е от ключова дума");
    return {};
}

// How much of a square not trusted is right: counted against the known
// key, or else at most the letters the text holds, since a letter it does
// not hold may stand anywhere.
QString BreakSession::lettersRightNote() const
{
    if (!m_trueSquare.isEmpty())
        return tr("Не е ключът: на мястото си са %1 от %2 букви на квадрата.")
            .arg(alignedToKey().count)
            .arg(m_trueSquare.size());
    QString letters = m_letters + QString::fromStdString(m_report.plaintext);
    std::sort(letters.begin(), letters.end());
    letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
    const bool finished = m_state == State::Finished;
    if (letters.size() >= 25)
        return finished ? tr("Търсенето не е сигурно в този ключ.") : tr("Търсенето още не е сигурно в този ключ.");
    //: %1 counts the different letters of the ciphertext and its plaintext, fewer than 25.
    return (finished ? tr("Търсенето не е сигурно в този ключ: в текста има само %1 от 25-те букви, затова "
                          "най-много %1 букви на квадрата може да са на мястото си.")
                     : tr("Търсенето още не е сигурно в този ключ: в текста има само %1 от 25-те букви, затова "
                          "най-много %1 букви на квадрата може да са на мястото си."))
        .arg(letters.size());
}

QString BreakSession::keyWordNote() const
{
    if (keyWordLine().isEmpty() || shapedRun())
        return {};
    const bool knownKeyNamed = !m_trueKeyWord.isEmpty() && foundIsKnownKey();
    // The route of the key the line names: the known one's, or the one found.
    const QString route = routeSentence(knownKeyNamed ? m_trueRoute
                                            : keyWordNamed() ? m_report.keyRoute : SquareRoute::Rows);
    QString shortest;
    if (knownKeyNamed && keyWordNamed()
        && keyLetters(inLatin(m_trueKeyWord)) != keyLetters(QString::fromStdString(*m_report.keyWord))) {
        //: Under "The key word is …": the search names that key word ("я") by %1, the shortest word that
        //: builds the same square.
        shortest = tr("Търсенето я назовава с най-късата дума, която дава същия квадрат: %1.")
                       .arg(QString::fromStdString(*m_report.keyWord));
    }
    shortest = lines(route, shortest);
    if (!keyWordTrusted())
        return lines(shortest, lettersRightNote());
    if (!knownKeyNamed && !(keyWordNamed() && m_report.keyWordInList))
        return shortest;
    // 25! orders of the letters, of which each 25 cyclic shifts encrypt alike.
    //: %1 counts the key words tried: "1 such key", "4,823,910 such keys".
    return lines(shortest,
                 tr("Квадрат от ключова дума се намира лесно: търсенето опита само %1, а квадратите, които шифрират "
                    "различно, са 25!/25 ≈ 6,2·10²³.")
                     .arg(suchKeys(m_report.keyWordsTested)));
}

QString BreakSession::wordsLine() const
{
    if (!hasSearched() || !m_report.found || m_report.words.empty())
        return {};
    return tr("Думите (догадка): %1").arg(QString::fromStdString(m_report.words));
}

} // namespace playfair
