#pragma once

#include "analysis/shaped/alphabetchoice.h"
#include "analysis/shaped/shapedsolver.h"
#include "analysis/solver.h"
#include "analysis/squarealignment.h"
#include "engine/keyedsquare.h"
#include "engine/textbook.h"
#include "sentence.h"

#include <QCoreApplication>
#include <QList>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QRandomGenerator;

namespace playfair {

class Workspace;

// What a break window opens with.
struct BreakInput
{
    QString ciphertext; // any text: its letters are the ciphertext
    QString trueSquare; // the key's 25 letters row by row, when it is known
    Sentence note;      // a first word for the status line, such as a file that could not be read
    // The key word the known square was built from, as typed, when known,
    // and how it was written into the square.
    QString keyWord = {};
    SquareRoute route = SquareRoute::Rows;
    // What the message did with its doubled letters, when that is known (a
    // demonstration knows it); else the session's choice stands.
    std::optional<Doubles> doubles = {};

    // The main window's cipher pairs and its square, with the key word
    // while it still builds that square, after an Encrypt; nothing before
    // one.
    static BreakInput fromWorkspace(const Workspace &ws);
    // A file's text (its first MiB), or a note saying why there is none.
    static BreakInput fromFile(const QString &path);
};

// Everything the break window knows and decides, as plain data and
// commands: the boxes' texts, the known key and the ciphertext letters it
// belongs to, the state of the search and its last report, and what follows
// from them for the window to show (the status sentence, the notes, the
// key word, the square with its right cells, the paired plaintext and its
// words, the score plot).
//
// The window passes the user's actions in (new input, start, stop) and what
// the search's thread sends back (a report, the end, a failure), then shows
// the session through one render(). start() does not search: it returns the
// solver's input tagged with a run number, and the window hands it to a
// thread. Whatever comes back carries that number, and anything from a run
// that is no longer the last one is ignored, so a stopped or forgotten
// search can never change what the window shows. The session never waits
// for a search.
//
// Idle and Refused take new input; start() leads to Searching, or to
// Refused on bad input; stop() to Stopping; the run's end to Finished and
// its failure to Refused. What a search found belongs to the letters it
// searched: new input (setInput, a demonstration, a box whose letters
// change) starts afresh, with no report, plot or marks of an earlier run,
// and the key counts as known only for the letters it came with.
class BreakSession
{
    Q_DECLARE_TR_FUNCTIONS(BreakSession)

public:
    enum class State { Idle, Searching, Stopping, Finished, Refused };

    // A search to run: the ciphertext letters and the solver's options.
    struct Search
    {
        int run = 0;
        std::vector<analysis::Letter> ciphertext;
        analysis::SolverOptions options;
        // On a square of another alphabet: its letter numbers and options
        // (solveShaped) instead of the two above.
        analysis::AlphabetKind alphabet = analysis::AlphabetKind::LatinIJ;
        std::vector<std::uint8_t> shapedCiphertext;
        analysis::ShapedOptions shapedOptions;
    };

    // Where the plot's dashed lines stand for the language.
    struct Levels
    {
        double random = 0;
        double typical = 0;
    };

    BreakSession();

