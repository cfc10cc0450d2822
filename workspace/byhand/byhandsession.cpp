#include "byhandsession.h"

#include "analysis/ciphertext.h"
#include "analysis/shaped/alphabetchoice.h"
#include "analysis/transliteration.h"
#include "analysis/statistics/wordstatistics.h"
#include "byhandsquare.h"
#include "engine/characters.h"
#include "engine/keyedsquare.h"
#include "workspace/solvererrors.h"

#include <algorithm>

namespace playfair {

using namespace analysis;

namespace {

// The longest ciphertext a board takes: more than a class breaks by hand.
constexpr std::size_t mostLetters = 800;

// The board is the classic square's: a ciphertext whose letters point to
// another alphabet is named as such, and sent to the break window, which
// breaks every alphabet. One with a J and no Q may still be the classic
// square's with I written J, so it gets a board with a note.
std::optional<Sentence> otherAlphabetNote(AlphabetKind alphabet)
{
    switch (alphabet) {
    case AlphabetKind::LatinIJ:
        return std::nullopt;
    case AlphabetKind::Cyrillic:
        return Sentence("ByHandSession",
                        QT_TRANSLATE_NOOP("ByHandSession",
                                          "Текстът е на кирилица, а разбиването на ръка работи само с класическия "
                                          "квадрат 5 × 5 от латинските букви, J като I. Шифър на кирилица (квадрат "
                                          "5 × 6) се разбива в прозореца „Разбиване на шифъра“."));
    case AlphabetKind::LatinDigits:
        return Sentence("ByHandSession",
                        QT_TRANSLATE_NOOP("ByHandSession",
                                          "В текста има цифри между буквите: той е от квадрат 6 × 6 с буквите и "
                                          "цифрите, а разбиването на ръка работи само с класическия квадрат 5 × 5, "
                                          "J като I. Квадрат 6 × 6 се разбива в прозореца „Разбиване на шифъра“."));
    case AlphabetKind::LatinQ:
        return Sentence("ByHandSession",
                        QT_TRANSLATE_NOOP("ByHandSession",
                                          "В текста има J и няма Q: той може да е от квадрата без Q. Разбиването на "
                                          "ръка работи само с класическия квадрат 5 × 5, затова тук J се чете като I; "
                                          "квадрата без Q разбива прозорецът „Разбиване на шифъра“."));
    }
    return std::nullopt;
}

} // namespace

ByHandSession::ByHandSession()
{
    m_boards.append(m_board);
    derive({});
}

bool ByHandSession::startBoard()
{
    const AlphabetKind alphabet = chooseAlphabet(m_box.toStdString()).alphabet;
    const std::optional<Sentence> otherAlphabet = otherAlphabetNote(alphabet);
    if (alphabet == AlphabetKind::Cyrillic || alphabet == AlphabetKind::LatinDigits) {
        clearRejection();
        m_change = {};
        m_change.kind = Change::Kind::Refused;
        m_change.note = *otherAlphabet;
        return false;
    }
    const auto read = readCiphertext(transliterated(m_box.toStdString()));
    if (const auto *error = std::get_if<CiphertextError>(&read)) {
        clearRejection();
        m_change = {};
        m_change.kind = Change::Kind::Refused;
        m_change.note = sentenceOf(*error);
        return false;
    }
    const Ciphertext &ciphertext = std::get<Ciphertext>(read);
    const std::vector<Letter> &letters = ciphertext.letters;
    ByHandBoard board;
    board.ciphertext = QString::fromStdString(lettersToText(letters.data(), std::min(letters.size(), mostLetters)));
    board.guesses = QStringList(board.pairCount(), QString());
    m_step = -1;
    Change change;
    change.kind = Change::Kind::NewBoard;
    if (letters.size() > mostLetters)
        change.note = Sentence("ByHandSession",
                               QT_TRANSLATE_NOOP("ByHandSession", "Текстът има %1 букви: на дъската са първите %2, "
                                                                  "колкото се разбиват на ръка."),
                               {QString::number(letters.size()), QString::number(mostLetters)});
    change.note.addLine(setAsideSentence(QString::fromStdString(ciphertext.setAside)));
    if (otherAlphabet)
        change.note.addLine(*otherAlphabet);
    setBoard(std::move(board), change);
    return true;
}

void ByHandSession::setInput(const QString &text, const Sentence &note)
{
    m_box = text;
    if (!note.isEmpty() && text.trimmed().isEmpty()) {
        m_change = {};
        m_change.kind = Change::Kind::Refused;
        m_change.note = note;
        return;
    }
    if (startBoard() && !note.isEmpty())
        m_change.note = note;
}

void ByHandSession::setLanguage(Language language)
{
    if (language == m_language)
        return;
    m_language = language;
    m_hint = {};
    derive(m_change);
}

bool ByHandSession::setGuess(int pair, const QString &typed)
{
    if (pair < 0 || pair >= pairCount())
        return false;
    Change change;
    change.pair = pair;
    change.text = typed.trimmed();
    if (hasCyrillicLetter(typed.toStdString())) {
        clearRejection();
        change.kind = Change::Kind::Cyrillic;
        m_change = change;
        m_rejectedPair = pair;
        m_rejectedGuess = typed;
        return false;
    }
    // Letters and '?'; anything else makes it no pair.
    QString text;
    bool foreign = false;
    for (QChar c : upperCased(typed)) {
        if (c.isSpace())
            continue;
        const QString letter = c == u'?' ? QString(c) : cleaned(QString(c));
        foreign = foreign || letter.isEmpty();
        text += letter;
    }
    if (foreign || text.size() > 2) {
        clearRejection();
        change.kind = Change::Kind::BadGuess;
        change.reason = int(KnownPairError::Kind::NotAPair);
        m_change = change;
        m_rejectedPair = pair;
        m_rejectedGuess = typed;
        return false;
    }
    if (text.size() == 1 && text != u"?")
        text += u'?';
    if (text == u"??" || text == u"?")
        text.clear();
    if (text == guess(pair)) {
        clearRejection();
        return false;
    }
    ByHandBoard board = m_board;
    board.guesses[pair] = text;
    if (!text.isEmpty()) {
        const auto parsed = parseKnownPair((text + u'=' + cipherPair(pair)).toStdString());
        if (const auto *error = std::get_if<KnownPairError>(&parsed)) {
            clearRejection();
            change.kind = Change::Kind::BadGuess;
            change.reason = int(error->kind);
            change.text = text;
            change.errorText = QString(QChar(error->letter));
            m_change = change;
            m_rejectedPair = pair;
            m_rejectedGuess = typed;
            return false;
        }
    }
    change.kind = Change::Kind::Guess;
    change.text = text;
    board.keyWord.clear();
    return tryBoard(board, change);
}

QString ByHandSession::followingPair(int pair) const
{
    if (pair < 0 || pair >= pairCount() || !guess(pair).isEmpty())
        return {};
    const QString letters = m_plain.mid(2 * pair, 2);
    return letters == u"??" ? QString() : letters;
}

QString ByHandSession::rejectedGuess(int pair) const
{
    return pair == m_rejectedPair ? m_rejectedGuess : QString();
}

bool ByHandSession::isPlaced(int cell) const
{
    return std::any_of(m_board.placed.begin(), m_board.placed.end(), [&](const PlacedCell &p) { return p.cell == cell; });
}

bool ByHandSession::placeLetter(int cell, const QString &typed)
{
    if (cell < 0 || cell > 24 || pairCount() == 0)
        return false;
    const QString letters = cleaned(upperCased(typed));
    Change change;
    change.cell = cell;
    if (hasCyrillicLetter(typed.toStdString())) {
        clearRejection();
        change.kind = Change::Kind::Cyrillic;
        m_change = change;
        m_rejectedCell = cell;
        m_rejectedLetter = typed;
        return false;
    }
    ByHandBoard board = m_board;
    const auto at = std::find_if(board.placed.begin(), board.placed.end(), [&](const PlacedCell &p) { return p.cell == cell; });
    if (letters.isEmpty()) {
        if (at == board.placed.end()) {
            clearRejection();
            return false;
        }
        board.placed.erase(at);
    } else {
        const QChar letter = letters.back();
        if (at != board.placed.end() && at->letter == letter) {
            clearRejection();
            return false;
        }
        change.text = QString(letter);
        // The piece shown keeps its place: one of its letters is put down
        // where it stands, which loses nothing, since the square's shift is
        // free until a letter is placed.
        if (board.placed.isEmpty()) {
            for (int other = 0; other < 25; ++other) {
                if (other != cell && m_square[other] != u'.' && m_square[other] != letter) {
                    board.placed.append({m_square[other], other});
                    break;
                }
            }
        }
        board.placed.removeIf([&](const PlacedCell &p) { return p.cell == cell || p.letter == letter; });
        board.placed.append({letter, cell});
    }
    change.kind = Change::Kind::Cell;
    board.keyWord.clear();
    return tryBoard(board, change);
}

QList<int> ByHandSession::runCells() const
{
    QList<int> cells;
    if (!m_run || m_run->rows != 0 || m_run->columns != 0)
        return cells;
    for (int cell = m_run->firstCell; cell < 25; ++cell)
        cells.append(cell);
    return cells;
}

QStringList ByHandSession::otherPieces() const
{
    QStringList pieces;
    for (const Fragment &fragment : m_result.fragments) {
        bool shown = false;
        for (const auto &[letter, at] : fragment.letters)
            shown = shown || m_square.contains(QChar(letterName(letter)));
        if (!shown && fragment.letters.size() > 1)
            pieces.append(pieceText(fragment));
    }
    return pieces;
}

bool ByHandSession::isContradictory() const
{
    return m_result.consistency == Consistency::Contradictory;
}

bool ByHandSession::undo()
{
    if (!canUndo())
        return false;
    m_board = m_boards[--m_history];
    Change change;
    change.kind = Change::Kind::Undo;
    derive(change);
    return true;
}

bool ByHandSession::redo()
{
    if (!canRedo())
        return false;
    m_board = m_boards[++m_history];
    Change change;
    change.kind = Change::Kind::Redo;
    derive(change);
    return true;
}

void ByHandSession::setProbableWord(const QString &typed)
{
    const QString word = cleaned(upperCased(QString::fromStdString(transliterated(typed.toStdString()))));
    if (word == m_word)
        return;
    m_word = word;
    findPlaces();
}

void ByHandSession::findPlaces()
{
    m_places.clear();
    if (m_word.isEmpty() || pairCount() == 0)
        return;
    std::vector<Letter> word;
    for (QChar c : m_word)
        word.push_back(Letter(letterNumberOf(c)));
    m_places = placesOfWord(word, m_input);
}

QList<ByHandSession::Place> ByHandSession::wordPlaces() const
{
    QList<Place> places;
    for (const WordPlace &place : m_places)
        places.append({int(place.position), place.verdict == WordPlace::Verdict::Possible, placeDescription(place)});
    return places;
}

bool ByHandSession::placeWord(int place)
{
    if (place < 0 || place >= int(m_places.size()) || m_places[std::size_t(place)].verdict != WordPlace::Verdict::Possible)
        return false;
    const WordPlace &where = m_places[std::size_t(place)];
    ByHandBoard board = m_board;
    mergeWord(board, m_word, int(where.position));
    if (board == m_board)
        return false;
    Change change;
    change.kind = Change::Kind::Word;
    change.text = m_word;
    change.position = int(where.position);
    board.keyWord.clear();
    return tryBoard(board, change);
}

std::optional<ByHandSession::KeySearch> ByHandSession::takeKeySearch()
{
    if (m_keySearchTaken || m_keysState != KeysState::Searching)
        return std::nullopt;
    m_keySearchTaken = true;
    KeySearch search;
    search.run = m_keysRun;
    search.input = m_input;
    search.options.language = m_language;
    search.options.threads = 1;
    search.options.most = 20;
    search.options.letterSearch = std::chrono::milliseconds(1500);
    return search;
}

bool ByHandSession::keysFound(int run, const std::vector<FittingKey> &keys)
{
    if (run != m_keysRun || m_keysState != KeysState::Searching)
        return false;
    m_keys = keys;
    m_keysState = KeysState::Found;
    return true;
}

QStringList ByHandSession::keyWords() const
{
    QStringList words;
    for (const FittingKey &key : m_keys)
        words.append(QString::fromStdString(key.key));
    return words;
}

bool ByHandSession::applyKey(const QString &keyWord)
{
    const QString letters = cleaned(upperCased(QString::fromStdString(transliterated(keyWord.toStdString()))));
    if (letters.isEmpty() || pairCount() == 0)
        return false;
    Change change;
    change.kind = Change::Kind::Key;
    change.text = keyWord.trimmed().toUpper();
    ByHandBoard board = m_board;
    const auto square = squareKeeping(QString::fromStdString(keyedSquare(letters.toStdString())), board.placed);
    if (!square) {
        clearRejection();
        change.kind = Change::Kind::RejectedKey;
        m_change = change;
        return false;
    }
    board.placed.clear();
    for (int cell = 0; cell < 25; ++cell)
        board.placed.append({square->at(cell), cell});
    board.keyWord = change.text;
    if (board == m_board)
        return false;
    return tryBoard(board, change);
}

void ByHandSession::askHint()
{
    m_hint = findHint();
}

} // namespace playfair
