#include "breaksession.h"

#include "analysis/shaped/alphabetchoice.h"
#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "analysis/squarealignment.h"
#include "analysis/transliteration.h"
#include "engine/characters.h"
#include "engine/demonstration.h"
#include "engine/textbook.h"
#include "solvererrors.h"
#include "workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <variant>

namespace playfair {

namespace {

using analysis::Language;

// A file is read up to this size: a ciphertext is never longer.
constexpr qint64 mostFileBytes = 1 << 20;

std::vector<analysis::Letter> lettersOf(const QString &letters)
{
    std::vector<analysis::Letter> numbers;
    numbers.reserve(std::size_t(letters.size()));
    for (QChar letter : letters)
        numbers.push_back(analysis::Letter(analysis::letterNumber(char(letter.unicode()))));
    return numbers;
}

QString textOf(const std::vector<analysis::Letter> &letters)
{
    return QString::fromStdString(analysis::lettersToText(letters.data(), letters.size()));
}

QString decrypted(const QString &square, const QString &letters)
{
    return QString::fromStdString(transformedPairs(square.toStdString(), letters.toStdString(), -1));
}

// A plaintext's score as the solver reports it: the mean log10 probability
// of a letter by the five-letter model.
double scoreOf(const QString &letters, Language language)
{
    const std::vector<analysis::Letter> numbers = lettersOf(letters);
    return analysis::plaintextScore(numbers, language);
}

QString pairsOf(const QString &letters)
{
    QString text;
    text.reserve(letters.size() * 3 / 2);
    for (qsizetype i = 0; i < letters.size(); i += 2) {
        if (i > 0)
            text += u' ';
        text += letters.mid(i, 2);
    }
    return text;
}

// The beginning of a text, for a sentence that quotes it: its first words
// up to 40 characters.
QString quoted(const QString &text)
{
    constexpr qsizetype longest = 40;
    const QString simple = text.simplified();
    if (simple.size() <= longest)
        return simple;
    const qsizetype space = simple.lastIndexOf(u' ', longest);
    return simple.left(space > 0 ? space : longest) + u'…';
}

// A text's letters in another alphabet, with the padding after the last
// pair set aside as on the classic square (analysis::paddingAtTheEnd).
struct ShapedLetters
{
    std::vector<std::uint8_t> letters; // all of them
    std::size_t setAside = 0;          // the last ones, set aside
    std::size_t paddingAllowed = 0;    // more that the reading may set aside

    ShapedLetters(const QString &text, analysis::AlphabetKind alphabet)
        : letters(analysis::SolverLetters::of(alphabet).numbersOf(text.toStdString()))
    {
        const analysis::EndPadding padding = analysis::paddingAtTheEnd(letters);
        setAside = padding.setAside;
        paddingAllowed = padding.allowed;
    }

    std::vector<std::uint8_t> kept() const
    {
        return {letters.begin(), letters.end() - std::ptrdiff_t(setAside)};
    }

    // What keeps the kept letters from being a ciphertext, if anything.
    std::optional<analysis::CiphertextError> error() const
    {
        const std::size_t count = letters.size() - setAside;
        analysis::CiphertextError error;
        error.letters = count;
        if (count == 0)
            return error;
        if (count % 2 == 1) {
            error.kind = analysis::CiphertextError::Kind::OddLetters;
            return error;
        }
        for (std::size_t i = 0; i + 1 < count; i += 2) {
            if (letters[i] == letters[i + 1]) {
                error.kind = analysis::CiphertextError::Kind::DoubledPair;
                error.position = i + 1;
                return error;
            }
        }
        return std::nullopt;
    }
};

} // namespace

BreakInput BreakInput::fromWorkspace(const Workspace &ws)
{
    BreakInput input;
    const QList<QString> &pairs = ws.List1[1].items();
    if (pairs.isEmpty())
        return input;
    input.ciphertext = QStringList(pairs).join(u' ');
    QString square;
    for (const QString &cell : ws.Label3)
        square += cell;
    if (isSquare(square.toStdString())) {
        input.trueSquare = square;
        // The key word box may have changed since the Encrypt.
        if (Demonstration::keySquare(ws.Text2[0]) == square)
            input.keyWord = ws.Text2[0];
    }
    return input;
}

BreakInput BreakInput::fromFile(const QString &path)
{
    BreakInput input;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        input.note = {"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Файлът „%1“ не съществува."), {path}};
    } else if (info.isDir()) {
        input.note = {"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "„%1“ е папка, а не файл с шифрован текст."),
                      {path}};
    } else if (!file.open(QIODevice::ReadOnly)) {
        input.note = {"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Файлът „%1“ не може да бъде прочетен."),
                      {path}};
    } else {
        const QByteArray bytes = file.read(mostFileBytes + 1);
        input.ciphertext = QString::fromUtf8(bytes.left(mostFileBytes));
        if (bytes.size() > mostFileBytes)
            input.note = {"BreakSession",
                          QT_TRANSLATE_NOOP("BreakSession",
                                            "Файлът „%1“ е по-дълъг от 1 MiB: прочетено е само началото му."),
                          {path}};
    }
    return input;
}

