#include "breaksessionhelpers.h"
#include "helpers.h"

#include "analysis/statistics/languagemodel.h"

#include <QLocale>
#include <QRandomGenerator>

using namespace playfair;
using namespace playfair::testing;
using analysis::Language;

// What the break session marks as right and plots, without a window.
class TestBreakMarks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What is marked as right: with the key known, the found square laid
    // over it in its best shift, the cells that hold the key's letter and
    // the share of right plaintext letters (rounded down); without the key,
    // the square as found and nothing marked.
    void marks_data()
    {
        QTest::addColumn<bool>("keyKnown");
        QTest::addColumn<bool>("textChanged"); // the box edited after the key came with its text
        QTest::addColumn<QString>("foundSquare"); // empty: no square found yet
        QTest::addColumn<int>("wrongLetters");    // at the start of the found plaintext
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("right");
        QTest::addColumn<QString>("note");

        QList<int> everyCell;
        for (int cell = 0; cell < 25; ++cell)
            everyCell << cell;
        QList<int> allBut0And7 = everyCell;
        allBut0And7.removeAll(0);
        allBut0And7.removeAll(7);
        const QString swapped = QStringLiteral("EL") + QStringLiteral("AYFIRPXMBCDGHKNOQSTUVWZ");
        const QString shifted = QString::fromStdString(
            analysis::squareToText(analysis::shiftedSquare(squareOf(playfairExample), 2, 3)));

        QTest::newRow("the key itself: every cell and every letter")
            << true << false << playfairExample << 0 << playfairExample << everyCell
            << "На мястото си: 25 от 25 букви.\nВерен текст: 100 % от буквите.";
        QTest::newRow("a shift of the key is shown as the key") << true << false << shifted << 0 << playfairExample
                                                                << everyCell
                                                                << "На мястото си: 25 от 25 букви.\nВерен текст: 100 % "
                                                                   "от буквите.";
        QTest::newRow("two letters swapped: 23 cells") << true << false << swapped << 0 << swapped << allBut0And7
                                                       << "На мястото си: 23 от 25 букви.\nВерен текст: 100 % от "
                                                          "буквите.";
        QTest::newRow("one wrong letter in 40 is 97 %, rounded down")
            << true << false << playfairExample << 1 << playfairExample << everyCell
            << "На мястото си: 25 от 25 букви.\nВерен текст: 97 % от буквите.";
        QTest::newRow("ten wrong letters in 40") << true << false << playfairExample << 10 << playfairExample
                                                 << everyCell
                                                 << "На мястото си: 25 от 25 букви.\nВерен текст: 75 % от буквите.";
        QTest::newRow("the key known, no square yet") << true << false << "" << 0 << "" << QList<int>() << keyKnown;
        QTest::newRow("no key: the square as found, nothing marked")
            << false << false << shifted << 0 << shifted << QList<int>() << keyUnknown;
        QTest::newRow("no key, no square yet") << false << false << "" << 0 << "" << QList<int>() << keyUnknown;
        QTest::newRow("a key for another text marks nothing")
            << true << true << playfairExample << 0 << playfairExample << QList<int>() << keyUnknown;
    }

    void marks()
    {
        QFETCH(bool, keyKnown);
        QFETCH(bool, textChanged);
        QFETCH(QString, foundSquare);
        QFETCH(int, wrongLetters);
        QFETCH(QString, shown);
        QFETCH(QList<int>, right);
        QFETCH(QString, note);

        const Demonstration known = english();
        QCOMPARE(known.prepared.size(), 40);
        BreakSession session;
        session.setInput({pairsOf(known.ciphertext), keyKnown ? known.square : QString(), QString()});
        QCOMPARE(session.knownSquare(), keyKnown ? playfairExample : QString());
        QCOMPARE(session.inPlaceNote(), keyKnown ? playfair::testing::keyKnown : keyUnknown);
        if (textChanged)
            session.setCiphertext(pairsOf(known.ciphertext.left(38)) + QStringLiteral(" SR"));
        session.setSearchOptions(1, 1);
        QVERIFY(session.start());
        const bool truthShown = keyKnown && !textChanged;
        QCOMPARE(session.truePlaintext(), truthShown ? known.prepared : QString());
        if (!foundSquare.isEmpty()) {
            QString plain = known.prepared;
            for (int i = 0; i < wrongLetters; ++i)
                plain[i] = plain[i] == u'Q' ? u'Z' : u'Q';
            QVERIFY(session.reportArrived(session.run(), found(foundSquare, plain)));
            QCOMPARE(session.foundPlaintext(), plain);
        } else {
            QCOMPARE(session.foundPlaintext(), QString());
        }
        QCOMPARE(session.squareLetters(), shown);
        QCOMPARE(session.rightCells(), right);
        QCOMPARE(session.inPlaceNote(), note);

        // The marks stay when the search ends, and go with new input, whose
        // letters the paired text shows.
        QVERIFY(session.stop());
        QVERIFY(session.searchFinished(session.run(), session.report()));
        QCOMPARE(session.squareLetters(), shown);
        QCOMPARE(session.rightCells(), right);
        session.setInput({QStringLiteral("BM OD"), QString(), QString()});
        QCOMPARE(session.squareLetters(), QString());
        QCOMPARE(session.rightCells(), QList<int>());
        QCOMPARE(session.inPlaceNote(), keyUnknown);
        QCOMPARE(session.foundPlaintext(), QString());
        QCOMPARE(session.cipherLetters(), QStringLiteral("BMOD"));
    }

    // The score plot: a point for each report with a square, the language's
    // levels, and the true plaintext's score while its key is known, all on
    // the solver's own scale: the five-letter model's mean per letter.
    void scorePlot()
    {
        const Demonstration known = english();
        BreakSession session = searching({pairsOf(known.ciphertext), known.square, QString()});
        const analysis::ScoreLevels english = analysis::scoreLevels(Language::English);
        QCOMPARE(session.levels().random, english.random);
        QCOMPARE(session.levels().typical, english.typical);
        QVERIFY(session.levels().random < session.levels().typical);
        const std::vector<analysis::Letter> plain = lettersOf(known.prepared);
        QVERIFY(session.trueScore());
        QCOMPARE(*session.trueScore(),
                 analysis::LanguageModel::of(Language::English, 5).meanLog10(plain.data(), plain.size()));
        // Forty letters of English read like English, far from random letters.
        QVERIFY(*session.trueScore() > english.typical - 0.5);
        QVERIFY(session.scorePoints().isEmpty());

        QVERIFY(session.reportArrived(session.run(), result(false, 10, 0.1, 0)));
        analysis::SolverResult first = found(playfairExample, known.prepared);
        first.elapsedSeconds = 0.5;
        first.score = -5.25;
        QVERIFY(session.reportArrived(session.run(), first));
        analysis::SolverResult last = first;
        last.elapsedSeconds = 1.5;
        last.score = -4.5;
        QVERIFY(session.searchFinished(session.run(), last));
        QCOMPARE(session.scorePoints(), (QList<QPointF>{{0.5, -5.25}, {1.5, -4.5}}));

        // Another language moves the levels; the next search starts afresh.
        session.setLanguage(Language::Bulgarian);
        const analysis::ScoreLevels bulgarian = analysis::scoreLevels(Language::Bulgarian);
        QCOMPARE(session.levels().typical, bulgarian.typical);
        session.setCiphertext(QStringLiteral("BM OD ZB XD"));
        QVERIFY(session.start());
        QVERIFY(session.scorePoints().isEmpty());
        QVERIFY(!session.trueScore());
        // The language cannot change under a running search.
        session.setLanguage(Language::English);
        QCOMPARE(session.language(), Language::Bulgarian);
        QCOMPARE(session.levels().typical, bulgarian.typical);
    }

    // A known key's plaintext is read in its language, and the score note
    // speaks of it; a language chosen in the box follows it, one left to
    // the search stays so.
    void language_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("before"); // the box: -1 automatic, else the language
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("named");

        const QString english = QStringLiteral("Attack at dawn; hold the bridge until noon.");
        const QString bulgarian
            = QStringLiteral("Utre sutrinta shte se sreshtnem na garata v Plovdiv, kakto se dogovorihme minalata sedmitsa.");
        QTest::newRow("English, left to the search") << english << -1 << -1 << "английски";
        QTest::newRow("Bulgarian, left to the search") << bulgarian << -1 << -1 << "български";
        QTest::newRow("English chosen, a Bulgarian text")
            << bulgarian << int(Language::English) << int(Language::Bulgarian) << "български";
        QTest::newRow("Bulgarian chosen, an English text")
            << english << int(Language::Bulgarian) << int(Language::English) << "английски";
        QTest::newRow("under 8 letters leave the choice as it was")
            << "Utre" << int(Language::Bulgarian) << int(Language::Bulgarian) << "български";
    }

    void language()
    {
        QFETCH(QString, text);
        QFETCH(int, before);
        QFETCH(int, after);
        QFETCH(QString, named);

        BreakSession session;
        const auto box = [](int code) { return code < 0 ? std::nullopt : std::optional(Language(code)); };
        session.setLanguage(box(before));
        QRandomGenerator random(5);
        session.demonstrate(text, QStringLiteral("rodina"), random);
        QCOMPARE(session.language(), box(after));
        const Language read = named == QStringLiteral("български") ? Language::Bulgarian : Language::English;
        const analysis::ScoreLevels levels = analysis::scoreLevels(read);
        QCOMPARE(session.levels().typical, levels.typical);
        const QLocale bulgarian(QLocale::Bulgarian);
        QCOMPARE(session.scoreNote(),
                 QStringLiteral("Оценката показва колко прилича текстът на %1: средният логаритъм от вероятността на "
                                "всяка буква след предходните четири (около %2 за случайни букви, около %3 за "
                                "обикновен текст).")
                     .arg(named, bulgarian.toString(levels.random, 'f', 1), bulgarian.toString(levels.typical, 'f', 1)));
    }
};

QTEST_GUILESS_MAIN(TestBreakMarks)
#include "tst_breakmarks.moc"
