#pragma once

#include "analysis/deduction.h"
#include "analysis/fittingkeys.h"
#include "byhandboard.h"
#include "ciphertally.h"
#include "workspace/sentence.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace playfair {

// Breaking a ciphertext by hand, as plain data and commands: the pupil's
// board (the ciphertext, a guess under each cipher pair, letters put in the
// square's cells, the key word applied), undo and redo over boards, the
// probable word and its places, the key words that fit, a hint, the
// lesson's step, and saving and opening a board. The logic is the
// deduction's (analysis/deduction.h): after every change the session asks
// it afresh what follows from the guesses and the placed letters, and keeps
// what is new for the notes. A guess or a letter that no square can
// satisfy with the rest is not taken: the note names the pairs it
// contradicts, and the box keeps what was typed until the next change.
//
// The window passes the user's actions in and shows the session through one
// render(). Every text comes out in the language shown at the time it is
// asked for (tr()), so a session kept over a switch of language shows its
// notes in the new one.
//
// The key words are looked for off the window's thread: after a change the
// session offers a search (takeKeySearch) tagged with a run number, and
// takes its result only for the last run.
class ByHandSession
{
    Q_DECLARE_TR_FUNCTIONS(ByHandSession)

public:
    ByHandSession();

    // The ciphertext box, as the user left it, and a new board on its letters
    // (an undoable change). A text that is no ciphertext (no letters, an odd
    // count, a pair of one letter twice) is refused with a note.
    const QString &ciphertextBox() const { return m_box; }
    void setCiphertextBox(const QString &text) { m_box = text; }
    bool startBoard();
    // Another window's ciphertext, or a file's: into the box and on the board.
    // `note`, if given, says why there is none (a file that cannot be read).
    void setInput(const QString &text, const Sentence &note = {});

    const ByHandBoard &board() const { return m_board; }
    int pairCount() const { return m_board.pairCount(); }
    QString cipherPair(int pair) const { return m_board.cipherPair(pair); }
    const CipherTally &tally() const { return m_tally; }
    // The tally in words: the pairs by how often they occur, the runs that
    // repeat, the reversed pairs, the letters that never occur.
    QString tallyText() const;

    // The language of the message: the commonest pairs, the hints and the
    // word division follow it.
    analysis::Language language() const { return m_language; }
    void setLanguage(analysis::Language language);

    // A guess under a cipher pair: two letters, or one and '?' (one letter
    // alone is the first); either case, J as I; empty or "??" takes the
    // guess away. Returns whether the board changed.
    bool setGuess(int pair, const QString &typed);
    QString guess(int pair) const { return m_board.guesses.value(pair); }
    // Under a pair without a guess: its plain letters as far as they follow
    // ('?' for one that does not), or empty.
    QString followingPair(int pair) const;
    // A guess not taken, shown until the next change, or empty.
    QString rejectedGuess(int pair) const;

    // The square in the frame shown: 25 characters row by row, '.' where
    // unknown. With no letter placed, the largest piece of the square,
    // turned so that an alphabetical run stands at the end if there is one.
    const QString &squareLetters() const { return m_square; }
    bool isPlaced(int cell) const;
    // A letter typed into a cell (0..24); empty takes the pupil's letter
    // away. The letter moves there if it stood elsewhere.
    bool placeLetter(int cell, const QString &typed);
    int rejectedCell() const { return m_rejectedCell; }
    QString rejectedLetter() const { return m_rejectedLetter; }
    // The cells of the alphabetical run shown, and those its gaps would fill.
    QList<int> runCells() const;
    // The pieces of the square not shown in it, each as lines of letters.
    QStringList otherPieces() const;

    // What follows, put into words: the plaintext pair by pair ("TH E? ?? …"),
    // the plaintext as words once every letter is known, what the last
    // change taught, and how many squares are still possible.
    QString plaintextPairs() const;
    QString plaintextWords() const;
    QString notes() const;
    QString squareNote() const;
    bool isContradictory() const; // only a board from outside can be

    bool canUndo() const { return m_history > 0; }
    bool canRedo() const { return m_history + 1 < m_boards.size(); }
    bool undo();
    bool redo();

    // A probable word and the places it can stand at (every place, in order).
    struct Place
    {
        int position = 0; // of its first letter, from 0
        bool possible = false;
        QString description;
    };
    void setProbableWord(const QString &typed);
    const QString &probableWord() const { return m_word; }
    QList<Place> wordPlaces() const;
    // Puts the word's letters under the pairs of a possible place.
    bool placeWord(int place);