    // The boxes, as the user left them. While a search runs they cannot
    // change: the window keeps their controls read-only then.
    const QString &ciphertext() const { return m_ciphertext; }
    const QString &crib() const { return m_crib; }
    // The language box: a language, or nothing for the search to find it
    // (the default).
    std::optional<analysis::Language> language() const { return m_language; }
    // Whether the ciphertext kept its doubled letters (a doubled pair then
    // stands for itself) or split them, the textbook way (the default).
    Doubles doubles() const { return m_doubles; }
    int timeLimit() const { return m_timeLimit; } // seconds
    // The alphabet box: an alphabet, or nothing for the text's letters to
    // choose it (the default, "автоматично": Cyrillic letters a Cyrillic
    // 5 x 6 square, digits among the letters 6 x 6, a J and no Q the square
    // without Q, else the classic one).
    std::optional<analysis::AlphabetKind> alphabet() const { return m_alphabet; }
    void setAlphabet(std::optional<analysis::AlphabetKind> alphabet);
    // The alphabet of the square shown: the last search's, else the one the
    // box's letters are read in.
    analysis::AlphabetKind squareAlphabet() const;
    // Which alphabet the box's letters are read in, and why, when it is not
    // the classic square; else empty.
    QString alphabetNote() const;
    // The time limit's range: an hour at most, for a long hunt on a short text.
    static constexpr int shortestTimeLimit = 5;
    static constexpr int longestTimeLimit = 3600;
    // New text in the ciphertext box; an opening note or a refusal gives
    // way to the prompt. When its letters change, an ended search's result
    // goes with them.
    void setCiphertext(const QString &text);
    void setCrib(const QString &text);
    void setLanguage(std::optional<analysis::Language> language);
    void setDoubles(Doubles doubles);
    void setTimeLimit(int seconds);

    // Every search draws a fresh seed and uses every core, unless fixed
    // here (tests and benchmarks): `threads` 0 is every core.
    void setSearchOptions(int threads, std::optional<std::uint64_t> seed);

    // Puts the input's ciphertext into the box; its key, if given and a
    // square, is known from then on for that ciphertext, and a language
    // chosen in the box follows its plaintext (left to the search, it stays
    // so). Ignored while a search runs.
    void setInput(const BreakInput &input);
    // The main window's pairs offered again (Ctrl+B with the window open):
    // taken as setInput takes them, unless there are none or the session
    // holds them already. A running search on other input is given up
    // first; returns whether one was, so that the window stops its thread.
    bool offerInput(const BreakInput &input);
    // Forgets the running search: whatever it sends from now on is
    // ignored, and the session is Idle on the same input. Returns whether
    // a search was running.
    bool abandon();
    // Encrypts `text` on the square of `keyWord`, written in by `route`, or
    // on a square drawn from `random` when there is no key word, with its
    // doubled letters split or kept, and makes it the input (and the
    // doubled letters' choice). On the classic square (the alphabet box on
    // it or automatic) Cyrillic letters in either are first written in Latin
    // letters by the transliteration the Bulgarian statistics are counted in,
    // and the status says so; with another alphabet chosen in the box the
    // message is encrypted on that alphabet's square as it stands. Refuses a
    // text or a key word without letters. Ignored while a search runs.
    void demonstrate(const QString &text, const std::optional<QString> &keyWord, QRandomGenerator &random,
                     SquareRoute route = SquareRoute::Rows, Doubles doubles = Doubles::Split);
    // The alphabet a demonstration is encrypted in: the one chosen in the
    // box, the classic square when it is left automatic.
    const Alphabet &demonstrationAlphabet() const;
    // The demonstration's texts in its alphabet: how a text is prepared
    // (which alphabet, what is cleaned out, the fillers), what to write in
    // its box, and what keeping the doubled letters means.
    QString preparationNote() const;
    QString demonstrationPrompt() const;
    QString doublesKeptNote() const;
    // What the ciphertext box counts as letters, in the alphabet of the box.
    QString ciphertextPrompt() const;
    // The known key's 25 letters, or empty.
    const QString &knownSquare() const { return m_knownSquare; }
    // Whether the known key belongs to the letters in the box.
    bool keyKnown() const;

    // Reads the ciphertext and the crib. On good input the state becomes
    // Searching and the search to run is returned; bad input is refused
    // with the solver's own sentence. Nothing while a search runs.
    std::optional<Search> start();
    // True when the running search is to be asked to stop (once).
    bool stop();
    // What a run sends back; each returns whether the session changed.
    bool reportArrived(int run, const analysis::SolverReport &report);
    bool searchFinished(int run, const analysis::SolverResult &result);
    bool searchFailed(int run, const QString &message);
    // Once a search has finished: the next search to run, if any, which the
    // window runs as it ran the first. With the alphabet left automatic, a
    // text of neither J nor Q whose classic square gave no plaintext that
    // reads is searched again on the square without Q, as playfair-break
    // does (analysis::triesSquareWithoutQ): its result is kept if its
    // plaintext reads, else the classic square's comes back.
    std::optional<Search> followingSearch();