BreakSession::BreakSession() = default;

QString BreakSession::inLatin(const QString &text)
{
    return QString::fromStdString(analysis::transliterated(text.toStdString()));
}

void BreakSession::setCiphertext(const QString &text)
{
    if (isSearching())
        return;
    const QString letters = m_inputLetters;
    // Another text typed in: the classic key it came with no longer binds it.
    if (text != m_ciphertext)
        m_givenClassicKey = false;
    m_ciphertext = text;
    readInputLetters();
    if (m_state == State::Finished && m_inputLetters != letters) {
        clearResult();
        m_state = State::Idle;
    }
    if (m_state == State::Idle || m_state == State::Refused) {
        m_state = State::Idle;
        m_message = {};
    }
}

void BreakSession::setAlphabet(std::optional<analysis::AlphabetKind> alphabet)
{
    if (isSearching() || alphabet == m_alphabet)
        return;
    m_alphabet = alphabet;
    readInputLetters();
    if (m_state == State::Finished) {
        clearResult();
        m_state = State::Idle;
    }
    if (m_state == State::Refused) {
        m_state = State::Idle;
        m_message = {};
    }
}

analysis::AlphabetKind BreakSession::squareAlphabet() const
{
    return hasSearched() ? m_runAlphabet : m_inputAlphabet;
}

void BreakSession::readInputLetters()
{
    const std::string text = m_ciphertext.toStdString();
    m_inputAlphabet = m_alphabet ? *m_alphabet : automaticAlphabet().alphabet;
    if (m_inputAlphabet != analysis::AlphabetKind::LatinIJ) {
        // Another alphabet's letters: pairs of two different letters, the
        // padding after the last pair set aside.
        const analysis::SolverLetters &letters = analysis::SolverLetters::of(m_inputAlphabet);
        const ShapedLetters read(m_ciphertext, m_inputAlphabet);
        const std::vector<std::uint8_t> kept = read.kept();
        m_inputLetters = QString::fromStdString(letters.text(read.letters.data(), read.letters.size()));
        m_inputReadable = !read.error();
        m_inputCipher = m_inputReadable ? QString::fromStdString(letters.text(kept.data(), kept.size())) : QString();
        m_setAside = m_inputReadable ? m_inputLetters.right(m_inputLetters.size() - m_inputCipher.size()) : QString();
        return;
    }
    m_inputLetters.clear();
    for (QChar c : m_ciphertext) {
        const int number = c.unicode() < 0x80 ? analysis::letterNumber(char(c.unicode())) : -1;
        if (number >= 0)
            m_inputLetters += QLatin1Char(analysis::letterName(number));
    }
    const auto read = analysis::readCiphertext(m_inputLetters.toStdString(), m_doubles);
    const auto *ciphertext = std::get_if<analysis::Ciphertext>(&read);
    m_inputReadable = ciphertext != nullptr;
    m_inputCipher = ciphertext ? textOf(ciphertext->letters) : QString();
    m_setAside = ciphertext ? QString::fromStdString(ciphertext->setAside) : QString();
}

