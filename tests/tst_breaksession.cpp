#include "breaksessionhelpers.h"
#include "helpers.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"
#include "workspace/solvererrors.h"

#include <QRandomGenerator>

#include <variant>

using namespace playfair;
using namespace playfair::testing;
using analysis::Language;

// The break session's states and what it says in each, without a window.
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

        // g good text typed, b bad text typed, w the same letters spaced
        // otherwise, n new input, s start, x stop, r report, f finished,
        // e failed, a given up, o other pairs offered, O the same offered
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
        QTest::newRow("new letters in the box after a finished search start afresh") << "gsfb" << "ISFI" << ".++.";
        QTest::newRow("a finished search stays while only the spacing changes") << "gsfw" << "ISFF" << ".++.";
        QTest::newRow("new input after a finished search") << "gsfn" << "ISFI" << ".++.";
        QTest::newRow("new input is ignored during a search") << "gsn" << "ISS" << ".+.";
        QTest::newRow("a search given up: what it sends is ignored") << "gsarf" << "ISIII" << ".++--";
        QTest::newRow("nothing to give up before a search") << "ga" << "II" << ".-";
        QTest::newRow("other pairs offered during a search give it up") << "gso" << "ISI" << ".++";
        QTest::newRow("the same pairs offered leave the search alone") << "gsO" << "ISS" << ".+-";
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
                session.setCiphertext(QStringLiteral("BM ZZ OD"));
                break;
            case 'w':
                session.setCiphertext(session.ciphertext() + QStringLiteral(" \n"));
                break;
            case 'n':
                session.setInput({QStringLiteral("BM OD ZB XD"), QString(), QString()});
                break;
            case 'a':
                said(session.abandon());
                break;
            case 'o':
                said(session.offerInput({QStringLiteral("BM OD ZB XD"), playfairExample, QString()}));
                break;
            case 'O':
                said(session.offerInput({session.ciphertext(), session.knownSquare(), QString()}));
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
            if (wasSearching && step != u'o') // the box is read-only then
                QCOMPARE(session.ciphertext(), before);
            seen += stateName(session.state());
            changed += change;
        }
        QCOMPARE(seen, states);
        QCOMPARE(changed, changes);
        QCOMPARE(session.isSearching(), states.endsWith(u'S') || states.endsWith(u'T'));
        QCOMPARE(session.canStop(), states.endsWith(u'S'));
    }

    // What a search found belongs to the letters it searched: every kind of
    // new input starts afresh, with nothing of the run before on show, and
    // the key counts as known only with the letters it came with. Spacing
    // alone is no new input.
    void freshAfterNewInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("fresh");
        QTest::addColumn<bool>("keyKnown");

        QTest::newRow("a ciphertext typed or pasted") << "typed" << true << false;
        QTest::newRow("the same letters spaced otherwise") << "spaced" << false << true;
        QTest::newRow("a demonstration") << "demonstration" << true << true;
        QTest::newRow("a refused demonstration leaves the box and its key") << "refused demonstration" << true
                                                                              << true;
        QTest::newRow("the main window's pairs") << "pairs" << true << true;
        QTest::newRow("the main window's pairs offered during the search") << "offered" << true << true;
        QTest::newRow("a start refused on the same letters") << "refused start" << true << true;
    }

    void freshAfterNewInput()
    {
        QFETCH(QString, input);
        QFETCH(bool, fresh);
        QFETCH(bool, keyKnown);

        const Demonstration known = english();
        BreakSession session = searching({pairsOf(known.ciphertext), known.square, QString()});
        analysis::SolverResult end = result(true, 5000, 0.5, -2.1, analysis::StopReason::Confident,
                                            analysis::Confidence::KeyWord, 1);
        static_cast<analysis::SolverReport &>(end) = found(playfairExample, known.prepared);
        end.keyWord = "PLAYFAIR EXAMPLE";
        end.keyWordInList = true;
        end.words = "HIDE THE GOLD IN THE TREE STUMP";
        QVERIFY(session.reportArrived(session.run(), end));
        if (input != QStringLiteral("offered"))
            QVERIFY(session.searchFinished(session.run(), end));
        QVERIFY(!session.squareLetters().isEmpty() && !session.scorePoints().isEmpty());
        QVERIFY(!session.keyWordLine().isEmpty() && !session.wordsLine().isEmpty());

        const BreakInput pairs = BreakInput::fromWorkspace(
            encrypted(QStringLiteral("rodina"), QStringLiteral("send help to the north gate")));
        QRandomGenerator random(3);
        if (input == QStringLiteral("typed"))
            session.setCiphertext(QStringLiteral("BM OD ZB XD"));
        else if (input == QStringLiteral("spaced"))
            session.setCiphertext(QString(session.ciphertext()).replace(u' ', u'\n'));
        else if (input == QStringLiteral("demonstration"))
            session.demonstrate(QStringLiteral("Meet me at the old mill"), QStringLiteral("monarchy"), random);
        else if (input == QStringLiteral("refused demonstration"))
            session.demonstrate(QStringLiteral("12 34"), QStringLiteral("monarchy"), random);
        else if (input == QStringLiteral("pairs"))
            session.setInput(pairs);
        else if (input == QStringLiteral("offered"))
            QVERIFY(session.offerInput(pairs));
        else {
            session.setCrib(QStringLiteral("1944"));
            QVERIFY(!session.start());
        }

        QVERIFY(!session.isSearching());
        QCOMPARE(session.cipherLetters(), QString(session.ciphertext()).remove(u' ').remove(u'\n'));
        QCOMPARE(session.keyKnown(), keyKnown);
        if (!fresh) {
            QCOMPARE(session.state(), State::Finished);
            QCOMPARE(session.squareLetters(), playfairExample);
            QCOMPARE(session.foundPlaintext(), known.prepared);
            QVERIFY(session.inPlaceNote().startsWith(QStringLiteral("На мястото си: 25 от 25 букви.")));
            return;
        }
        QVERIFY(!session.report().found);
        QCOMPARE(session.foundPlaintext(), QString());
        QCOMPARE(session.truePlaintext(), QString());
        QVERIFY(!session.trueScore());
        QVERIFY(session.scorePoints().isEmpty());
        QCOMPARE(session.squareLetters(), QString());
        QCOMPARE(session.rightCells(), QList<int>());
        QCOMPARE(session.keyWordLine(), QString());
        QCOMPARE(session.keyWordNote(), QString());
        QCOMPARE(session.wordsLine(), QString());
        QCOMPARE(session.inPlaceNote(), keyKnown ? testing::keyKnown : keyUnknown);
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
        QVERIFY(session.status().startsWith(QStringLiteral("Търсене: 0,5 с, проверени 1\u00A0000 ключа")));
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
            << "BM ZZ OD" << "" << "idle" << none << pressStart;
        QTest::newRow("searching, the first report")
            << longText << "" << "searching" << result(false, 0, 0, 0)
            << "Търсене: 0,0 с, проверени 0 ключа, завършени опити: 7.";
        QTest::newRow("searching, one key") << longText << "" << "searching" << result(false, 1, 0.04, 0)
                                            << "Търсене: 0,0 с, проверени 1 ключ, завършени опити: 7.";
        QTest::newRow("searching, a square found, seven digits in three groups")
            << longText << "" << "searching" << result(true, 1461274, 2.345, -1.386)
            << "Търсене: 2,3 с, проверени 1\u00A0461\u00A0274 ключа, завършени опити: 7, оценка -1,39.";
        QTest::newRow("searching a short text")
            << shortText << "" << "searching" << result(true, 12345, 1.2, -2.1)
            << "Търсене: 1,2 с, проверени 12\u00A0345 ключа, завършени опити: 7, оценка -2,10.\n" + shortNote;
        QTest::newRow("stopping") << longText << "" << "stopping" << result(true, 5, 1, -0.9) << "Спиране…";
        QTest::newRow("finished, searches agreed")
            << longText << "" << "finished" << result(true, 1461274, 2.5, -0.823, analysis::StopReason::Confident,
                                                     analysis::Confidence::Agreed, 3)
            << "Търсенето приключи след 2,5 с и 1\u00A0461\u00A0274 проверени ключа: резултатът е сигурен, 3 независими търсения "
               "стигнаха до един и същ текст, оценка -0,82.";
        QTest::newRow("finished, settled")
            << longText << "" << "finished" << result(true, 900, 0.8, -0.7, analysis::StopReason::Confident,
                                                     analysis::Confidence::Settled, 1)
            << "Търсенето приключи след 0,8 с и 900 проверени ключа: резултатът е сигурен: текстът прилича на езика и никое търсене "
               "от този квадрат не намери по-добър, оценка -0,70.";
        QTest::newRow("finished, a key word's square far likelier than any other")
            << longText << "" << "finished"
            << result(true, 4823910, 1.04, -1.3152, analysis::StopReason::Confident, analysis::Confidence::KeyWord, 1)
            << "Търсенето приключи след 1,0 с и 4\u00A0823\u00A0910 проверени ключа: резултатът е сигурен: квадратът е от ключова "
               "дума, а текстът му прилича на езика и е много по-вероятен от всеки друг намерен, оценка -1,32.";
        QTest::newRow("finished at the time limit")
            << longText << "" << "finished" << result(true, 1000000, 30.02, -1.5)
            << "Търсенето приключи след 30,0 с и 1\u00A0000\u00A0000 проверени ключа: времето за търсене изтече, оценка -1,50.";
        QTest::newRow("finished, stopped by the user")
            << longText << "" << "finished" << result(true, 42, 0.3, -2.25, analysis::StopReason::Cancelled)
            << "Търсенето приключи след 0,3 с и 42 проверени ключа: спряно, оценка -2,25.";
        QTest::newRow("finished without a square")
            << longText << "" << "finished" << result(false, 42, 0.3, 0, analysis::StopReason::Cancelled)
            << "Търсенето приключи след 0,3 с и 42 проверени ключа: спряно. Не е намерен квадрат.";
        QTest::newRow("finished without a square that holds the known word")
            << shortText << "hide" << "finished" << result(false, 42, 30, 0)
            << "Търсенето приключи след 30,0 с и 42 проверени ключа: времето за търсене изтече. Не е намерен квадрат, при който "
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
        QTest::newRow("only Cyrillic letters, on the classic square") << "шифър" << "";
        QTest::newRow("an odd number of letters") << "ZZZ" << "";
        QTest::newRow("a pair of equal letters") << "BM ZZ OD" << "";
        QTest::newRow("a crib without letters") << "BM OD ZB XD" << "1944";
        QTest::newRow("a crib longer than the text") << "BM OD" << "attack";
        QTest::newRow("a crib that contradicts the text") << "BM OD" << "bmod";
    }

    void refusals()
    {
        QFETCH(QString, cipher);
        QFETCH(QString, crib);

        BreakSession session;
        // The classic square's refusals: Cyrillic letters alone would
        // otherwise be read on the Cyrillic square.
        session.setAlphabet(analysis::AlphabetKind::LatinIJ);
        session.setCiphertext(cipher);
        session.setCrib(crib);
        QVERIFY(!session.start());
        QCOMPARE(session.state(), State::Refused);
        QCOMPARE(session.run(), 0);

        const auto read = analysis::readCiphertext(cipher.toStdString());
        QString message;
        // A doubled pair's refusal also names the choice for messages that
        // kept their doubled letters.
        bool doubled = false;
        if (const auto *error = std::get_if<analysis::CiphertextError>(&read)) {
            message = sentenceOf(*error).text();
            doubled = error->kind == analysis::CiphertextError::Kind::DoubledPair;
        } else {
            const auto made = analysis::Crib::make(crib.toStdString(), std::nullopt,
                                                   std::get<analysis::Ciphertext>(read).letters);
            QVERIFY(std::holds_alternative<analysis::CribError>(made));
            message = sentenceOf(std::get<analysis::CribError>(made)).text();
        }
        QVERIFY2(session.status().startsWith(message), qPrintable(session.status()));
        QCOMPARE(session.status().contains(QStringLiteral("„удвоените букви са оставени“")), doubled);

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
        QCOMPARE(int(search->options.language.value_or(Language::English)), language);
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

    // On the other alphabets a known word binds the search too, read in the
    // alphabet's letters; one that cannot stand in the text is refused with
    // the solver's sentence, as on the classic square.
    void cribOnOtherAlphabets_data()
    {
        QTest::addColumn<int>("alphabet");
        QTest::addColumn<QString>("cipher");
        QTest::addColumn<QString>("crib");
        QTest::addColumn<QString>("letters"); // the crib handed to the search, or empty when refused

        QTest::newRow("without Q, J its own letter and Q dropped")
            << int(analysis::AlphabetKind::LatinQ) << "UEKSB UELMN UZBJP L" << "Jill quit" << "JILLUIT";
        QTest::newRow("6 x 6, digits kept") << int(analysis::AlphabetKind::LatinDigits) << "AB12 CD34" << "x9" << "X9";
        QTest::newRow("Cyrillic") << int(analysis::AlphabetKind::Cyrillic) << "УВЗДУ РИДЛА" << "дом" << "ДОМ";
        QTest::newRow("without Q, a crib of Q alone has no letters")
            << int(analysis::AlphabetKind::LatinQ) << "UEKSB UELMN UZBJP L" << "qq" << "";
        QTest::newRow("6 x 6, a crib that contradicts the text")
            << int(analysis::AlphabetKind::LatinDigits) << "AB12 CD34" << "ab12cd34" << "";
    }

    void cribOnOtherAlphabets()
    {
        QFETCH(int, alphabet);
        QFETCH(QString, cipher);
        QFETCH(QString, crib);
        QFETCH(QString, letters);

        const auto kind = analysis::AlphabetKind(alphabet);
        const analysis::SolverLetters &solverLetters = analysis::SolverLetters::of(kind);
        BreakSession session;
        session.setAlphabet(kind);
        session.setCiphertext(cipher);
        session.setCrib(crib);
        const std::optional<BreakSession::Search> search = session.start();
        if (letters.isEmpty()) {
            QVERIFY(!search);
            QCOMPARE(session.state(), State::Refused);
            const auto made = analysis::Crib::make(solverLetters.numbersOf(crib.toStdString()), std::nullopt,
                                                   solverLetters.numbersOf(cipher.toStdString()));
            QVERIFY(std::holds_alternative<analysis::CribError>(made));
            QVERIFY2(session.status().startsWith(sentenceOf(std::get<analysis::CribError>(made)).text()),
                     qPrintable(session.status()));
            return;
        }
        QVERIFY(search);
        QCOMPARE(search->alphabet, kind);
        const std::vector<std::uint8_t> &given = search->shapedOptions.crib;
        QCOMPARE(QString::fromStdString(solverLetters.text(given.data(), given.size())), letters);
        QVERIFY(!search->shapedOptions.cribPosition);
    }
};

QTEST_GUILESS_MAIN(TestBreakSession)
#include "tst_breaksession.moc"