    State state() const { return m_state; }
    bool isSearching() const { return m_state == State::Searching || m_state == State::Stopping; }
    bool canStop() const { return m_state == State::Searching; }
    int run() const { return m_run; }
    // The last search's latest report, or its result once it has finished.
    const analysis::SolverResult &report() const { return m_report; }

    // The status line: what to do, how the search goes, why it stopped;
    // with the score, the language it is read in when the search found it;
    // then the letters set aside and, at the end, the pairs likely garbled.
    QString status() const;
    // What the score means, for the language chosen or found.
    QString scoreNote() const;
    // The letters set aside at the ciphertext's end as padding; empty when
    // none are.
    QString setAsideNote() const;
    // Once the search has ended: the pairs likely garbled in transmission
    // and where the plaintext stops reading; empty when it reads throughout.
    QString garbledNote() const;
    // The pairs (from 0) of the plaintext shown that read far worse than
    // the rest, once the search has ended.
    QList<int> garbledPairs() const;
    // Under the square: whether the key is known, how much of it is found.
    QString inPlaceNote() const;

    // The key word of the square found: "Ключовата дума е RODINA", or the
    // key's letters when no word or phrase of the lists builds it; once a
    // search has ended on a square from no key word, a sentence saying so;
    // else empty. The known key word, as it was typed, when it builds a
    // square that decrypts the text as the one found does. While the result
    // is not trusted, the line names the best key so far instead. As the
    // search goes, the key words it has tried come and go.
    QString keyWordLine() const;
    // Whether the line states a fact, to be shown large: the known key
    // decrypts the text as the square found does, or, with no key known,
    // the search ended sure of its result (a key word's square far likelier
    // than any other, searches that agree, or one that settled).
    bool keyWordTrusted() const;
    // Under the line: the shortest word the search names, when the known
    // key word is another that builds the same square; while the result is
    // not trusted, how many of the square's letters are right (or can be,
    // when the key is not known); under a key word's square, why key words
    // are weak (how few of them the search tried against all squares);
    // else empty.
    QString keyWordNote() const;
    // The found plaintext divided into likely words, marked as a guess; empty
    // until the solver has divided it.
    QString wordsLine() const;

    // The square to show (empty for an empty one): the found square, laid
    // over the known key in the shift that matches it best, and the cells
    // (0..24) that hold the key's letter.
    QString squareLetters() const;
    QList<int> rightCells() const;

    // The paired plaintext: the ciphertext letters in the box (empty while
    // they are no ciphertext), the search's plaintext once one is found
    // (else empty), and the true plaintext while a search runs or shows
    // its result with the key known (else empty).
    // The letters set aside as padding, and those the search read as
    // padding, are not shown.
    QString cipherLetters() const;
    QString foundPlaintext() const;
    QString truePlaintext() const;