bool BreakSession::keyKnown() const
{
    return !m_knownSquare.isEmpty() && m_knownFor == m_inputLetters && m_knownAlphabet == m_inputAlphabet;
}

analysis::AlphabetChoice BreakSession::automaticAlphabet() const
{
    // A key known on the classic square ties its pairs to that square, as
    // the main window made them, whatever letters a crib left in the box has.
    const std::string crib = m_givenClassicKey ? std::string() : m_crib.toStdString();
    return analysis::chooseAlphabet(m_ciphertext.toStdString(), crib, {});
}

void BreakSession::setCrib(const QString &text)
{
    if (isSearching())
        return;
    m_crib = text;
    // A text of neither J nor Q is read on the square the crib's letters
    // point to.
    const analysis::AlphabetKind alphabet = m_inputAlphabet;
    readInputLetters();
    if (m_state == State::Finished && m_inputAlphabet != alphabet) {
        clearResult();
        m_state = State::Idle;
    }
}

void BreakSession::setLanguage(std::optional<Language> language)
{
    if (!isSearching())
        m_language = language;
}

void BreakSession::setDoubles(Doubles doubles)
{
    if (isSearching() || doubles == m_doubles)
        return;
    // The letters read another way are another ciphertext.
    m_doubles = doubles;
    const QString letters = m_inputCipher;
    readInputLetters();
    if (m_state == State::Finished && m_inputCipher != letters) {
        clearResult();
        m_state = State::Idle;
    }
    if (m_state == State::Refused) {
        m_state = State::Idle;
        m_message = {};
    }
}

void BreakSession::setTimeLimit(int seconds)
{
    if (!isSearching())
        m_timeLimit = std::clamp(seconds, shortestTimeLimit, longestTimeLimit);
}

void BreakSession::setSearchOptions(int threads, std::optional<std::uint64_t> seed)
{
    m_threads = threads;
    m_seed = seed;
}

void BreakSession::setInput(const BreakInput &input)
{
    if (isSearching())
        return;
    clearResult();
    m_ciphertext = input.ciphertext;
    if (input.doubles)
        m_doubles = *input.doubles;
    m_givenClassicKey = !input.trueSquare.isEmpty() && isSquare(input.trueSquare.toStdString());
    readInputLetters();
    m_knownSquare.clear();
    m_knownKeyWord.clear();
    m_knownRoute = SquareRoute::Rows;
    m_knownFor.clear();
    m_knownLanguage.reset();
    m_knownAlphabet = m_inputAlphabet;
    if (m_inputAlphabet != analysis::AlphabetKind::LatinIJ) {
        // A square of another alphabet, as its demonstration makes it: its
        // language is the alphabet's.
        const Alphabet &alphabet = Alphabet::of(m_inputAlphabet);
        const QString square = input.trueSquare.toUpper();
        if (!square.isEmpty() && isSquare(alphabet, square.toStdU32String()) && m_inputReadable) {
            m_knownSquare = square;
            if (!input.keyWord.trimmed().isEmpty()
                && Demonstration::keySquare(alphabet, input.keyWord, input.route) == m_knownSquare) {
                m_knownKeyWord = input.keyWord.simplified().toUpper();
                m_knownRoute = input.route;
            }
            m_knownFor = m_inputLetters;
        }
    } else if (!input.trueSquare.isEmpty() && isSquare(input.trueSquare.toStdString()) && m_inputReadable) {
        m_knownSquare = input.trueSquare;
        if (!input.keyWord.trimmed().isEmpty()
            && Demonstration::keySquare(inLatin(input.keyWord), input.route) == m_knownSquare) {
            m_knownKeyWord = input.keyWord.simplified().toUpper();
            m_knownRoute = input.route;
        }
        m_knownFor = m_inputLetters;
        chooseLanguageFor(decrypted(m_knownSquare, m_inputCipher));
    }
    m_state = State::Idle;
    m_message = input.note;
}

bool BreakSession::offerInput(const BreakInput &input)
{
    if (input.ciphertext.isEmpty() || (input.ciphertext == m_ciphertext && input.trueSquare == m_knownSquare))
        return false;
    const bool abandoned = abandon();
    setInput(input);
    return abandoned;
}

