#include "breaksessionhelpers.h"
#include "helpers.h"

#include "analysis/transliteration.h"

#include <QRandomGenerator>

using namespace playfair;
using namespace playfair::testing;

namespace {

const QString rodinaSquare = QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ");

QString weakness(const QString &keys)
{
    return QStringLiteral("Квадрат от ключова дума се намира лесно: търсенето опита само %1, а квадратите, които "
                          "шифрират различно, са 25!/25 ≈ 6,2·10²³.")
        .arg(keys);
}

// Under a square the search is not sure of, with no key known: at most the
// letters the text holds can be right. The texts below hold 15.
QString atMost15(bool finished)
{
    return (finished ? QStringLiteral("Търсенето не е сигурно в този ключ")
                     : QStringLiteral("Търсенето още не е сигурно в този ключ"))
        + QStringLiteral(": в текста има само 15 от 25-те букви, затова най-много 15 букви на квадрата може да са на "
                         "мястото си.");
}

// A report of the RODINA square as the solver sends it: named by `keyWord`
// ("-" for none, "+letters" for only the key's letters), after so many
// key words tried; at its end, the search sure of it for `confidence`.
analysis::SolverResult named(const QString &keyWord, std::uint64_t keyWordsTested, const QString &square = rodinaSquare,
                             analysis::Confidence confidence = analysis::Confidence::None)
{
    analysis::SolverResult report = found(square, QStringLiteral("MEETMEATTHEOLDMILX"));
    if (confidence != analysis::Confidence::None) {
        report.stopped = analysis::StopReason::Confident;
        report.confidence = confidence;
    }
    report.keysTested = keyWordsTested * 3;
    report.keyWordsTested = keyWordsTested;
    if (keyWord.startsWith(u'+')) {
        report.keyWord = keyWord.mid(1).toStdString();
        report.keyWordInList = false;
    } else if (keyWord != QStringLiteral("-")) {
        report.keyWord = keyWord.toStdString();
        report.keyWordInList = true;
    }
    return report;
}

} // namespace