    // The score plot: the best score over the last search's time, the
    // language's levels and the true plaintext's score when the key is known.
    const QList<QPointF> &scorePoints() const { return m_points; }
    Levels levels() const;
    std::optional<double> trueScore() const { return m_trueScore; }

private:
    // A text with its Cyrillic letters written in Latin ones, by the
    // transliteration the Bulgarian statistics are counted in.
    static QString inLatin(const QString &text);
    bool hasSearched() const;
    // How many of the last letters searched the search read as padding.
    qsizetype paddingRead() const;
    void clearResult();
    void readInputLetters();
    // The square --alphabet auto would take: the text's letters, then a
    // crib's, unless the input came with a key on the classic square.
    analysis::AlphabetChoice automaticAlphabet() const;
    bool foundIsKnownKey() const;
    QString lettersRightNote() const;
    void refuse(const Sentence &message);
    void demonstrateIn(const Alphabet &alphabet, const QString &text, const std::optional<QString> &keyWord,
                       QRandomGenerator &random, SquareRoute route, Doubles doubles);
    void chooseLanguageFor(const QString &plainLetters);
    // The language the score is read in: chosen, found or known.
    analysis::Language shownLanguage() const;
    QString shortTextNote(qsizetype letters) const;
    QString finishedStatus() const;
    QString stateStatus() const;
    bool keyWordNamed() const;

    // The found square laid over the known key in the shift that matches
    // it best; nothing in place while either is missing.
    analysis::LetterAlignment alignedToKey() const;
    // A text's letters decrypted on a square of the last search's alphabet.
    QString decryptedInRun(const QString &square, const QString &letters) const;

    // Whether the last search (or the one running) is on another alphabet's square.
    bool shapedRun() const { return m_runAlphabet != analysis::AlphabetKind::LatinIJ; }
    std::optional<Search> startShaped(analysis::AlphabetKind alphabet);
    // The automatic choice's words once the searches have settled it, or
    // while the square without Q is tried; else empty.
    QString settledAlphabetNote() const;

    // The boxes.
    QString m_ciphertext;
    std::optional<analysis::AlphabetKind> m_alphabet;
    analysis::AlphabetKind m_inputAlphabet = analysis::AlphabetKind::LatinIJ; // the box's letters are read in
    analysis::AlphabetKind m_runAlphabet = analysis::AlphabetKind::LatinIJ;   // the last search's
    // The automatic choice for the last search, settled by its searches.
    analysis::AlphabetChoice m_choice;
    // The classic square's search, kept while the square without Q is
    // tried after it; and whether that try is due.
    struct ClassicRun
    {
        analysis::SolverResult report;
        QList<QPointF> points;
        QString letters;
        std::optional<analysis::Language> searchLanguage;
    };
    std::optional<ClassicRun> m_classicRun;
    bool m_withoutQDue = false;
    QString m_inputLetters;     // its letters, A..Z without J
    bool m_inputReadable = false; // they are a ciphertext
    bool m_givenClassicKey = false; // the input came with a classic square (the main window's)
    QString m_inputCipher;      // the letters read as one, without the padding set aside
    QString m_setAside;         // the letters set aside as padding, if any
    QString m_crib;
    std::optional<analysis::Language> m_language;
    Doubles m_doubles = Doubles::Split;
    int m_timeLimit = 30;
    int m_threads = 0;
    std::optional<std::uint64_t> m_seed;

    // The known key (and its key word as typed, if known) and the
    // ciphertext letters it belongs to.
    QString m_knownSquare;
    QString m_knownKeyWord;
    SquareRoute m_knownRoute = SquareRoute::Rows;
    QString m_knownFor;
    analysis::AlphabetKind m_knownAlphabet = analysis::AlphabetKind::LatinIJ; // the known square's
    std::optional<analysis::Language> m_knownLanguage; // its plaintext's

    // The last search.
    State m_state = State::Idle;
    Sentence m_message;  // why the input was refused, or the opening note
    int m_run = 0;       // counts searches: only the last one's messages count
    std::optional<analysis::Language> m_searchLanguage; // as the search was told
    bool m_cribGiven = false;
    QString m_letters;   // its ciphertext letters
    QString m_truePlain; // its true plaintext, when the key is known
    QString m_trueSquare; // the key, row by row in the run's alphabet, when it is known
    QString m_trueKeyWord;
    SquareRoute m_trueRoute = SquareRoute::Rows;
    std::optional<double> m_trueScore;
    analysis::SolverResult m_report;
    QList<QPointF> m_points;
};

} // namespace playfair