bool BreakSession::abandon()
{
    if (!isSearching())
        return false;
    clearResult();
    m_state = State::Idle;
    m_message = {};
    return true;
}

void BreakSession::demonstrate(const QString &text, const std::optional<QString> &keyWord, QRandomGenerator &random,
                               SquareRoute route, Doubles doubles)
{
    if (isSearching())
        return;
    if (m_alphabet && *m_alphabet != analysis::AlphabetKind::LatinIJ) {
        demonstrateIn(Alphabet::of(*m_alphabet), text, keyWord, random, route, doubles);
        return;
    }
    QString square;
    Sentence note;
    if (!keyWord) {
        square = Demonstration::randomSquare(random);
    } else {
        if (keyWord->trimmed().isEmpty()) {
            refuse({"BreakSession",
                    QT_TRANSLATE_NOOP("BreakSession", "Напишете ключова дума или изберете „случаен квадрат“.")});
            return;
        }
        const QString latinKey = inLatin(*keyWord);
        if (cleaned(upperCased(latinKey)).isEmpty()) {
            refuse({"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Ключовата дума няма нито една буква.")});
            return;
        }
        if (latinKey != *keyWord)
            note = {"BreakSession",
                    QT_TRANSLATE_NOOP("BreakSession", "Ключовата дума %1 е написана с латински букви: %2."),
                    {keyWord->simplified().toUpper(), latinKey.simplified().toUpper()}};
        square = Demonstration::keySquare(latinKey, route);
    }
    const QString latinText = inLatin(text);
    const std::optional<Demonstration> demonstration = Demonstration::make(latinText, square, doubles);
    if (!demonstration) {
        refuse({"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Текстът за демонстрация няма нито една буква.")});
        return;
    }
    if (latinText != text) {
        Sentence textNote{"BreakSession",
                          QT_TRANSLATE_NOOP("BreakSession", "Кирилицата в текста е написана с латински букви по "
                                                            "официалната транслитерация, на която е и статистиката "
                                                            "на българския: „%1“."),
                          {quoted(latinText.toUpper())}};
        textNote.addLine(note);
        note = textNote;
    }
    BreakInput input;
    input.ciphertext = pairsOf(demonstration->ciphertext);
    input.trueSquare = demonstration->square;
    input.keyWord = keyWord.value_or(QString());
    input.route = route;
    input.doubles = doubles;
    input.note = note;
    setInput(input);
}

void BreakSession::demonstrateIn(const Alphabet &alphabet, const QString &text, const std::optional<QString> &keyWord,
                                 QRandomGenerator &random, SquareRoute route, Doubles doubles)
{
    QString square;
    if (!keyWord) {
        square = Demonstration::randomSquare(alphabet, random);
    } else {
        if (keyWord->trimmed().isEmpty()) {
            refuse({"BreakSession",
                    QT_TRANSLATE_NOOP("BreakSession", "Напишете ключова дума или изберете „случаен квадрат“.")});
            return;
        }
        if (alphabet.cleaned(keyWord->toUpper().toStdU32String()).letters.empty()) {
            refuse({"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Ключовата дума няма нито една буква.")});
            return;
        }
        square = Demonstration::keySquare(alphabet, *keyWord, route);
    }
    const std::optional<Demonstration> demonstration = Demonstration::make(alphabet, text, square, doubles);
    if (!demonstration) {
        refuse({"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Текстът за демонстрация няма нито една буква.")});
        return;
    }
    BreakInput input;
    input.ciphertext = pairsOf(demonstration->ciphertext);
    input.trueSquare = square;
    input.keyWord = keyWord.value_or(QString());
    input.route = route;
    input.doubles = doubles;
    if (!demonstration->dropped.isEmpty())
        input.note = {"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "Азбуката няма тези букви на текста: %1."),
                      {demonstration->dropped}};
    setInput(input);
}

