#include "breaksessionhelpers.h"
#include "helpers.h"

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

// A report of the RODINA square as the solver sends it: named by `keyWord`
// ("-" for none, "+letters" for only the key's letters), after so many
// key words tried.
analysis::SolverResult named(const QString &keyWord, std::uint64_t keyWordsTested, const QString &square = rodinaSquare)
{
    analysis::SolverResult report = found(square, QStringLiteral("MEETMEATTHEOLDMILX"));
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
    // The key word shown large and the sentence under it, while the search
    // runs and once it has ended.
    void keyWord_data()
    {
        QTest::addColumn<analysis::SolverResult>("report");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("note");

        QTest::newRow("a word of the lists, as the search goes, digits grouped")
            << named(QStringLiteral("RODINA"), 79455) << false << "Ключовата дума е RODINA"
            << weakness(QStringLiteral("79\u00A0455 такива ключа"));
        QTest::newRow("a phrase, at the end")
            << named(QStringLiteral("PLAYFAIR EXAMPLE"), 4823910, playfairExample) << true
            << "Ключовата дума е PLAYFAIR EXAMPLE" << weakness(QStringLiteral("4\u00A0823\u00A0910 такива ключа"));
        QTest::newRow("only the key's letters") << named(QStringLiteral("+XQZVK"), 1234567) << true
                                                << "Ключът е буквите XQZVK — не е дума от списъците"
                                                << weakness(QStringLiteral("1\u00A0234\u00A0567 такива ключа"));
        QTest::newRow("one key word tried") << named(QStringLiteral("RODINA"), 1) << false
                                            << "Ключовата дума е RODINA" << weakness(QStringLiteral("1 такъв ключ"));
        QTest::newRow("no key word as the search goes: nothing yet")
            << named(QStringLiteral("-"), 500) << false << "" << "";
        QTest::newRow("no key word at the end: said plainly")
            << named(QStringLiteral("-"), 500) << true << "Намереният квадрат не е от ключова дума" << "";
        QTest::newRow("a key of no letters is no key word") << named(QStringLiteral("+"), 500) << false << "" << "";
        QTest::newRow("nothing found as the search goes") << result(false, 1000, 0.5, 0) << false << "" << "";
        QTest::newRow("nothing found at the end") << result(false, 1000, 30, 0) << true << "" << "";
    }

    void keyWord()
    {
        QFETCH(analysis::SolverResult, report);
        QFETCH(bool, finished);
        QFETCH(QString, line);
        QFETCH(QString, note);

        BreakSession session = searching({QStringLiteral("BM OD ZB XD NA BE KU DM UI"), QString(), QString()});
        QCOMPARE(session.keyWordLine(), QString());
        QCOMPARE(session.keyWordNote(), QString());
        QVERIFY(finished ? session.searchFinished(session.run(), report)
                         : session.reportArrived(session.run(), report));
        QCOMPARE(session.keyWordLine(), line);
        QCOMPARE(session.keyWordNote(), note);

        // New input clears them.
        if (!finished) {
            QVERIFY(session.stop());
            QVERIFY(session.searchFinished(session.run(), report));
        }
        session.setInput({});
        QCOMPARE(session.keyWordLine(), QString());
        QCOMPARE(session.keyWordNote(), QString());
    }

    // When the key word the text was encrypted with is known and the
    // solver names another that builds the same square, the note says so
    // first; a key word that builds another square, or a key known for
    // another text, is not named.
    void knownKeyWord_data()
    {
        QTest::addColumn<QString>("typed");   // the demonstration's key word
        QTest::addColumn<QString>("found");   // the key word the solver names
        QTest::addColumn<QString>("square");  // the square it names it for
        QTest::addColumn<bool>("textEdited"); // the box edited before the start
        QTest::addColumn<QString>("first");   // the note's first line, when there are two

        QTest::newRow("a shorter phrase for the same square")
            << "rodina" << "ROD IN" << rodinaSquare << false << "Известният ключ RODINA дава същия квадрат.";
        QTest::newRow("the letters of the same square")
            << "rodina" << "+RODIN" << rodinaSquare << false << "Известният ключ RODINA дава същия квадрат.";
        QTest::newRow("the known key word itself") << "Rodina" << "RODINA" << rodinaSquare << false << "";
        QTest::newRow("the known phrase, written without its space")
            << "playfair example" << "PLAYFAIREXAMPLE" << playfairExample << false << "";
        QTest::newRow("J is I in a key word") << "jam" << "IAM" << Demonstration::keySquare(QStringLiteral("iam"))
                                              << false << "";
        QTest::newRow("a key word of another square") << "rodina" << "PLAYFAIR EXAMPLE" << playfairExample << false
                                                      << "";
        QTest::newRow("the key known for another text") << "rodina" << "ROD IN" << rodinaSquare << true << "";
    }

    void knownKeyWord()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QString, square);
        QFETCH(bool, textEdited);
        QFETCH(QString, first);

        BreakSession session;
        QRandomGenerator random(1);
        session.demonstrate(QStringLiteral("Send help to the north gate"), typed, random);
        QCOMPARE(session.knownSquare(), Demonstration::keySquare(typed));
        if (textEdited)
            session.setCiphertext(session.ciphertext() + QStringLiteral(" AB"));
        session.setSearchOptions(1, 1);
        QVERIFY(session.start());
        QVERIFY(session.searchFinished(session.run(), named(found, 100, square)));
        const QString weak = weakness(QStringLiteral("100 такива ключа"));
        QCOMPARE(session.keyWordNote(), first.isEmpty() ? weak : first + u'\n' + weak);
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
