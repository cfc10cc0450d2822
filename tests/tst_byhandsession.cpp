// Breaking by hand without a window: what follows from the pupil's guesses,
// contradictions named instead of taken, undo and redo, a probable word's
// places, the key words, the lesson to its key word, the hints. The truth
// each check compares with is the lesson's own message and square, made by
// the program's cipher when the lesson starts.

#include "byhandhelpers.h"

#include "analysis/fittingkeys.h"

#include <QTest>

using namespace playfair;
using namespace playfair::testing;

namespace {

// Whether `square` (with '.') agrees with the lesson's square in one shift.
bool agreesWithTheKey(const QString &square)
{
    for (int rows = 0; rows < 5; ++rows) {
        for (int columns = 0; columns < 5; ++columns) {
            bool agrees = true;
            for (int cell = 0; cell < 25 && agrees; ++cell) {
                const int at = (cell / 5 + rows) % 5 * 5 + (cell % 5 + columns) % 5;
                agrees = square[at] == u'.' || square[at] == lesson().square()[cell];
            }
            if (agrees)
                return true;
        }
    }
    return false;
}

// Everything shown as following from right guesses is right.
void checkSound(const ByHandSession &session)
{
    for (int pair = 0; pair < session.pairCount(); ++pair) {
        const QString shown = session.followingPair(pair);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            if (shown[i] != u'?')
                QCOMPARE(shown[i], truePair(pair)[i]);
        }
    }
    QVERIFY2(agreesWithTheKey(session.squareLetters()), qPrintable(session.squareLetters()));
}

} // namespace

class TestByHandSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Right guesses: the pairs that must follow do, with the true letters,
    // the notes say why, and nothing shown is wrong.
    void guessesAndWhatFollows_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QList<int>>("following"); // pairs from 1
        QTest::addColumn<QString>("note");

        QTest::newRow("a repeated cipher pair reads as the first")
            << "g1=TH" << QList<int>{13, 43} << "Двойка 13 (LT) повтаря двойка 1 и също се чете TH.";
        QTest::newRow("a reversed cipher pair reads reversed")
            << "g3=RE" << QList<int>{12, 44} << "Двойка 12 (AQ) е обратната на двойка 3 (QA), значи се чете обратно: ER.";
        QTest::newRow("one letter typed is the first of the pair")
            << "g1=TH g2=e" << QList<int>{13, 43} << "Двойка 2: E? под AH.";
        QTest::newRow("a word's pairs give other pairs away")
            << "g1=TH w4=TREASURE" << QList<int>{19, 25, 34, 45, 48} << "Думата TREASURE е поставена от буква 4";
        QTest::newRow("three letters of one column in order")
            << "g1=TH w4=TREASURE g20=FT g21=HE" << QList<int>{27, 28, 36} << "В един стълб, отгоре надолу: H E F";
        QTest::newRow("a letter not known filled in")
            << "g1=TH w4=TREASURE w38=OFTHE g19=?O" << QList<int>{19} << "В двойка 19 буквата „?“ е E.";
        QTest::newRow("lower case and J count")
            << "g1=th g37=rj" << QList<int>{13, 43} << "Двойка 37: RI под NT.";
    }

    void guessesAndWhatFollows()
    {
        QFETCH(QString, actions);
        QFETCH(QList<int>, following);
        QFETCH(QString, note);
        ByHandSession session = lessonSession(actions);
        for (int pair : following) {
            if (session.guess(pair - 1).isEmpty())
                QCOMPARE(session.followingPair(pair - 1), truePair(pair - 1));
        }
        QVERIFY2(session.notes().contains(note), qPrintable(session.notes()));
        checkSound(session);
        const QString plain = session.plaintextPairs();
        QCOMPARE(plain.size(), 3 * session.pairCount() - 1);
        for (int pair : following)
            QCOMPARE(plain.mid(3 * (pair - 1), 2), truePair(pair - 1));
    }

    // A wrong guess, letter or key word is not taken: the board stays as it
    // was, the note names what it contradicts, the box keeps what was typed.
    void contradictionNamed_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("keptInBox");

        QTest::newRow("one cipher pair read two ways")
            << "g1=TH" << "g13=HE" << "Двойка 13: HE под LT не е приета" << "HE";
        QTest::newRow("named by the pairs that contradict")
            << "g1=TH" << "g13=HE" << "двойки 1 и 13 (TH = LT, HE = LT)" << "HE";
        QTest::newRow("a reversed pair not read reversed")
            << "g3=RE" << "g12=RE" << "двойки 3 и 12 (RE = QA, RE = AQ)" << "RE";
        QTest::newRow("a pair no square gives") << "" << "g3=AQ" << "никой квадрат не шифрира AQ в QA" << "AQ";
        QTest::newRow("two equal letters") << "" << "g5=EE" << "две еднакви букви" << "EE";
        QTest::newRow("a letter its own cipher letter") << "" << "g1=L?" << "буквата L щеше да е своя шифърна буква" << "L?";
        QTest::newRow("not two letters") << "" << "g1=T1" << "напишете две латински букви" << "T1";
        QTest::newRow("Cyrillic letters") << "" << "g1=ТН" << "латински букви" << "ТН";
        QTest::newRow("a letter in a cell against a guess")
            << "g1=TH c1=T" << "c13=L" << "Буквата L на ред 3, колона 3 не е приета" << "";
        QTest::newRow("the letter and the pair it contradicts named")
            << "g1=TH c1=T" << "c13=L" << "двойка 1 (TH = LT)" << "";
        QTest::newRow("a key word whose square breaks a guess")
            << "g1=TH g2=ET" << "k=MONARCHY" << "Квадратът на MONARCHY не отговаря на" << "";
        QTest::newRow("a key word whose square moves a placed letter")
            << "k=LIGHTHOUSE c1=" << "k=MONARCHY" << "не държи буквите на местата" << "";
    }

    void contradictionNamed()
    {
        QFETCH(QString, before);
        QFETCH(QString, wrong);
        QFETCH(QString, note);
        QFETCH(QString, keptInBox);
        ByHandSession session = lessonSession(before);
        const ByHandBoard board = session.board();
        const bool couldUndo = session.canUndo();
        QVERIFY(!act(session, wrong));
        QCOMPARE(session.board(), board);
        QCOMPARE(session.canRedo(), false);
        QCOMPARE(session.canUndo(), couldUndo);
        QVERIFY2(session.notes().contains(note), qPrintable(session.notes()));
        if (wrong.startsWith(u'g'))
            QCOMPARE(session.rejectedGuess(wrong.mid(1).section(u'=', 0, 0).toInt() - 1), keptInBox);
        if (wrong.startsWith(u'c')) {
            QCOMPARE(session.rejectedCell(), wrong.mid(1).section(u'=', 0, 0).toInt() - 1);
            QCOMPARE(session.rejectedLetter(), wrong.section(u'=', 1));
        }
        checkSound(session);
        // The next change takes the rejection away.
        act(session, QStringLiteral("g48=EN"));
        QCOMPARE(session.rejectedGuess(0), QString());
        QCOMPARE(session.rejectedCell(), -1);
    }

    // Each action a step back and forth: undo gives back every board in
    // turn, redo the same boards again, and a new action drops what could
    // be redone.
    void undoAndRedo_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::newRow("guesses, one taken back") << "g1=TH g2=E? g3=RE g2=";
        QTest::newRow("words, letters and a key word") << "g1=TH w4=TREASURE c7=T c7= k=LIGHTHOUSE";
        QTest::newRow("a wrong guess is no step") << "g1=TH g13=HE g3=RE";
    }

    void undoAndRedo()
    {
        QFETCH(QString, actions);
        ByHandSession session = lessonSession();
        QList<ByHandBoard> boards{session.board()};
        QList<QString> plaintexts{session.plaintextPairs()};
        for (const QString &action : actions.split(u' ')) {
            if (act(session, action)) {
                boards.append(session.board());
                plaintexts.append(session.plaintextPairs());
            }
        }
        for (qsizetype i = boards.size() - 2; i >= 0; --i) {
            QVERIFY(session.undo());
            QCOMPARE(session.board(), boards[i]);
            QCOMPARE(session.plaintextPairs(), plaintexts[i]);
        }
        QVERIFY(session.canUndo()); // back to the empty board of the ciphertext
        for (qsizetype i = 1; i < boards.size(); ++i) {
            QVERIFY(session.redo());
            QCOMPARE(session.board(), boards[i]);
            QCOMPARE(session.plaintextPairs(), plaintexts[i]);
        }
        QVERIFY(!session.redo());
        QVERIFY(session.undo());
        QVERIFY(session.redo());
        QCOMPARE(session.board(), boards.last());
        QVERIFY(session.undo());
        QVERIFY(act(session, QStringLiteral("g48=EN")));
        QVERIFY(!session.canRedo());
    }

    // A probable word at every place: where it would be its own cipher
    // letter or hold a doubled pair it is refused for that, where its pairs
    // contradict the guesses the deduction agrees, its true place is open,
    // and choosing the place puts its letters under the pairs.
    void probableWordPlaces_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("truePlace"); // from 1
        QTest::newRow("TREASURE after THE") << "g1=TH g2=E?" << "TREASURE" << 4;
        QTest::newRow("TREASURE on a bare board") << "" << "TREASURE" << 4;
        QTest::newRow("CHURCH half under a pair") << "g1=TH w4=TREASURE w38=OFTHE" << "church" << 60;
        QTest::newRow("a word with a doubled pair somewhere") << "g1=TH" << "HIDDEN" << 14;
    }

    void probableWordPlaces()
    {
        QFETCH(QString, before);
        QFETCH(QString, word);
        QFETCH(int, truePlace);
        ByHandSession session = lessonSession(before);
        session.setProbableWord(word);
        const QString letters = word.toUpper();
        const QString cipher = lesson().ciphertext();
        const QList<ByHandSession::Place> places = session.wordPlaces();
        QCOMPARE(places.size(), cipher.size() - letters.size() + 1);
        int open = 0;
        for (const ByHandSession::Place &place : places) {
            bool ownLetter = false;
            bool doubled = false;
            for (int i = 0; i < letters.size(); ++i) {
                ownLetter = ownLetter || letters[i] == cipher[place.position + i];
                const int at = place.position + i;
                doubled = doubled || (at % 2 == 0 && i + 1 < letters.size() && letters[i] == letters[i + 1]);
            }
            if (ownLetter)
                QVERIFY2(place.description.contains(u"своя шифърна буква"), qPrintable(place.description));
            else if (doubled)
                QVERIFY2(place.description.contains(u"две еднакви букви"), qPrintable(place.description));
            if (ownLetter || doubled)
                QVERIFY(!place.possible);
            open += place.possible;
            if (place.position == truePlace - 1)
                QVERIFY2(place.possible, qPrintable(place.description));
        }
        QVERIFY(open >= 1);

        const QList<ByHandSession::Place> again = session.wordPlaces();
        const auto index = std::find_if(again.begin(), again.end(), [&](const auto &p) { return p.position == truePlace - 1; });
        QVERIFY(session.placeWord(int(index - again.begin())));
        QCOMPARE(session.plaintextPairs().remove(u' ').mid(truePlace - 1, letters.size()), letters);
        checkSound(session);
    }

    // The key words: a search is offered once per change with two whole
    // pairs, its result counts for its own run only, and the lesson's key
    // word is among those that fit and completes the board when applied.
    void keyWords()
    {
        ByHandSession session = lessonSession(QStringLiteral("g1=TH"));
        QVERIFY(!session.takeKeySearch());
        act(session, QStringLiteral("w4=TREASURE"));
        const auto search = session.takeKeySearch();
        QVERIFY(search);
        QVERIFY(!session.takeKeySearch());
        QVERIFY(session.isSearchingKeys());

        analysis::FittingKeyOptions options = search->options;
        options.systemWordLists = false;
        options.letterSearch = std::chrono::milliseconds(0);
        const std::vector<analysis::FittingKey> keys = analysis::fittingKeys(search->input, options);
        QVERIFY(!session.keysFound(search->run - 1, keys));
        QVERIFY(session.keysFound(search->run, keys));
        QVERIFY(session.keyWords().contains(QStringLiteral("LIGHTHOUSE")));

        QVERIFY(session.applyKey(QStringLiteral("lighthouse")));
        QCOMPARE(session.squareLetters().count(u'.'), 0);
        QVERIFY(agreesWithTheKey(session.squareLetters()));
        QCOMPARE(session.plaintextPairs().remove(u' '), lesson().plaintext());
        QVERIFY(session.plaintextWords().contains(QStringLiteral("TREASURE IS HIDDEN UNDER THE THIRD STONE")));
        QVERIFY(!session.takeKeySearch());
        QVERIFY(session.keyNote().contains(QStringLiteral("LIGHTHOUSE")));

        // A change after the search started: its result no longer counts.
        act(session, QStringLiteral("g48=EN"));
        QVERIFY(!session.keysFound(search->run, keys));
    }

    // The lesson from its first step to its key word, each step shown done,
    // and the steps the pupil does by hand count as done too.
    void lessonReachesItsKeyWord()
    {
        ByHandSession session;
        session.startLesson();
        QCOMPARE(session.lessonStepCount(), lesson().stepCount());
        QVERIFY(session.lessonStepCount() >= 8 && session.lessonStepCount() <= 12);
        for (int step = 0; step < session.lessonStepCount(); ++step) {
            session.goToStep(step);
            QCOMPARE(session.lessonStep(), step);
            const LessonStep &what = lesson().steps()[step];
            if (what.kind != LessonStep::Kind::Look)
                QVERIFY2(!session.stepDone(), qPrintable(QString::number(step + 1)));
            QVERIFY(session.showStep());
            QVERIFY2(session.stepDone(), qPrintable(QString::number(step + 1)));
            QVERIFY(!session.isContradictory());
            checkSound(session);
            if (what.marks != LessonStep::Marks::None)
                QVERIFY(!session.markedPairs().isEmpty());
        }
        QCOMPARE(session.squareLetters().count(u'.'), 0);
        QCOMPARE(session.board().keyWord, lesson().keyWord());
        QCOMPARE(session.plaintextPairs().remove(u' '), lesson().plaintext());

        // By hand: the step's letters typed show it done, without "Покажи".
        ByHandSession pupil;
        pupil.startLesson();
        pupil.goToStep(2);
        QVERIFY(!pupil.stepDone());
        act(pupil, QStringLiteral("g1=TH"));
        act(pupil, QStringLiteral("g2=ET"));
        QVERIFY(pupil.stepDone());
        // A wrong guess elsewhere: "Покажи" shows the lesson's own board.
        act(pupil, QStringLiteral("g5=NO"));
        pupil.goToStep(4);
        QVERIFY(pupil.showStep());
        QVERIFY(pupil.stepDone());
        checkSound(pupil);
    }

    // "Какво следва?" points at the next thing to try, and never at a letter
    // or a place that the true square denies.
    void hints_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("hint");
        QTest::newRow("nothing guessed: the commonest pair") << "" << "Най-честата двойка е LT: среща се 3 пъти (двойки 1, 13, 43)";
        QTest::newRow("after THE: a reversed pair") << "g1=TH g2=E?" << "Двойки 3 (QA) и 12 (AQ) са обратни";
        QTest::newRow("the last rows in order")
            << "g1=TH w4=TREASURE w38=OFTHE w60=CHURCH" << "вървят по азбучен ред: попълнете 11 празни клетки";
        QTest::newRow("the square whole") << "k=LIGHTHOUSE" << "Квадратът и текстът са открити";
    }

    void hints()
    {
        QFETCH(QString, actions);
        QFETCH(QString, hint);
        ByHandSession session = lessonSession(actions);
        QCOMPARE(session.hint(), QString());
        session.askHint();
        QVERIFY2(session.hint().contains(hint), qPrintable(session.hint()));
        act(session, QStringLiteral("g47=EV"));
        QCOMPARE(session.hint(), QString()); // it belongs to the board it was asked on
    }

    // A letter said to have two places left stands in one of them.
    void twoPlacesLeftHoldTheLetter()
    {
        // Guesses a row at a time along the message, a hint after each.
        ByHandSession session = lessonSession(QStringLiteral("g1=TH w4=TREASURE"));
        int seen = 0;
        for (int pair = 6; pair < session.pairCount(); pair += 3) {
            act(session, QStringLiteral("g%1=%2").arg(pair + 1).arg(truePair(pair)));
            session.askHint();
            const QString hint = session.hint();
            if (!hint.contains(QStringLiteral("само на две места")))
                continue;
            ++seen;
            const QChar letter = hint[hint.indexOf(QStringLiteral("Буквата ")) + 8];
            // Placing the letter anywhere but in the two cells is refused;
            // in one of them the square still agrees with the key's.
            int right = 0;
            for (int cell = 0; cell < 25; ++cell) {
                if (session.squareLetters()[cell] != u'.')
                    continue;
                ByHandSession trial = session;
                const bool named = hint.contains(QStringLiteral("ред %1, колона %2").arg(cell / 5 + 1).arg(cell % 5 + 1));
                QCOMPARE(trial.placeLetter(cell, QString(letter)), named);
                right += named && agreesWithTheKey(trial.squareLetters());
            }
            QVERIFY(right >= 1);
        }
        QVERIFY(seen > 0);
    }

    // A ciphertext of another alphabet: the notes say plainly that the board
    // is the classic square's and which window breaks that alphabet; a
    // Cyrillic or 6 x 6 text gets no board, one with a J and no Q gets one
    // with J read as I.
    void otherAlphabetNamed_data()
    {
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<QString>("note");
        QTest::newRow("Cyrillic letters") << "ЩЪ ЮЖ ДЯ ВЦ" << 0 << "Текстът е на кирилица";
        QTest::newRow("digits among the letters") << "A3BX9Q KD2E" << 0 << "от квадрат 6 × 6";
        QTest::newRow("a J and no Q") << "JBKDLM" << 3 << "тук J се чете като I";
        QTest::newRow("the classic letters") << "BKDLMA" << 3 << "";
    }

    void otherAlphabetNamed()
    {
        QFETCH(QString, ciphertext);
        QFETCH(int, pairs);
        QFETCH(QString, note);
        ByHandSession session;
        session.setInput(ciphertext);
        QCOMPARE(session.pairCount(), pairs);
        const QString notes = session.notes();
        QVERIFY2(notes.contains(note), qPrintable(notes));
        QCOMPARE(notes.contains(QStringLiteral("„Разбиване на шифъра“")), !note.isEmpty());
        QCOMPARE(notes.contains(QStringLiteral("класическия квадрат 5 × 5")), !note.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestByHandSession)
#include "tst_byhandsession.moc"