// A known plaintext's language: a language chosen in the box follows it; one
// left to the search stays so, and the score is read in it meanwhile.
void BreakSession::chooseLanguageFor(const QString &plainLetters)
{
    if (plainLetters.size() < 8)
        return;
    const bool bulgarianText = scoreOf(plainLetters, Language::Bulgarian) > scoreOf(plainLetters, Language::English);
    m_knownLanguage = bulgarianText ? Language::Bulgarian : Language::English;
    if (m_language)
        m_language = m_knownLanguage;
}

Language BreakSession::shownLanguage() const
{
    const std::optional<Language> chosen = isSearching() ? m_searchLanguage : m_language;
    if (chosen)
        return *chosen;
    if (hasSearched() && m_report.found)
        return m_report.language;
    return m_knownLanguage.value_or(Language::English);
}

// A refusal takes the place of whatever was on show.
void BreakSession::refuse(const Sentence &message)
{
    clearResult();
    m_state = State::Refused;
    m_message = message;
}

std::optional<BreakSession::Search> BreakSession::startShaped(analysis::AlphabetKind alphabet)
{
    const analysis::SolverLetters &letters = analysis::SolverLetters::of(alphabet);
    const ShapedLetters read(m_ciphertext, alphabet);
    const std::vector<std::uint8_t> numbers = read.kept();
    if (const std::optional<analysis::CiphertextError> error = read.error()) {
        switch (error->kind) {
        case analysis::CiphertextError::Kind::DoubledPair: {
            const std::string pair = letters.name(numbers[error->position - 1]) + letters.name(numbers[error->position - 1]);
            refuse({"BreakSession",
                    QT_TRANSLATE_NOOP("BreakSession", "Двойка %1 е от две еднакви букви, %2: никой квадрат Playfair не дава такава двойка."),
                    {QString::number(error->position / 2 + 1), QString::fromStdString(pair)}});
            break;
        }
        case analysis::CiphertextError::Kind::OddLetters:
            refuse(sentenceOf(*error));
            break;
        default:
            refuse({"BreakSession", QT_TRANSLATE_NOOP("BreakSession", "В текста няма двойка букви от азбуката на квадрата.")});
            break;
        }
        return std::nullopt;
    }
    Search search;
    search.alphabet = alphabet;
    search.shapedCiphertext = numbers;
    analysis::ShapedOptions &options = search.shapedOptions;
    // A known word binds the search as on the classic square, read in the
    // alphabet's letters.
    if (!m_crib.trimmed().isEmpty()) {
        options.crib = letters.numbersOf(m_crib.toStdString());
        const auto crib = analysis::Crib::make(options.crib, std::nullopt, numbers);
        if (const auto *error = std::get_if<analysis::CribError>(&crib)) {
            refuse(sentenceOf(*error));
            return std::nullopt;
        }
    }
    options.alphabet = alphabet;
    options.timeLimit = std::chrono::seconds(m_timeLimit);
    options.threads = m_threads;
    options.seed = m_seed ? *m_seed : QRandomGenerator::global()->generate64();
    options.paddingAllowed = read.paddingAllowed;
    m_runAlphabet = alphabet;
    m_cribGiven = !options.crib.empty();
    m_searchLanguage = alphabet == analysis::AlphabetKind::Cyrillic ? Language::Bulgarian : Language::English;
    m_letters = QString::fromStdString(letters.text(numbers.data(), numbers.size()));
    if (keyKnown() && m_knownAlphabet == alphabet) {
        m_trueSquare = m_knownSquare;
        m_trueKeyWord = m_knownKeyWord;
        m_trueRoute = m_knownRoute;
        m_truePlain = decryptedInRun(m_knownSquare, m_letters);
        const std::vector<std::uint8_t> plain = letters.numbersOf(m_truePlain.toStdString());
        m_trueScore = analysis::ShapedStatistics::of(alphabet).meanLog10(plain.data(), plain.size());
    }
    m_message = {};
    m_state = State::Searching;
    search.run = ++m_run;
    return search;
}

