#include "breaksession.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "analysis/squarealignment.h"
#include "engine/characters.h"
#include "engine/demonstration.h"
#include "engine/textbook.h"
#include "workspace.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

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

bool hasCyrillic(const QString &text)
{
    for (QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    }
    return false;
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
    m_knownKeyWord.clear();
    m_knownFor.clear();
    if (!input.trueSquare.isEmpty() && isSquare(input.trueSquare.toStdString())) {
        const auto read = analysis::readCiphertext(input.ciphertext.toStdString());
        if (const auto *letters = std::get_if<analysis::Ciphertext>(&read)) {
            m_knownSquare = input.trueSquare;
            if (!input.keyWord.trimmed().isEmpty() && Demonstration::keySquare(input.keyWord) == m_knownSquare)
                m_knownKeyWord = input.keyWord.simplified().toUpper();
            m_knownFor = textOf(letters->letters);
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
    input.keyWord = keyWord.value_or(QString());
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
    search.ciphertext = std::move(std::get<analysis::Ciphertext>(read).letters);
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
    m_searchLanguage = m_language;

    m_letters = textOf(search.ciphertext);
    m_trueSquare.reset();
    m_trueKeyWord.clear();
    m_truePlain.clear();
    m_trueScore.reset();
    if (!m_knownSquare.isEmpty() && m_knownFor == m_letters) {
        analysis::Square square{};
        analysis::squareFromText(m_knownSquare.toStdString(), square);
        m_trueSquare = square;
        m_trueKeyWord = m_knownKeyWord;
        m_truePlain = decrypted(m_knownSquare, m_letters);
        m_trueScore = scoreOf(m_truePlain, m_language);
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
    const analysis::ScoreLevels language = analysis::scoreLevels(isSearching() ? m_searchLanguage : m_language);
    return {language.random, language.typical};
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

} // namespace playfair