    // The key words that fit the guesses: a search to run, once for each
    // change that leaves enough complete pairs; its result for that run.
    struct KeySearch
    {
        int run = 0;
        analysis::DeductionInput input;
        analysis::FittingKeyOptions options;
    };
    std::optional<KeySearch> takeKeySearch();
    bool keysFound(int run, const std::vector<analysis::FittingKey> &keys);
    bool isSearchingKeys() const { return m_keysState == KeysState::Searching; }
    QStringList keyWords() const;
    QString keyNote() const;
    // Applies a key word (from the list or typed): its square, in the shift
    // that keeps the placed letters, completes the board; refused with a
    // note when it contradicts a guess or a placed letter.
    bool applyKey(const QString &keyWord);

    // One hint from the present board.
    void askHint();
    QString hint() const;

    // The lesson: its example on a new board, its steps, and each step shown
    // done. The step is no undoable change.
    void startLesson();
    bool inLesson() const { return m_step >= 0; }
    int lessonStep() const { return m_step; }
    int lessonStepCount() const;
    void goToStep(int step);
    bool showStep();
    bool stepDone() const;
    // The pairs the present step points at.
    QList<int> markedPairs() const;

    // Saves the board, the language and the lesson's step; returns why not,
    // or empty. The file is written whole or not at all.
    QString save(const QString &path) const;
    // Opens a saved board, or says why not and changes nothing.
    QString open(const QString &path);

private:
    struct Change;
    struct Hint;

    void setBoard(ByHandBoard board, Change change);
    void derive(Change change);
    bool tryBoard(const ByHandBoard &board, Change change);
    analysis::DeductionInput inputOf(const ByHandBoard &board, std::vector<int> *pairOfEquation) const;
    void clearRejection();
    void findPlaces();
    void refreshKeys();
    ByHandBoard lessonBoardAfter(int step) const;
    bool applyStep(int step, ByHandBoard &board) const;
    bool stepDoneOn(int step, const ByHandBoard &board, const QString &plaintext, const QString &square) const;
    QString changeSentence(const Change &change) const;
    static QString cellName(int cell); // "ред 2, колона 3"
    QStringList factLines(const Change &change) const;
    QString placeDescription(const analysis::WordPlace &place) const;
    QString pairsNamed(const QList<int> &pairs, const QList<int> &cells) const;
    Hint findHint() const;
    std::optional<Hint> twoPlacesHint() const;
    QString m_words; // the plaintext as words, once it is whole

    QString m_box;
    ByHandBoard m_board;
    QList<ByHandBoard> m_boards; // the history; m_boards[m_history] is m_board
    qsizetype m_history = 0;
    CipherTally m_tally;
    analysis::Language m_language = analysis::Language::English;

    // What follows from the board.
    analysis::DeductionInput m_input;
    std::vector<int> m_pairOfEquation; // the cipher pair of each equation
    analysis::DeductionResult m_result;
    QString m_square;
    std::optional<analysis::AlphabeticalRun> m_run;
    QString m_plain; // the plaintext's letters, '?' where unknown

    // The last change and what it taught, or why it was not taken.
    struct Change
    {
        enum class Kind {
            None, NewBoard, Refused, Guess, Word, Cell, Key, Undo, Redo, Opened, Lesson,
            RejectedGuess, RejectedCell, RejectedKey, BadGuess, Cyrillic,
        };
        Kind kind = Kind::None;
        int pair = -1;
        int cell = -1;
        int position = -1; // of a word's first letter
        QString text;
        int reason = 0; // for BadGuess: the KnownPairError kind
        QList<int> contradictionPairs;
        QList<int> contradictionCells;
        std::vector<analysis::Fact> facts; // new, in the equations' numbers
        QList<QList<int>> factPairs;       // what each fact rests on, as pair numbers
        std::vector<analysis::Fact> distancesBefore; // the letters' distances known before
        bool taught = false; // what is new was looked for
        QString errorText; // for BadGuess: the letter that would be its own cipher letter
        Sentence note; // a refused ciphertext's reason, or why there is none
    };
    Change m_change;
    int m_rejectedPair = -1;
    QString m_rejectedGuess;
    int m_rejectedCell = -1;
    QString m_rejectedLetter;

    QString m_word;
    std::vector<analysis::WordPlace> m_places;

    enum class KeysState { TooFew, Searching, Found };
    KeysState m_keysState = KeysState::TooFew;
    int m_keysRun = 0;
    bool m_keySearchTaken = true;
    std::vector<analysis::FittingKey> m_keys;

    struct Hint
    {
        enum class Kind {
            None, Complete, CommonPair, ReversedPair, WordPlace, Run, RowAlmostFull, TwoPlaces, KeyWords,
            HalfPair, ProbableWord,
        };
        Kind kind = Kind::None;
        QStringList values;
        int count = 0;
    };
    Hint m_hint;
    int m_step = -1;
    bool m_stepShown = false;
};

} // namespace playfair