std::optional<BreakSession::Search> BreakSession::start()
{
    if (isSearching())
        return std::nullopt;
    clearResult();
    if (m_inputAlphabet != analysis::AlphabetKind::LatinIJ)
        return startShaped(m_inputAlphabet);
    if (!m_alphabet)
        m_choice = automaticAlphabet();
    auto read = analysis::readCiphertext(m_ciphertext.toStdString(), m_doubles);
    if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
        Sentence message = sentenceOf(*error);
        if (error->kind == analysis::CiphertextError::Kind::DoubledPair)
            message.addLine({"BreakSession",
                             QT_TRANSLATE_NOOP("BreakSession", "Ако в съобщението удвоените букви са оставени, без X "
                                                               "между тях, отбележете „удвоените букви са оставени“.")});
        refuse(message);
        return std::nullopt;
    }
    Search search;
    search.ciphertext = std::move(std::get<analysis::Ciphertext>(read).letters);
    analysis::SolverOptions &options = search.options;
    options.paddingAllowed = std::get<analysis::Ciphertext>(read).paddingAllowed;
    options.language = m_language;
    options.timeLimit = std::chrono::seconds(m_timeLimit);
    options.threads = m_threads;
    options.seed = m_seed ? *m_seed : QRandomGenerator::global()->generate64();
    if (!m_crib.trimmed().isEmpty()) {
        options.crib = m_crib.toStdString();
        const auto crib = analysis::Crib::make(options.crib, std::nullopt, search.ciphertext);
        if (const auto *error = std::get_if<analysis::CribError>(&crib)) {
            refuse(sentenceOf(*error));
            return std::nullopt;
        }
    }
    m_cribGiven = !options.crib.empty();
    m_searchLanguage = m_language;

    m_letters = textOf(search.ciphertext);
    if (keyKnown()) {
        analysis::Square square{};
        analysis::squareFromText(m_knownSquare.toStdString(), square);
        m_trueSquare = QString::fromStdString(analysis::squareToText(square));
        m_trueKeyWord = m_knownKeyWord;
        m_trueRoute = m_knownRoute;
        m_truePlain = decrypted(m_knownSquare, m_letters);
        m_trueScore = scoreOf(m_truePlain, m_language.value_or(m_knownLanguage.value_or(Language::English)));
    }

    m_message = {};
    m_state = State::Searching;
    search.run = ++m_run;
    return search;
}

bool BreakSession::stop()
{
    if (m_state != State::Searching)
        return false;
    m_state = State::Stopping;
    return true;
}

bool BreakSession::reportArrived(int run, const analysis::SolverReport &report)
{
    if (run != m_run || !isSearching())
        return false;
    static_cast<analysis::SolverReport &>(m_report) = report;
    if (report.found)
        m_points << QPointF(report.elapsedSeconds, report.score);
    return true;
}

bool BreakSession::searchFinished(int run, const analysis::SolverResult &result)
{
    if (run != m_run || !isSearching())
        return false;
    m_report = result;
    if (result.found)
        m_points << QPointF(result.elapsedSeconds, result.score);
    const bool reads = result.found && result.stopped == analysis::StopReason::Confident;
    if (m_classicRun) {
        // The square without Q, tried after the classic one: its result
        // stands if its plaintext reads, else the classic square's is back
        // (and, when the user stopped the try, nothing is settled).
        if (result.stopped != analysis::StopReason::Cancelled)
            analysis::settle(m_choice, false, reads);
        if (!reads) {
            m_report = m_classicRun->report;
            m_points = m_classicRun->points;
            m_letters = m_classicRun->letters;
            m_searchLanguage = m_classicRun->searchLanguage;
            m_runAlphabet = analysis::AlphabetKind::LatinIJ;
        }
        m_classicRun.reset();
    } else if (m_choice.undecided) {
        m_withoutQDue = m_state == State::Searching
            && analysis::triesSquareWithoutQ(m_choice, m_ciphertext.toStdString(), result.stopped,
                                             m_cribGiven || !m_trueSquare.isEmpty());
        if (!m_withoutQDue && reads)
            analysis::settle(m_choice, true);
    }
    m_state = State::Finished;
    return true;
}

