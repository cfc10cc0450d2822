#include "breaksession.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "analysis/letterstatistics.h"
#include "analysis/squarealignment.h"
#include "engine/characters.h"
#include "engine/demonstration.h"
#include "engine/textbook.h"
#include "workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRandomGenerator>
#include <QStringList>

#include <cmath>
#include <variant>

namespace playfair {

namespace {

using analysis::Language;

// A file is read up to this size: a ciphertext is never longer.
constexpr qint64 mostFileBytes = 1 << 20;

QLocale bulgarian()
{
    return QLocale(QLocale::Bulgarian, QLocale::Bulgaria);
}

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

double scoreOf(const QString &letters, Language language)
{
    const std::vector<analysis::Letter> numbers = lettersOf(letters);
    return analysis::LetterStatistics::of(language).meanLog10(numbers.data(), numbers.size());
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

bool hasCyrillic(const QString &text)
{
    for (QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
}

QString seconds(double value)
{
    return QStringLiteral("%1 s").arg(bulgarian().toString(value, 'f', 1));
}

// A count in groups of three digits, as Bulgarian writes it: 1 461 274.
// (Qt 6.4's Bulgarian locale leaves the first group of a 7-digit number whole.)
QString grouped(std::uint64_t number)
{
    QString digits = QString::number(qulonglong(number));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

QString keysTested(std::uint64_t keys)
{
    return QStringLiteral("%1 %2").arg(grouped(keys), keys == 1 ? QStringLiteral("ключ") : QStringLiteral("ключа"));
}

// ", оценка -4,39" once a square is found.
QString scoreClause(const analysis::SolverReport &report)
{
    return report.found ? QStringLiteral(", оценка %1").arg(bulgarian().toString(report.score, 'f', 2)) : QString();
}

QString lines(const QString &first, const QString &second)
{
    return second.isEmpty() ? first : first + u'\n' + second;
}

// Functions, not constants: a QString constant is built by a static
// constructor at every start of the program, whichever window opens.
QString keyKnown()
{
    return QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено.");
}

QString keyUnknown()
{
    return QStringLiteral("Ключът не е известен: нищо не се отбелязва.");
}

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
    if (isSquare(square.toStdString()))
        input.trueSquare = square;
    return input;
}

BreakInput BreakInput::fromFile(const QString &path)
{
    BreakInput input;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        input.note = QStringLiteral("Файлът „%1“ не съществува.").arg(path);
    } else if (info.isDir()) {
        input.note = QStringLiteral("„%1“ е папка, а не файл с шифрован текст.").arg(path);
    } else if (!file.open(QIODevice::ReadOnly)) {
        input.note = QStringLiteral("Файлът „%1“ не може да бъде прочетен.").arg(path);
    } else {
        const QByteArray bytes = file.read(mostFileBytes + 1);
        input.ciphertext = QString::fromUtf8(bytes.left(mostFileBytes));
        if (bytes.size() > mostFileBytes)
            input.note = QStringLiteral("Файлът „%1“ е по-дълъг от 1 MiB: прочетено е само началото му.").arg(path);
    }
    return input;
}

BreakSession::BreakSession() = default;

void BreakSession::setCiphertext(const QString &text)
{
    if (isSearching())
        return;
    m_ciphertext = text;
    if (m_state == State::Idle || m_state == State::Refused) {
        m_state = State::Idle;
        m_message.clear();
    }
}

void BreakSession::setCrib(const QString &text)
{
    if (!isSearching())
        m_crib = text;
}

void BreakSession::setLanguage(Language language)
{
    if (!isSearching())
        m_language = language;
}

void BreakSession::setTimeLimit(int seconds)
{
    if (!isSearching())
        m_timeLimit = seconds;
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
    m_ciphertext = input.ciphertext;
    m_knownSquare.clear();
    m_knownFor.clear();
    if (!input.trueSquare.isEmpty() && isSquare(input.trueSquare.toStdString())) {
        const auto read = analysis::readCiphertext(input.ciphertext.toStdString());
        if (const auto *letters = std::get_if<std::vector<analysis::Letter>>(&read)) {
            m_knownSquare = input.trueSquare;
            m_knownFor = textOf(*letters);
            chooseLanguageFor(decrypted(m_knownSquare, m_knownFor));
        }
    }
    m_state = State::Idle;
    m_message = input.note;
}

void BreakSession::demonstrate(const QString &text, const std::optional<QString> &keyWord, QRandomGenerator &random)
{
    if (isSearching())
        return;
    QString square;
    if (!keyWord) {
        square = Demonstration::randomSquare(random);
    } else {
        if (keyWord->trimmed().isEmpty()) {
            refuse(QStringLiteral("Напишете ключова дума или изберете „случаен квадрат“."));
            return;
        }
        // The square would leave out whatever is not a Latin letter, and
        // the class would watch another key being found than the one shown.
        if (hasCyrillic(*keyWord) || cleaned(upperCased(*keyWord)).isEmpty()) {
            refuse(hasCyrillic(*keyWord)
                       ? QStringLiteral("Ключовата дума трябва да е с латински букви: програмата пропуска кирилицата.")
                       : QStringLiteral("Ключовата дума няма нито една латинска буква."));
            return;
        }
        square = Demonstration::keySquare(*keyWord);
    }
    const std::optional<Demonstration> demonstration = Demonstration::make(text, square);
    if (!demonstration) {
        refuse(hasCyrillic(text) ? QStringLiteral("Текстът за демонстрация трябва да е с латински букви: "
                                                  "програмата пропуска кирилицата.")
                                 : QStringLiteral("Текстът за демонстрация няма нито една латинска буква."));
        return;
    }
    BreakInput input;
    input.ciphertext = pairsOf(demonstration->ciphertext);
    input.trueSquare = demonstration->square;
    if (hasCyrillic(text))
        input.note = QStringLiteral("Кирилицата в текста за демонстрация е пропусната: криптирани са само латинските "
                                    "букви.");
    setInput(input);
}

void BreakSession::chooseLanguageFor(const QString &plainLetters)
{
    if (plainLetters.size() < 8)
        return;
    const bool bulgarianText = scoreOf(plainLetters, Language::Bulgarian) > scoreOf(plainLetters, Language::English);
    m_language = bulgarianText ? Language::Bulgarian : Language::English;
}

void BreakSession::refuse(const QString &message)
{
    m_state = State::Refused;
    m_message = message;
}

std::optional<BreakSession::Search> BreakSession::start()
{
    if (isSearching())
        return std::nullopt;
    auto read = analysis::readCiphertext(m_ciphertext.toStdString());
    if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
        refuse(QString::fromStdString(error->message(Language::Bulgarian)));
        return std::nullopt;
    }
    Search search;
    search.ciphertext = std::move(std::get<std::vector<analysis::Letter>>(read));
    analysis::SolverOptions &options = search.options;
    options.language = m_language;
    options.timeLimit = std::chrono::seconds(m_timeLimit);
    options.threads = m_threads;
    options.seed = m_seed ? *m_seed : QRandomGenerator::global()->generate64();
    if (!m_crib.trimmed().isEmpty()) {
        options.crib = m_crib.toStdString();
        const auto crib = analysis::Crib::make(options.crib, std::nullopt, search.ciphertext);
        if (const auto *error = std::get_if<analysis::CribError>(&crib)) {
            refuse(QString::fromStdString(error->message(Language::Bulgarian)));
            return std::nullopt;
        }
    }
    m_cribGiven = !options.crib.empty();
    m_searchLanguage = options.language;

    m_letters = textOf(search.ciphertext);
    m_trueSquare.reset();
    m_truePlain.clear();
    m_trueScore.reset();
    if (!m_knownSquare.isEmpty() && m_knownFor == m_letters) {
        analysis::Square square{};
        analysis::squareFromText(m_knownSquare.toStdString(), square);
        m_trueSquare = square;
        m_truePlain = decrypted(m_knownSquare, m_letters);
        m_trueScore = scoreOf(m_truePlain, options.language);
    }

    m_points.clear();
    m_report = analysis::SolverResult();
    m_message.clear();
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
    m_state = State::Finished;
    return true;
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

QString BreakSession::foundPlaintext() const
{
    return hasSearched() && m_report.found ? QString::fromStdString(m_report.plaintext) : QString();
}

BreakSession::Levels BreakSession::levels() const
{
    const analysis::LetterStatistics &statistics
        = analysis::LetterStatistics::of(isSearching() ? m_searchLanguage : m_language);
    return {statistics.randomLog10(), statistics.typicalLog10()};
}

QString BreakSession::squareLetters() const
{
    if (!hasSearched() || !m_report.found)
        return {};
    if (!m_trueSquare)
        return QString::fromStdString(m_report.squareText);
    // All 25 shifts of a square decrypt alike: the one that matches the key
    // best is the square a class can compare with it.
    return QString::fromStdString(analysis::squareToText(analysis::alignedSquare(m_report.square, *m_trueSquare).square));
}

QList<int> BreakSession::rightCells() const
{
    QList<int> right;
    if (!hasSearched() || !m_report.found || !m_trueSquare)
        return right;
    const analysis::SquareAlignment aligned = analysis::alignedSquare(m_report.square, *m_trueSquare);
    for (int cell = 0; cell < 25; ++cell) {
        if (aligned.inPlace[std::size_t(cell)])
            right << cell;
    }
    return right;
}

QString BreakSession::inPlaceNote() const
{
    const bool searched = hasSearched();
    if (!searched || !m_report.found)
        return (searched ? m_trueSquare.has_value() : !m_knownSquare.isEmpty()) ? keyKnown() : keyUnknown();
    if (!m_trueSquare)
        return keyUnknown();
    const int cells = analysis::alignedSquare(m_report.square, *m_trueSquare).count;
    const QString plain = QString::fromStdString(m_report.plaintext);
    qsizetype same = 0;
    for (qsizetype i = 0; i < plain.size() && i < m_truePlain.size(); ++i)
        same += plain[i] == m_truePlain[i];
    const int percent = m_truePlain.isEmpty() ? 0 : int(std::floor(100.0 * double(same) / double(m_truePlain.size())));
    return QStringLiteral("На мястото си: %1 от 25 букви.\nВерен текст: %2 % от буквите.").arg(cells).arg(percent);
}

QString BreakSession::scoreNote() const
{
    const analysis::LetterStatistics &statistics = analysis::LetterStatistics::of(m_language);
    return QStringLiteral("Оценката показва колко прилича текстът на %1: средният логаритъм от вероятността на "
                          "четворките поредни букви в него (около %2 за случайни букви, около %3 за обикновен текст).")
        .arg(m_language == Language::English ? QStringLiteral("английски") : QStringLiteral("български"),
             bulgarian().toString(statistics.randomLog10(), 'f', 1),
             bulgarian().toString(statistics.typicalLog10(), 'f', 1));
}

QString BreakSession::shortTextNote(qsizetype letters) const
{
    if (letters == 0 || letters >= qsizetype(analysis::shortCiphertext))
        return {};
    QString note = QStringLiteral("Шифърът има само %1 букви: на толкова кратък текст пасват много квадрати.")
                       .arg(letters);
    if (m_crib.trimmed().isEmpty())
        note += QStringLiteral(" Ако знаете дума от текста, напишете я в „Известна дума“.");
    return note;
}

QString BreakSession::status() const
{
    switch (m_state) {
    case State::Idle: {
        if (!m_message.isEmpty())
            return m_message;
        if (m_ciphertext.trimmed().isEmpty())
            return QStringLiteral("Поставете шифрован текст или направете демонстрация, после натиснете „Започни“.");
        const auto read = analysis::readCiphertext(m_ciphertext.toStdString());
        const auto *letters = std::get_if<std::vector<analysis::Letter>>(&read);
        return lines(QStringLiteral("Натиснете „Започни“ или Enter в полето за шифрования текст."),
                     letters ? shortTextNote(qsizetype(letters->size())) : QString());
    }
    case State::Refused:
        return m_message;
    case State::Searching:
        return lines(QStringLiteral("Търсене: %1, проверени %2, завършени опити: %3%4.")
                         .arg(seconds(m_report.elapsedSeconds), keysTested(m_report.keysTested))
                         .arg(m_report.restarts)
                         .arg(scoreClause(m_report)),
                     shortTextNote(m_letters.size()));
    case State::Stopping:
        return QStringLiteral("Спиране…");
    case State::Finished:
        break;
    }
    return lines(finishedStatus(), shortTextNote(m_letters.size()));
}

QString BreakSession::finishedStatus() const
{
    QString why;
    switch (m_report.stopped) {
    case analysis::StopReason::Confident:
        why = m_report.settled
            ? QStringLiteral("резултатът е сигурен: текстът прилича на езика и никое търсене от този квадрат не намери по-добър")
            : QStringLiteral("резултатът е сигурен, %1 независими търсения стигнаха до един и същ текст")
                  .arg(m_report.agreeing);
        break;
    case analysis::StopReason::TimeLimit:
        why = QStringLiteral("времето за търсене изтече");
        break;
    case analysis::StopReason::Cancelled:
        why = QStringLiteral("спряно");
        break;
    }
    QString first = QStringLiteral("Спря след %1 и %2 проверени ключа: %3%4.")
                        .arg(seconds(m_report.elapsedSeconds), grouped(m_report.keysTested), why,
                             scoreClause(m_report));
    if (!m_report.found)
        first += m_cribGiven ? QStringLiteral(" Не е намерен квадрат, при който известната дума е в текста.")
                             : QStringLiteral(" Не е намерен квадрат.");
    return first;
}

} // namespace playfair
