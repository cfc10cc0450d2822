// The break session on messages as they arrive, without a window: the
// language left to the search, doubled letters kept, padding set aside, a
// demonstration's key word written in by a route, and the pairs likely
// garbled.

#include "breaksessionhelpers.h"

#include <QRandomGenerator>

using namespace playfair;
using namespace playfair::testing;
using analysis::Language;

namespace {

const QString doubledHint = QStringLiteral("„удвоените букви са оставени“");

} // namespace

class TestBreakMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What start() searches, what the session sets aside and what it
    // refuses, with doubled letters split (the textbook way) or kept.
    void readsTheMessage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("searched"); // "-": refused
        QTest::addColumn<QString>("setAside");

        QTest::newRow("a doubled pair, split: refused, the choice named") << "BM ZZ OD" << false << "-" << "";
        QTest::newRow("a doubled pair, kept: it stands") << "BM ZZ OD" << true << "BMZZOD" << "";
        QTest::newRow("four nulls after the last group") << "BMODZ BXXXX" << false << "BMODZB" << "XXXX";
        QTest::newRow("a last odd letter") << "BMODZ" << false << "BMOD" << "Z";
        QTest::newRow("kept: an even run at the end stands") << "BMOD XX" << true << "BMODXX" << "";
        QTest::newRow("kept: an odd run at the end is padding") << "BMOD XXX" << true << "BMOD" << "XXX";
    }

    void readsTheMessage()
    {
        QFETCH(QString, text);
        QFETCH(bool, kept);
        QFETCH(QString, searched);
        QFETCH(QString, setAside);

        BreakSession session;
        QCOMPARE(session.doubles(), Doubles::Split);
        session.setCiphertext(text);
        session.setDoubles(kept ? Doubles::Kept : Doubles::Split);
        QCOMPARE(session.doubles(), kept ? Doubles::Kept : Doubles::Split);
        QCOMPARE(session.setAsideNote().isEmpty(), setAside.isEmpty());
        if (!setAside.isEmpty()) {
            QVERIFY2(session.setAsideNote().contains(setAside), qPrintable(session.setAsideNote()));
            QVERIFY(session.status().endsWith(session.setAsideNote())); // the status line's last line
        }
        const std::optional<BreakSession::Search> search = session.start();
        if (searched == QStringLiteral("-")) {
            QVERIFY(!search);
            QVERIFY2(session.status().contains(doubledHint), qPrintable(session.status()));
            return;
        }
        QVERIFY(search);
        QCOMPARE(QString::fromStdString(analysis::lettersToText(search->ciphertext.data(), search->ciphertext.size())),
                 searched);
        // The pairs shown are the pairs searched, the padding aside.
        QCOMPARE(session.cipherLetters(), searched);
    }

    // Padding the search read as such (nulls a square gives) is set aside
    // once it reports: the pairs shown stop before it and the status names
    // it, after what no square gives.
    void setsAsideThePaddingTheSearchRead()
    {
        BreakSession session;
        session.setCiphertext(QStringLiteral("BMODZ BKRUE BQXQX"));
        session.setSearchOptions(1, 3);
        const std::optional<BreakSession::Search> search = session.start();
        QVERIFY(search);
        QCOMPARE(search->ciphertext.size(), std::size_t(14)); // the last odd X aside
        QCOMPARE(search->options.paddingAllowed, std::size_t(4));
        analysis::SolverResult result = found(playfairExample, QStringLiteral("HIDETHEGOLDI"));
        result.padding = 2;
        QVERIFY(session.searchFinished(session.run(), result));
        QCOMPARE(session.cipherLetters(), QStringLiteral("BMODZBKRUEBQ"));
        QVERIFY2(session.setAsideNote().contains(QStringLiteral("XQX")), qPrintable(session.setAsideNote()));
        QVERIFY(session.status().contains(session.setAsideNote()));
    }

    // Choosing anew how doubled letters were handled reads the box again:
    // a result shown goes when the letters read change, and stays when not.
    void choosingTheDoublesAnew_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("resultStays");

        QTest::newRow("a run at the end read another way") << "BM OD XX" << false;
        QTest::newRow("no doubled letters: the same letters") << "BM OD ZB" << true;
    }

    void choosingTheDoublesAnew()
    {
        QFETCH(QString, text);
        QFETCH(bool, resultStays);

        BreakSession session;
        session.setCiphertext(text);
        session.setSearchOptions(1, 3);
        QVERIFY(session.start());
        QVERIFY(session.searchFinished(session.run(), found(playfairExample, QStringLiteral("HIDE"))));
        session.setDoubles(Doubles::Kept);
        QCOMPARE(session.state(), resultStays ? State::Finished : State::Idle);
        QCOMPARE(session.report().found, resultStays);
    }

    // A demonstration writes its key word in by the route chosen and keeps
    // the doubled letters if asked; the session then reads its ciphertext
    // so, and, once the key is found, says how it was written in.
    void demonstratesARoute_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<QString>("sentence"); // under the key word; empty for none

        QTest::newRow("rows") << "rows" << false << "";
        QTest::newRow("columns, doubled letters kept") << "columns" << true << "по колони";
        QTest::newRow("a spiral") << "spiral" << false << "по спирала";
        QTest::newRow("a snake by columns") << "column-snake" << false << "змийка по колони";
    }

    void demonstratesARoute()
    {
        QFETCH(QString, route);
        QFETCH(bool, kept);
        QFETCH(QString, sentence);

        const SquareRoute way = *routeFromCode(route.toStdString());
        const Doubles doubles = kept ? Doubles::Kept : Doubles::Split;
        BreakSession session;
        QRandomGenerator random(3);
        const QString text = QStringLiteral("Meet me at the mill, bring all three keys");
        session.demonstrate(text, QStringLiteral("garden"), random, way, doubles);
        QCOMPARE(session.knownSquare(), Demonstration::keySquare(QStringLiteral("garden"), way));
        QCOMPARE(session.doubles(), doubles);
        const Demonstration made = *Demonstration::make(text, session.knownSquare(), doubles);
        QCOMPARE(session.cipherLetters(), made.ciphertext);

        session.setSearchOptions(1, 5);
        QVERIFY(session.start());
        analysis::SolverResult result = found(session.knownSquare(), made.prepared);
        result.stopped = analysis::StopReason::Confident;
        result.confidence = analysis::Confidence::KeyWord;
        result.keyWord = "GARDEN";
        result.keyWordInList = true;
        result.keyRoute = way;
        QVERIFY(session.searchFinished(session.run(), result));
        QCOMPARE(session.keyWordLine(), QStringLiteral("Ключовата дума е GARDEN"));
        const QString note = session.keyWordNote();
        if (sentence.isEmpty())
            QVERIFY2(!note.contains(QStringLiteral("вписан")), qPrintable(note));
        else
            QVERIFY2(note.startsWith(QStringLiteral("Ключът е вписан в квадрата")) && note.contains(sentence),
                     qPrintable(note));
    }

    // The pairs likely garbled are marked, and said under the plaintext,
    // once the search has ended; so is where the text stops reading.
    void garbledPairs_data()
    {
        QTest::addColumn<QList<int>>("pairs");
        QTest::addColumn<int>("unreadableFrom"); // -1: it reads throughout
        QTest::addColumn<QStringList>("said");

        QTest::newRow("none") << QList<int>{} << -1 << QStringList{};
        QTest::newRow("one") << QList<int>{3} << -1 << QStringList{"Двойка 4 (подчертана)"};
        QTest::newRow("three, counted from 1") << QList<int>{0, 3, 9} << -1 << QStringList{"Двойки 1, 4 и 10"};
        QTest::newRow("a letter lost: the text stops reading")
            << QList<int>{2, 5, 6, 7} << 5 << QStringList{"Двойка 3 (подчертана)", "От двойка 6 нататък"};
        QTest::newRow("it reads nowhere") << QList<int>{} << 0 << QStringList{"изобщо не се чете"};
        QTest::newRow("it stops reading at its third pair: nowhere") << QList<int>{} << 2
                                                                     << QStringList{"изобщо не се чете"};
        QTest::newRow("at its fourth pair: from there on") << QList<int>{0} << 3 << QStringList{"От двойка 4 нататък"};
    }

    void garbledPairs()
    {
        QFETCH(QList<int>, pairs);
        QFETCH(int, unreadableFrom);
        QFETCH(QStringList, said);

        const Demonstration known = english();
        BreakSession session = searching({pairsOf(known.ciphertext), QString(), QString()});
        analysis::SolverResult result = found(playfairExample, known.prepared);
        for (int pair : pairs)
            result.garbling.pairs.push_back(std::size_t(pair));
        if (unreadableFrom >= 0)
            result.garbling.unreadableFrom = std::size_t(unreadableFrom);
        // While the search runs, nothing is marked yet.
        QVERIFY(session.reportArrived(session.run(), result));
        QCOMPARE(session.garbledPairs(), QList<int>());
        QCOMPARE(session.garbledNote(), QString());

        QVERIFY(session.searchFinished(session.run(), result));
        QCOMPARE(session.garbledPairs(), pairs);
        QCOMPARE(session.garbledNote().isEmpty(), said.isEmpty());
        for (const QString &part : said)
            QVERIFY2(session.garbledNote().contains(part), qPrintable(session.garbledNote()));
        // The status line ends with it.
        QVERIFY(session.status().endsWith(session.garbledNote()));
    }

    // Left to the search, the language is not given to it; the one it
    // found is the one the score is read in, and the status says so.
    void languageFoundByTheSearch_data()
    {
        QTest::addColumn<int>("found");
        QTest::addColumn<QString>("named");
        QTest::addColumn<QString>("other");

        QTest::newRow("Bulgarian") << int(Language::Bulgarian) << "български" << "английски";
        QTest::newRow("English") << int(Language::English) << "английски" << "български";
    }

    void languageFoundByTheSearch()
    {
        QFETCH(int, found);
        QFETCH(QString, named);
        QFETCH(QString, other);

        const Demonstration known = english();
        BreakSession session;
        QVERIFY(!session.language().has_value());
        session.setCiphertext(pairsOf(known.ciphertext));
        session.setSearchOptions(1, 8);
        const std::optional<BreakSession::Search> search = session.start();
        QVERIFY(search);
        QVERIFY(!search->options.language.has_value());

        analysis::SolverResult result = ::playfair::testing::found(playfairExample, known.prepared);
        result.language = Language(found);
        result.languageFound = true;
        result.score = -0.8;
        result.otherLanguageScore = -1.7;
        QVERIFY(session.searchFinished(session.run(), result));
        QVERIFY2(session.status().contains(
                     QStringLiteral("оценка -0,80 на %1 (на %2 -1,70: езикът е намерен от търсенето)").arg(named, other)),
                 qPrintable(session.status()));
        QVERIFY(session.scoreNote().contains(QStringLiteral("на %1:").arg(named)));
        QCOMPARE(session.levels().typical, analysis::scoreLevels(Language(found)).typical);
    }
};

QTEST_GUILESS_MAIN(TestBreakMessages)
#include "tst_breakmessages.moc"