std::optional<BreakSession::Search> BreakSession::followingSearch()
{
    if (!m_withoutQDue || m_state != State::Finished)
        return std::nullopt;
    m_withoutQDue = false;
    if (ShapedLetters(m_ciphertext, analysis::AlphabetKind::LatinQ).error()) {
        analysis::settle(m_choice, false, false);
        return std::nullopt;
    }
    ClassicRun classic{m_report, m_points, m_letters, m_searchLanguage};
    m_report = analysis::SolverResult();
    m_points.clear();
    std::optional<Search> search = startShaped(analysis::AlphabetKind::LatinQ);
    if (search)
        m_classicRun = std::move(classic);
    return search;
}

bool BreakSession::searchFailed(int run, const QString &message)
{
    if (run != m_run || !isSearching())
        return false;
    refuse(message);
    return true;
}

bool BreakSession::hasSearched() const
{
    return isSearching() || m_state == State::Finished;
}

// Nothing of the last search is left to show.
void BreakSession::clearResult()
{
    m_cribGiven = false;
    m_letters.clear();
    m_truePlain.clear();
    m_trueSquare.clear();
    m_trueKeyWord.clear();
    m_trueRoute = SquareRoute::Rows;
    m_trueScore.reset();
    m_report = analysis::SolverResult();
    m_points.clear();
    m_runAlphabet = analysis::AlphabetKind::LatinIJ;
    m_choice = {};
    m_classicRun.reset();
    m_withoutQDue = false;
}

// The square found decrypts the text as the known key does: it is the key's
// square, but for a shift and the letters the text does not use.
bool BreakSession::foundIsKnownKey() const
{
    return hasSearched() && m_report.found && !m_trueSquare.isEmpty() && !m_truePlain.isEmpty()
        && decryptedInRun(QString::fromStdString(m_report.squareText), m_letters) == m_truePlain;
}

qsizetype BreakSession::paddingRead() const
{
    return hasSearched() && m_report.found ? qsizetype(m_report.padding) : 0;
}

QString BreakSession::cipherLetters() const
{
    return m_inputReadable ? m_inputCipher.chopped(std::min(paddingRead(), m_inputCipher.size())) : QString();
}

QString BreakSession::truePlaintext() const
{
    return m_truePlain.chopped(std::min(paddingRead(), m_truePlain.size()));
}

QString BreakSession::foundPlaintext() const
{
    return hasSearched() && m_report.found ? QString::fromStdString(m_report.plaintext) : QString();
}

BreakSession::Levels BreakSession::levels() const
{
    if (shapedRun()) {
        const analysis::ShapedStatistics &statistics = analysis::ShapedStatistics::of(m_runAlphabet);
        return {statistics.randomLog10(), statistics.typicalLog10()};
    }
    const analysis::ScoreLevels language = analysis::scoreLevels(shownLanguage());
    return {language.random, language.typical};
}

QString BreakSession::decryptedInRun(const QString &square, const QString &letters) const
{
    if (!shapedRun())
        return decrypted(square, letters);
    return QString::fromStdU32String(
        transformedPairs(Alphabet::of(m_runAlphabet), square.toStdU32String(), letters.toStdU32String(), -1));
}

analysis::LetterAlignment BreakSession::alignedToKey() const
{
    if (!hasSearched() || !m_report.found || m_trueSquare.isEmpty())
        return {};
    // All rows x columns shifts of a square decrypt alike: the one that
    // matches the key best is the square a class can compare with it.
    const SquareShape shape = Alphabet::of(m_runAlphabet).shape();
    return analysis::alignedLetters(QString::fromStdString(m_report.squareText).toStdU32String(),
                                    m_trueSquare.toStdU32String(), shape.rows, shape.columns);
}

QString BreakSession::squareLetters() const
{
    if (!hasSearched() || !m_report.found)
        return {};
    if (m_trueSquare.isEmpty())
        return QString::fromStdString(m_report.squareText);
    return QString::fromStdU32String(alignedToKey().square);
}

QList<int> BreakSession::rightCells() const
{
    QList<int> right;
    const analysis::LetterAlignment aligned = alignedToKey();
    for (std::size_t cell = 0; cell < aligned.inPlace.size(); ++cell) {
        if (aligned.inPlace[cell])
            right << int(cell);
    }
    return right;
}

} // namespace playfair