// What the break session says of the key word and the words, without a
// window.
class TestBreakKeyWord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The key word and the sentence under it, while the search runs and
    // once it has ended: stated as a fact (large) only when the search is
    // sure of it, else as the best key so far with how many of its letters
    // can be right; why key words are weak only under a key word's square.
    void keyWord_data()
    {
        QTest::addColumn<analysis::SolverResult>("report");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("note");

        using analysis::Confidence;
        QTest::newRow("a word of the lists as the search goes: the best so far")
            << named(QStringLiteral("RODINA"), 79455) << false << "Най-добрият ключ досега: RODINA" << false
            << atMost15(false);
        QTest::newRow("a word of the lists, sure: a key word's square, digits grouped")
            << named(QStringLiteral("RODINA"), 79455, rodinaSquare, Confidence::KeyWord) << true
            << "Ключовата дума е RODINA" << true << weakness(QStringLiteral("79\u00A0455 такива ключа"));
        QTest::newRow("a phrase, sure: searches agreed")
            << named(QStringLiteral("PLAYFAIR EXAMPLE"), 4823910, playfairExample, Confidence::Agreed) << true
            << "Ключовата дума е PLAYFAIR EXAMPLE" << true << weakness(QStringLiteral("4\u00A0823\u00A0910 такива ключа"));
        QTest::newRow("a phrase at the time limit: a guess")
            << named(QStringLiteral("PLAYFAIR EXAMPLE"), 4823910, playfairExample) << true
            << "Най-добрият намерен ключ: PLAYFAIR EXAMPLE" << false << atMost15(true);
        QTest::newRow("only the key's letters, sure: nothing on key words")
            << named(QStringLiteral("+XQZVK"), 1234567, rodinaSquare, Confidence::Settled) << true
            << "Ключът е буквите XQZVK — не е дума от списъците" << true << "";
        QTest::newRow("only the key's letters as the search goes")
            << named(QStringLiteral("+XQZVK"), 1234567) << false
            << "Най-добрият ключ досега: буквите XQZVK (не е дума от списъците)" << false << atMost15(false);
        QTest::newRow("one key word tried") << named(QStringLiteral("RODINA"), 1, rodinaSquare, Confidence::KeyWord)
                                            << true << "Ключовата дума е RODINA" << true
                                            << weakness(QStringLiteral("1 такъв ключ"));
        QTest::newRow("no key word as the search goes: nothing yet")
            << named(QStringLiteral("-"), 500) << false << "" << false << "";
        QTest::newRow("no key word at the end, sure: said plainly")
            << named(QStringLiteral("-"), 500, rodinaSquare, Confidence::Agreed) << true
            << "Намереният квадрат не е от ключова дума" << true << "";
        QTest::newRow("no key word at the end, not sure")
            << named(QStringLiteral("-"), 500) << true << "Най-добрият намерен квадрат не е от ключова дума" << false
            << atMost15(true);
        QTest::newRow("a key of no letters is no key word") << named(QStringLiteral("+"), 500) << false << "" << false
                                                            << "";
        QTest::newRow("nothing found as the search goes") << result(false, 1000, 0.5, 0) << false << "" << false << "";
        QTest::newRow("nothing found at the end") << result(false, 1000, 30, 0) << true << "" << false << "";
    }

    void keyWord()
    {
        QFETCH(analysis::SolverResult, report);
        QFETCH(bool, finished);
        QFETCH(QString, line);
        QFETCH(bool, trusted);
        QFETCH(QString, note);

        BreakSession session = searching({QStringLiteral("BM OD ZB XD NA BE KU DM UI"), QString(), QString()});
        QCOMPARE(session.keyWordLine(), QString());
        QCOMPARE(session.keyWordNote(), QString());
        QVERIFY(finished ? session.searchFinished(session.run(), report)
                         : session.reportArrived(session.run(), report));
        QCOMPARE(session.keyWordLine(), line);
        QCOMPARE(session.keyWordTrusted(), trusted);
        QCOMPARE(session.keyWordNote(), note);

        // New input clears them.
        if (!finished) {
            QVERIFY(session.stop());
            QVERIFY(session.searchFinished(session.run(), report));
        }
        session.setInput({});
        QCOMPARE(session.keyWordLine(), QString());
        QCOMPARE(session.keyWordNote(), QString());
        QVERIFY(!session.keyWordTrusted());
    }

    // With the key word the text was encrypted with known, what the known
    // key says decides: when it decrypts the text as the square found
    // does, the key word stands as it was typed, whatever the search
    // thinks of it, and the shortest word the search names is a note; when
    // it does not, the square found is the best key so far, with the
    // letters in place. A key known for another text says nothing.
    void knownKeyWord_data()
    {
        QTest::addColumn<QString>("typed");   // the demonstration's key word
        QTest::addColumn<QString>("found");   // the key word the solver names
        QTest::addColumn<QString>("square");  // the square it names it for
        QTest::addColumn<bool>("sure");       // the search ended sure of it
        QTest::addColumn<bool>("textEdited"); // the box edited before the start
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("first");   // the note's line before the one on key words, if any

        const QString shortest = QStringLiteral("Търсенето я назовава с най-късата дума, която дава същия квадрат: ");
        QTest::newRow("a shorter phrase for the same square: the key as typed, the phrase as a note")
            << "rodina" << "ROD IN" << rodinaSquare << false << false << "Ключовата дума е RODINA"
            << shortest + "ROD IN.";
        QTest::newRow("the letters of the same square") << "rodina" << "+RODIN" << rodinaSquare << true << false
                                                        << "Ключовата дума е RODINA" << shortest + "RODIN.";
        QTest::newRow("the known key word itself") << "Rodina" << "RODINA" << rodinaSquare << true << false
                                                   << "Ключовата дума е RODINA" << "";
        QTest::newRow("the known phrase, named without its space")
            << "playfair example" << "PLAYFAIREXAMPLE" << playfairExample << false << false
            << "Ключовата дума е PLAYFAIR EXAMPLE" << "";
        QTest::newRow("the known phrase without its space, named with it")
            << "PLAYFAIREXAMPLE" << "PLAYFAIR EXAMPLE" << playfairExample << false << false
            << "Ключовата дума е PLAYFAIR EXAMPLE" << "";
        QTest::newRow("J is I in a key word") << "jam" << "IAM" << Demonstration::keySquare(QStringLiteral("iam"))
                                              << false << false << "Ключовата дума е JAM" << "";
        QTest::newRow("typed in Cyrillic: as typed, with its Latin letters")
            << "родина" << "RODINA" << rodinaSquare << false << false << "Ключовата дума е РОДИНА (RODINA)" << "";
        QTest::newRow("a key word of another square, though the search is sure: not the key")
            << "rodina" << "PLAYFAIR EXAMPLE" << playfairExample << true << false
            << "Най-добрият намерен ключ: PLAYFAIR EXAMPLE"
            << "Не е ключът: на мястото си са 4 от 25 букви на квадрата.";
        QTest::newRow("a square two letters off") << "rodina" << "+ORDINA" << QStringLiteral("ORDINABCEFGHKLMPQSTUVWXYZ")
                                                  << false << false
                                                  << "Най-добрият намерен ключ: буквите ORDINA (не е дума от списъците)"
                                                  << "Не е ключът: на мястото си са 23 от 25 букви на квадрата.";
        QTest::newRow("the key known for another text: the search's word, as it is sure")
            << "rodina" << "ROD IN" << rodinaSquare << true << true << "Ключовата дума е ROD IN" << "";
    }

    void knownKeyWord()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QString, square);
        QFETCH(bool, sure);
        QFETCH(bool, textEdited);
        QFETCH(QString, line);
        QFETCH(QString, first);

        BreakSession session;
        QRandomGenerator random(1);
        session.demonstrate(QStringLiteral("Send help to the north gate"), typed, random);
        QCOMPARE(session.knownSquare(),
                 Demonstration::keySquare(QString::fromStdString(analysis::transliterated(typed.toStdString()))));
        if (textEdited)
            session.setCiphertext(session.ciphertext() + QStringLiteral(" AB"));
        session.setSearchOptions(1, 1);
        QVERIFY(session.start());
        QVERIFY(session.searchFinished(
            session.run(), named(found, 100, square, sure ? analysis::Confidence::KeyWord : analysis::Confidence::None)));
        QCOMPARE(session.keyWordLine(), line);
        const bool trusted = line.startsWith(QStringLiteral("Ключовата дума е"));
        QCOMPARE(session.keyWordTrusted(), trusted);
        const QString weak = trusted ? weakness(QStringLiteral("100 такива ключа")) : QString();
        QCOMPARE(session.keyWordNote(), first.isEmpty() ? weak : weak.isEmpty() ? first : first + u'\n' + weak);
    }

    // The plaintext as words, under the pairs: marked as a guess, and only
    // once the solver has divided it.
    void words_data()
    {
        QTest::addColumn<bool>("isFound");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("line");

        QTest::newRow("divided into words") << true << "MEET ME AT THE OLD MILL X"
                                            << "Думите (догадка): MEET ME AT THE OLD MILL X";
        QTest::newRow("not divided yet") << true << "" << "";
        QTest::newRow("nothing found") << false << "MEET ME" << "";
    }

    void words()
    {
        QFETCH(bool, isFound);
        QFETCH(QString, words);
        QFETCH(QString, line);

        BreakSession session = searching({QStringLiteral("BM OD ZB XD NA BE KU DM UI"), QString(), QString()});
        analysis::SolverResult report = isFound ? named(QStringLiteral("-"), 0) : result(false, 10, 0.1, 0);
        report.words = words.toStdString();
        QVERIFY(session.reportArrived(session.run(), report));
        QCOMPARE(session.wordsLine(), line);
        QVERIFY(session.stop());
        QVERIFY(session.searchFinished(session.run(), report));
        QCOMPARE(session.wordsLine(), line);
        session.setInput({});
        QCOMPARE(session.wordsLine(), QString());
    }
};

QTEST_GUILESS_MAIN(TestBreakKeyWord)
#include "tst_breakkeyword.moc"
