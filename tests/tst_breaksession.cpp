#include "helpers.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "analysis/letterstatistics.h"
#include "engine/demonstration.h"
#include "workspace/breaksession.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <variant>

using namespace playfair;
using namespace playfair::testing;
using analysis::Language;
using State = BreakSession::State;

Q_DECLARE_METATYPE(playfair::analysis::SolverResult)

namespace {

const QString playfairExample = QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ");
const QString keyKnown = QStringLiteral("Ключът е известен: буквите, които са на мястото си, ще се оцветят в зелено.");
const QString keyUnknown = QStringLiteral("Ключът не е известен: нищо не се отбелязва.");
const QString pressStart = QStringLiteral("Натиснете „Започни“ или Enter в полето за шифрования текст.");

// 40 letters of English, encrypted on the textbook square.
Demonstration english()
{
    return *Demonstration::make(QStringLiteral("Hide the gold in the tree stump, then meet at noon"), playfairExample);
}

QString pairsOf(const QString &letters)
{
    QStringList pairs;
    for (qsizetype i = 0; i < letters.size(); i += 2)
        pairs << letters.mid(i, 2);
    return pairs.join(u' ');
}

analysis::Square squareOf(const QString &letters)
{
    analysis::Square square{};
    if (!analysis::squareFromText(letters.toStdString(), square))
        qFatal("not a square: %s", qPrintable(letters));
    return square;
}

// A report of a found square, as the solver sends it.
analysis::SolverResult found(const QString &square, const QString &plaintext)
{
    analysis::SolverResult result;
    result.found = true;
    result.square = squareOf(square);
    result.squareText = square.toStdString();
    result.plaintext = plaintext.toStdString();
    return result;
}

analysis::SolverResult result(bool isFound, std::uint64_t keys, double seconds, double score,
                              analysis::StopReason stopped = analysis::StopReason::TimeLimit, bool settled = false,
                              int agreeing = 0)
{
    analysis::SolverResult result;
    result.found = isFound;
    result.keysTested = keys;
    result.elapsedSeconds = seconds;
    result.score = score;
    result.restarts = 7;
    result.stopped = stopped;
    result.settled = settled;
    result.agreeing = agreeing;
    return result;
}

QString stateName(State state)
{
    switch (state) {
    case State::Idle:
        return QStringLiteral("I");
    case State::Searching:
        return QStringLiteral("S");
    case State::Stopping:
        return QStringLiteral("T");
    case State::Finished:
        return QStringLiteral("F");
    case State::Refused:
        return QStringLiteral("R");
    }
    return {};
}

// A session searching `input` on one thread with a fixed seed.
BreakSession searching(const BreakInput &input, const QString &crib = QString())
{
    BreakSession session;
    session.setInput(input);
    session.setCrib(crib);
    session.setSearchOptions(1, 99);
    if (!session.start())
        qFatal("the search did not start");
    return session;
}

} // namespace

class TestBreakSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The user's and the search's steps, one letter a step: the state after
    // each (I idle, S searching, T stopping, F finished, R refused) and
    // whether the step changed the session (+), did nothing (-), or is a
    // command that does not say (.).
    void transitions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("states");
        QTest::addColumn<QString>("changes");

        // g good text typed, b bad text typed, n new input, s start, x stop,
        // r report, f finished, e failed
        QTest::newRow("a search runs to its end") << "gsrrf" << "ISSSF" << ".++++";
        QTest::newRow("a search stopped: reports still count until it ends") << "gsxrf" << "ISTTF" << ".++++";
        QTest::newRow("stop asks the search to stop once") << "gsxx" << "ISTT" << ".++-";
        QTest::newRow("stop before a search does nothing") << "gx" << "II" << ".-";
        QTest::newRow("start during a search starts nothing") << "gss" << "ISS" << ".+-";
        QTest::newRow("bad input is refused") << "bs" << "IR" << ".-";
        QTest::newRow("new text after a refusal brings the prompt back") << "bsg" << "IRI" << ".-.";
        QTest::newRow("the box cannot change during a search") << "gsb" << "ISS" << ".+.";
        QTest::newRow("a search that fails is refused") << "gse" << "ISR" << ".++";
        QTest::newRow("a failure while stopping is refused too") << "gsxe" << "ISTR" << ".+++";
        QTest::newRow("nothing counts after the end") << "gsfrfe" << "ISFFFF" << ".++---";
        QTest::newRow("a finished search stays on show while the box changes") << "gsfb" << "ISFF" << ".++.";
        QTest::newRow("new input after a finished search") << "gsfn" << "ISFI" << ".++.";
        QTest::newRow("new input is ignored during a search") << "gsn" << "ISS" << ".+.";
        QTest::newRow("a finished search can start again") << "gsfsf" << "ISFSF" << ".++++";
    }

    void transitions()
    {
        QFETCH(QString, steps);
        QFETCH(QString, states);
        QFETCH(QString, changes);

        const Demonstration known = english();
        BreakSession session;
        QString seen;
        QString changed;
        for (QChar step : steps) {
            const QString before = session.ciphertext();
            const bool wasSearching = session.isSearching();
            QChar change = u'.';
            const auto said = [&change](bool done) { change = done ? u'+' : u'-'; };
            switch (step.unicode()) {
            case 'g':
                session.setCiphertext(pairsOf(known.ciphertext));
                break;
            case 'b':
                session.setCiphertext(QStringLiteral("BM ODZ"));
                break;
            case 'n':
                session.setInput({QStringLiteral("BM OD ZB XD"), QString(), QString()});
                break;
            case 's': {
                const int run = session.run();
                said(session.start().has_value());
                QCOMPARE(session.run(), change == u'+' ? run + 1 : run);
                break;
            }
            case 'x':
                said(session.stop());
                break;
            case 'r':
                said(session.reportArrived(session.run(), found(playfairExample, known.prepared)));
                break;
            case 'f':
                said(session.searchFinished(session.run(), found(playfairExample, known.prepared)));
                break;
            case 'e':
                said(session.searchFailed(session.run(), QStringLiteral("Грешка.")));
                break;
            }
            if (wasSearching) // the box is read-only then
                QCOMPARE(session.ciphertext(), before);
            seen += stateName(session.state());
            changed += change;
        }
        QCOMPARE(seen, states);
        QCOMPARE(changed, changes);
        QCOMPARE(session.isSearching(), states.endsWith(u'S') || states.endsWith(u'T'));
        QCOMPARE(session.canStop(), states.endsWith(u'S'));
    }

    // Whatever a run sends after a newer run has started is ignored, and so
    // is anything tagged with a run that never was.
    void staleRunsAreIgnored_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("runsBack");

        QTest::newRow("a report of the run before") << "report" << 1;
        QTest::newRow("the end of the run before") << "finished" << 1;
        QTest::newRow("the failure of the run before") << "failed" << 1;
        QTest::newRow("a report of a run yet to come") << "report" << -1;
        QTest::newRow("the end of a run yet to come") << "finished" << -1;
    }

    void staleRunsAreIgnored()
    {
        QFETCH(QString, message);
        QFETCH(int, runsBack);

        const Demonstration known = english();
        BreakSession session = searching({pairsOf(known.ciphertext), known.square, QString()});
        const int first = session.run();
        QVERIFY(session.stop());
        QVERIFY(session.searchFinished(first, result(false, 10, 0.1, 0, analysis::StopReason::Cancelled)));
        QVERIFY(session.start());
        QCOMPARE(session.run(), first + 1);
        QVERIFY(session.reportArrived(session.run(), result(false, 1000, 0.5, 0)));

        const int stale = session.run() - runsBack;
        const analysis::SolverResult late = found(playfairExample, known.prepared);
        bool changed = true;
        if (message == QStringLiteral("report"))
            changed = session.reportArrived(stale, late);
        else if (message == QStringLiteral("finished"))
            changed = session.searchFinished(stale, late);
        else
            changed = session.searchFailed(stale, QStringLiteral("Грешка."));
        QVERIFY(!changed);
        QCOMPARE(session.state(), State::Searching);
        QCOMPARE(session.report().keysTested, std::uint64_t(1000));
        QVERIFY(!session.report().found);
        QCOMPARE(session.squareLetters(), QString());
        QVERIFY(session.status().startsWith(QStringLiteral("Търсене: 0,5 s, проверени 1\u00A0000 ключа")));
    }

    // The status line in every state, with the figures written the
    // Bulgarian way (decimal comma, digits in groups of three).
    void status_data()
    {
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QString>("crib");
        QTest::addColumn<QString>("where"); // idle, searching, stopping or finished
        QTest::addColumn<analysis::SolverResult>("report");
        QTest::addColumn<QString>("status");

        const QString longText = pairsOf(english().ciphertext);   // 40 letters
        const QString shortText = QStringLiteral("BM OD ZB XD NA BE KU DM UI XM MO"); // 22 letters
        const QString shortNote = QStringLiteral("Шифърът има само 22 букви: на толкова кратък текст пасват много "
                                                 "квадрати. Ако знаете дума от текста, напишете я в „Известна дума“.");
        const QString shortNoteWithCrib
            = QStringLiteral("Шифърът има само 22 букви: на толкова кратък текст пасват много квадрати.");
        const analysis::SolverResult none;

        QTest::newRow("idle, an empty box") << "" << "" << "idle" << none
                                            << "Поставете шифрован текст или направете демонстрация, после "
                                               "натиснете „Започни“.";
        QTest::newRow("idle, only spaces and line breaks") << " \n\t " << "" << "idle" << none
                                                           << "Поставете шифрован текст или направете демонстрация, "
                                                              "после натиснете „Започни“.";
        QTest::newRow("idle, 40 letters") << longText << "" << "idle" << none << pressStart;
        QTest::newRow("idle, a short text asks for a known word")
            << shortText << "" << "idle" << none << pressStart + u'\n' + shortNote;
        QTest::newRow("idle, a short text with a known word")
            << shortText << "hide" << "idle" << none << pressStart + u'\n' + shortNoteWithCrib;
        QTest::newRow("idle, a crib of spaces is no known word")
            << shortText << "   " << "idle" << none << pressStart + u'\n' + shortNote;
        QTest::newRow("idle, a text that is no ciphertext waits for the start to say why")
            << "BM ODZ" << "" << "idle" << none << pressStart;
        QTest::newRow("searching, the first report")
            << longText << "" << "searching" << result(false, 0, 0, 0)
            << "Търсене: 0,0 s, проверени 0 ключа, завършени опити: 7.";
        QTest::newRow("searching, one key") << longText << "" << "searching" << result(false, 1, 0.04, 0)
                                            << "Търсене: 0,0 s, проверени 1 ключ, завършени опити: 7.";
        QTest::newRow("searching, a square found, seven digits in three groups")
            << longText << "" << "searching" << result(true, 1461274, 2.345, -4.386)
            << "Търсене: 2,3 s, проверени 1\u00A0461\u00A0274 ключа, завършени опити: 7, оценка -4,39.";
        QTest::newRow("searching a short text")
            << shortText << "" << "searching" << result(true, 12345, 1.2, -5.1)
            << "Търсене: 1,2 s, проверени 12\u00A0345 ключа, завършени опити: 7, оценка -5,10.\n" + shortNote;
        QTest::newRow("stopping") << longText << "" << "stopping" << result(true, 5, 1, -4) << "Спиране…";
        QTest::newRow("finished, searches agreed")
            << longText << "" << "finished" << result(true, 1461274, 2.5, -4.123, analysis::StopReason::Confident, false, 3)
            << "Спря след 2,5 s и 1\u00A0461\u00A0274 проверени ключа: резултатът е сигурен, 3 независими търсения "
               "стигнаха до един и същ текст, оценка -4,12.";
        QTest::newRow("finished, settled")
            << longText << "" << "finished" << result(true, 900, 0.8, -4.0, analysis::StopReason::Confident, true, 1)
            << "Спря след 0,8 s и 900 проверени ключа: резултатът е сигурен: текстът прилича на езика и никое търсене "
               "от този квадрат не намери по-добър, оценка -4,00.";
        QTest::newRow("finished at the time limit")
            << longText << "" << "finished" << result(true, 1000000, 30.02, -5.5)
            << "Спря след 30,0 s и 1\u00A0000\u00A0000 проверени ключа: времето за търсене изтече, оценка -5,50.";
        QTest::newRow("finished, stopped by the user")
            << longText << "" << "finished" << result(true, 42, 0.3, -6.25, analysis::StopReason::Cancelled)
            << "Спря след 0,3 s и 42 проверени ключа: спряно, оценка -6,25.";
        QTest::newRow("finished without a square")
            << longText << "" << "finished" << result(false, 42, 0.3, 0, analysis::StopReason::Cancelled)
            << "Спря след 0,3 s и 42 проверени ключа: спряно. Не е намерен квадрат.";
        QTest::newRow("finished without a square that holds the known word")
            << shortText << "hide" << "finished" << result(false, 42, 30, 0)
            << "Спря след 30,0 s и 42 проверени ключа: времето за търсене изтече. Не е намерен квадрат, при който "
               "известната дума е в текста.\n" + shortNoteWithCrib;
    }

    void status()
    {
        QFETCH(QString, ciphertext);
        QFETCH(QString, crib);
        QFETCH(QString, where);
        QFETCH(analysis::SolverResult, report);
        QFETCH(QString, status);

        BreakSession session;
        session.setCiphertext(ciphertext);
        session.setCrib(crib);
        if (where != QStringLiteral("idle")) {
            QVERIFY(session.start());
            if (where == QStringLiteral("finished")) {
                QVERIFY(session.searchFinished(session.run(), report));
            } else {
                QVERIFY(session.reportArrived(session.run(), report));
                if (where == QStringLiteral("stopping"))
                    QVERIFY(session.stop());
            }
        }
        QCOMPARE(session.status(), status);
    }

    // Bad input is refused with the solver's own sentence, and the next
    // edit of the box brings the prompt back.
    void refusals_data()
    {
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("crib");

        QTest::newRow("no letters") << "12 34 !?" << "";
        QTest::newRow("only Cyrillic letters") << "шифър" << "";
        QTest::newRow("an odd number of letters") << "BM ODZ" << "";
        QTest::newRow("a pair of equal letters") << "BM OD ZZ" << "";
        QTest::newRow("a crib without letters") << "BM OD ZB XD" << "1944";
        QTest::newRow("a crib longer than the text") << "BM OD" << "attack";
        QTest::newRow("a crib that contradicts the text") << "BM OD" << "bmod";
    }

    void refusals()
    {
        QFETCH(QString, cipher);
        QFETCH(QString, crib);

        BreakSession session;
        session.setCiphertext(cipher);
        session.setCrib(crib);
        QVERIFY(!session.start());
        QCOMPARE(session.state(), State::Refused);
        QCOMPARE(session.run(), 0);

        const auto read = analysis::readCiphertext(cipher.toStdString());
        std::string message;
        if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
            message = error->message(Language::Bulgarian);
        } else {
            const auto made = analysis::Crib::make(crib.toStdString(), std::nullopt,
                                                   std::get<std::vector<analysis::Letter>>(read));
            QVERIFY(std::holds_alternative<analysis::CribError>(made));
            message = std::get<analysis::CribError>(made).message(Language::Bulgarian);
        }
        QCOMPARE(session.status(), QString::fromStdString(message));

        session.setCiphertext(QStringLiteral("BM OD ZB XD NA BE KU DM UI XM MO UV IF QR ST UV WX YZ AB CD"));
        QCOMPARE(session.state(), State::Idle);
        QVERIFY(session.status().startsWith(pressStart));
    }

    // What start() hands to the search: the letters and the options as the
    // boxes say.
    void searchToRun_data()
    {
        QTest::addColumn<QString>("crib");
        QTest::addColumn<int>("timeLimit");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cribGiven");

        QTest::newRow("no known word, 30 s, English") << "" << 30 << int(Language::English) << "";
        QTest::newRow("a known word as typed, 5 s, Bulgarian") << "Hide" << 5 << int(Language::Bulgarian) << "Hide";
        QTest::newRow("a known word of spaces is none") << "  " << 600 << int(Language::English) << "";
    }

    void searchToRun()
    {
        QFETCH(QString, crib);
        QFETCH(int, timeLimit);
        QFETCH(int, language);
        QFETCH(QString, cribGiven);

        const Demonstration known = english();
        BreakSession session;
        session.setCiphertext(pairsOf(known.ciphertext).toLower());
        session.setCrib(crib);
        session.setTimeLimit(timeLimit);
        session.setLanguage(Language(language));
        session.setSearchOptions(3, 4242);
        const std::optional<BreakSession::Search> search = session.start();
        QVERIFY(search);
        QCOMPARE(search->run, session.run());
        QCOMPARE(QString::fromStdString(analysis::lettersToText(search->ciphertext.data(), search->ciphertext.size())),
                 known.ciphertext);
        QCOMPARE(session.cipherLetters(), known.ciphertext);
        QCOMPARE(search->options.crib, cribGiven.toStdString());
        QVERIFY(!search->options.cribPosition);
        QCOMPARE(search->options.timeLimit, std::chrono::milliseconds(1000 * timeLimit));
        QCOMPARE(int(search->options.language), language);
        QCOMPARE(search->options.threads, 3);
        QCOMPARE(search->options.seed, std::uint64_t(4242));

        // Unless fixed, every search draws its own seed.
        session.setSearchOptions(0, std::nullopt);
        QVERIFY(session.stop());
        QVERIFY(session.searchFinished(session.run(), result(false, 0, 0, 0, analysis::StopReason::Cancelled)));
        const auto second = session.start();
        QVERIFY(session.stop());
        QVERIFY(session.searchFinished(session.run(), result(false, 0, 0, 0, analysis::StopReason::Cancelled)));
        const auto third = session.start();
        QVERIFY(second && third);
        QCOMPARE(second->options.threads, 0);
        QVERIFY(second->options.seed != third->options.seed);
    }

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
        QCOMPARE(session.inPlaceNote(), keyKnown ? ::keyKnown : keyUnknown);
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

        // The marks stay when the search ends, and go with new input; the
        // last search's letters stay in the paired text.
        QVERIFY(session.stop());
        QVERIFY(session.searchFinished(session.run(), session.report()));
        QCOMPARE(session.squareLetters(), shown);
        QCOMPARE(session.rightCells(), right);
        const QString letters = session.cipherLetters();
        session.setInput({});
        QCOMPARE(session.squareLetters(), QString());
        QCOMPARE(session.rightCells(), QList<int>());
        QCOMPARE(session.inPlaceNote(), keyUnknown);
        QCOMPARE(session.foundPlaintext(), QString());
        QCOMPARE(session.cipherLetters(), letters);
    }

    // The score plot: a point for each report with a square, the language's
    // levels, and the true plaintext's score while its key is known.
    void scorePlot()
    {
        const Demonstration known = english();
        BreakSession session = searching({pairsOf(known.ciphertext), known.square, QString()});
        const auto &english = analysis::LetterStatistics::of(Language::English);
        QCOMPARE(session.levels().random, english.randomLog10());
        QCOMPARE(session.levels().typical, english.typicalLog10());
        QVERIFY(session.trueScore());
        QVERIFY(*session.trueScore() > english.typicalLog10() - 1);
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
        const auto &bulgarian = analysis::LetterStatistics::of(Language::Bulgarian);
        QCOMPARE(session.levels().typical, bulgarian.typicalLog10());
        session.setCiphertext(QStringLiteral("BM OD ZB XD"));
        QVERIFY(session.start());
        QVERIFY(session.scorePoints().isEmpty());
        QVERIFY(!session.trueScore());
        // The language cannot change under a running search.
        session.setLanguage(Language::English);
        QCOMPARE(session.language(), Language::Bulgarian);
        QCOMPARE(session.levels().typical, bulgarian.typicalLog10());
    }

    // A known key's plaintext chooses the language, and the score note
    // speaks of it.
    void language_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("named");

        QTest::newRow("English") << "Attack at dawn; hold the bridge until noon." << int(Language::English)
                                 << "английски";
        QTest::newRow("Bulgarian in Latin letters")
            << "Utre sutrinta shte se sreshtnem na garata v Plovdiv, kakto se dogovorihme minalata sedmitsa."
            << int(Language::Bulgarian) << "български";
        QTest::newRow("under 8 letters leave the choice as it was") << "Utre" << int(Language::English)
                                                                     << "английски";
    }

    void language()
    {
        QFETCH(QString, text);
        QFETCH(int, chosen);
        QFETCH(QString, named);

        BreakSession session;
        QRandomGenerator random(5);
        session.demonstrate(text, QStringLiteral("rodina"), random);
        QCOMPARE(int(session.language()), chosen);
        const auto &statistics = analysis::LetterStatistics::of(Language(chosen));
        QCOMPARE(session.scoreNote(),
                 QStringLiteral("Оценката показва колко прилича текстът на %1: средният логаритъм от вероятността на "
                                "четворките поредни букви в него (около %2 за случайни букви, около %3 за обикновен "
                                "текст).")
                     .arg(named, QLocale(QLocale::Bulgarian).toString(statistics.randomLog10(), 'f', 1),
                          QLocale(QLocale::Bulgarian).toString(statistics.typicalLog10(), 'f', 1)));
    }

    // A demonstration encrypts the text the textbook way on the key word's
    // square or a random one and makes it the input with its key; one with
    // nothing to encrypt is refused and leaves the input as it was.
    void demonstration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keyWord"); // "-": a random square
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("status");

        QTest::newRow("a doubled letter split by X: the textbook example")
            << "Hide the gold in the tree stump!" << "Playfair example" << "BM OD ZB XD NA BE KU DM UI XM MO UV IF"
            << pressStart + "\nШифърът има само 26 букви: на толкова кратък текст пасват много квадрати. Ако знаете "
                            "дума от текста, напишете я в „Известна дума“.";
        QTest::newRow("an odd length evened by X, J as I") << "Jumbo" << "playfair example" << "RT IH QE" << "";
        QTest::newRow("a final X evened by Q") << "box" << "PLAYFAIR EXAMPLE" << "DK GW" << "";
        QTest::newRow("XX split by Q") << "x x" << "PLAYFAIR EXAMPLE" << "GW GW" << "";
        QTest::newRow("a random square") << "Attack at dawn" << "-" << "" << "";
        QTest::newRow("Cyrillic is skipped, and the status says so")
            << "Attack при зори" << "playfair example" << "" << "Кирилицата в текста за демонстрация е пропусната: "
                                                                 "криптирани са само латинските букви.";
        QTest::newRow("refused: no letters") << "12 + 30 = 42" << "-" << "-"
                                             << "Текстът за демонстрация няма нито една латинска буква.";
        QTest::newRow("refused: Cyrillic only") << "Среща на гарата" << "rodina" << "-"
                                                << "Текстът за демонстрация трябва да е с латински букви: програмата "
                                                   "пропуска кирилицата.";
        QTest::newRow("refused: a key word without letters") << "attack at dawn" << "  " << "-"
                                                             << "Напишете ключова дума или изберете „случаен "
                                                                "квадрат“.";
    }

    void demonstration()
    {
        QFETCH(QString, text);
        QFETCH(QString, keyWord);
        QFETCH(QString, cipher);
        QFETCH(QString, status);

        BreakSession session;
        session.setCiphertext(QStringLiteral("BM OD"));
        QRandomGenerator random(11);
        const std::optional<QString> word = keyWord == QStringLiteral("-") ? std::nullopt : std::optional(keyWord);
        session.demonstrate(text, word, random);

        if (cipher == QStringLiteral("-")) {
            QCOMPARE(session.state(), State::Refused);
            QCOMPARE(session.status(), status);
            QCOMPARE(session.ciphertext(), QStringLiteral("BM OD"));
            QCOMPARE(session.knownSquare(), QString());
            return;
        }
        QCOMPARE(session.state(), State::Idle);
        QRandomGenerator again(11);
        const QString square = word ? Demonstration::keySquare(*word) : Demonstration::randomSquare(again);
        QCOMPARE(session.knownSquare(), square);
        const Demonstration made = *Demonstration::make(text, square);
        QCOMPARE(session.ciphertext(), pairsOf(made.ciphertext));
        if (!cipher.isEmpty())
            QCOMPARE(session.ciphertext(), cipher);
        if (!status.isEmpty())
            QCOMPARE(session.status(), status);
        QCOMPARE(session.inPlaceNote(), keyKnown);

        // A demonstration waits while a search runs.
        session.setSearchOptions(1, 1);
        QVERIFY(session.start());
        session.demonstrate(QStringLiteral("another text"), std::nullopt, random);
        QCOMPARE(session.ciphertext(), pairsOf(made.ciphertext));
        QCOMPARE(session.state(), State::Searching);
    }

    // The main window's cipher pairs and square, after an Encrypt only.
    void fromWorkspace_data()
    {
        QTest::addColumn<bool>("encrypt");
        QTest::newRow("after an Encrypt") << true;
        QTest::newRow("before one") << false;
    }

    void fromWorkspace()
    {
        QFETCH(bool, encrypt);
        Workspace ws;
        ws.Form_Load();
        if (encrypt)
            ws = encrypted(QStringLiteral("rodina"), QStringLiteral("send help to the north gate"));
        const BreakInput input = BreakInput::fromWorkspace(ws);
        QCOMPARE(input.ciphertext, encrypt ? itemsOf(ws.List1[1]) : QString());
        QCOMPARE(input.trueSquare, encrypt ? QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ") : QString());
        QVERIFY(input.note.isEmpty());
    }

    // playfair --break FILE: the file's text, or a word on why there is
    // none, which the status line shows first.
    void fromFile_data()
    {
        QTest::addColumn<QString>("name"); // in a scratch folder
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("ciphertext");
        QTest::addColumn<QString>("note");

        QTest::newRow("a ciphertext in groups of five")
            << "cipher.txt" << QByteArray("BMODZ BXDNA\nBEKUD MUIXM\n") << "BMODZ BXDNA\nBEKUD MUIXM\n" << "";
        QTest::newRow("a file that is not there") << "missing.txt" << QByteArray() << ""
                                                  << "Файлът „%1“ не съществува.";
        QTest::newRow("a folder") << "." << QByteArray() << "" << "„%1“ е папка, а не файл с шифрован текст.";
        QTest::newRow("more than 1 MiB") << "big.txt" << QByteArray((1 << 20) + 10, 'A') << QString(1 << 20, u'A')
                                         << "Файлът „%1“ е по-дълъг от 1 MiB: прочетено е само началото му.";
    }

    void fromFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, ciphertext);
        QFETCH(QString, note);

        QTemporaryDir folder;
        const QString path = name == QStringLiteral(".") ? folder.path() : folder.filePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const BreakInput input = BreakInput::fromFile(path);
        QCOMPARE(input.ciphertext, ciphertext);
        QCOMPARE(input.note, note.isEmpty() ? QString() : note.arg(path));
        QVERIFY(input.trueSquare.isEmpty());

        BreakSession session;
        session.setInput(input);
        QCOMPARE(session.ciphertext(), ciphertext);
        if (!note.isEmpty())
            QCOMPARE(session.status(), note.arg(path));
        // The note gives way to the prompt once the box is edited.
        session.setCiphertext(QStringLiteral("BM OD ZB XD NA BE KU DM UI XM MO UV IF QR ST UV WX YZ AB CD"));
        QCOMPARE(session.status(), pressStart);
    }
};

QTEST_GUILESS_MAIN(TestBreakSession)
#include "tst_breaksession.moc"
