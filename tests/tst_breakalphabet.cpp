// The break window in every alphabet: the alphabet its session reads a text
// in (chosen in the box, or by the text's letters) and says, and a Cyrillic
// and a 6 x 6 ciphertext broken in the window, their squares shown rows x
// columns.

#include "breakwindowfixture.h"

#include "ui/translations.h"
#include "workspace/breaksession.h"

#include <QComboBox>
#include <QFile>
#include <QRandomGenerator>

using namespace playfair;
using namespace playfair::testing;
using analysis::AlphabetKind;

Q_DECLARE_METATYPE(std::optional<playfair::analysis::AlphabetKind>)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

QString testData(const char *name)
{
    QFile file(QStringLiteral(PLAYFAIR_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", name);
    return QString::fromUtf8(file.readAll());
}

// A search's report of a square of any alphabet, row by row.
analysis::SolverResult found(const QString &square, const QString &plaintext)
{
    analysis::SolverResult result;
    result.found = true;
    result.squareText = square.toStdString();
    result.plaintext = plaintext.toStdString();
    return result;
}

} // namespace

class TestBreakAlphabet : public QObject, private BreakWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        closeTheWindow();
        showLanguage(UiLanguage::Bulgarian);
        // Every test opens the window on the automatic choice.
        storeBreakAlphabet(nullptr);
    }

    void sessionReadsTheTextInItsAlphabet_data();
    void sessionReadsTheTextInItsAlphabet();
    void breaksInTheAlphabet_data();
    void breaksInTheAlphabet();
    void alphabetChosenInTheBox();
    void alphabetKeptForTheNextWindow();
    void demonstrationInTheChosenAlphabet_data();
    void demonstrationInTheChosenAlphabet();
    void demonstrationTextsNameTheAlphabet_data();
    void demonstrationTextsNameTheAlphabet();
    void automaticChoiceTriesTheSquareWithoutQ_data();
    void automaticChoiceTriesTheSquareWithoutQ();
    void paddingSetAsideInTheAlphabet();
};

void TestBreakAlphabet::sessionReadsTheTextInItsAlphabet_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<AlphabetKind>>("chosen");
    QTest::addColumn<AlphabetKind>("alphabet");
    QTest::addColumn<QString>("cipherLetters");
    QTest::addColumn<QString>("note");
    QTest::newRow("Cyrillic, automatic") << QStringLiteral("увзду ридл") << std::optional<AlphabetKind>()
                                         << AlphabetKind::Cyrillic << QStringLiteral("УВЗДУРИДЛ").chopped(1)
                                         << QStringLiteral("кирилски букви");
    QTest::newRow("digits among letters, automatic") << QStringLiteral("LFL0L FRSQ") << std::optional<AlphabetKind>()
                                                     << AlphabetKind::LatinDigits << "LFL0LFRS" << "цифри";
    QTest::newRow("a J and no Q, automatic") << QStringLiteral("KPFD MJBG") << std::optional<AlphabetKind>()
                                             << AlphabetKind::LatinQ << "KPFDMJBG" << "има J и няма Q";
    QTest::newRow("the classic square, automatic") << QStringLiteral("LFLYL FEPQL") << std::optional<AlphabetKind>()
                                                   << AlphabetKind::LatinIJ << "LFLYLFEPQL" << QString();
    QTest::newRow("6 x 6 chosen") << QStringLiteral("AB12") << std::optional(AlphabetKind::LatinDigits)
                                  << AlphabetKind::LatinDigits << "AB12" << "както е избрана";
    QTest::newRow("the classic square chosen for Latin in a Cyrillic text")
        << QStringLiteral("АБ cd ef") << std::optional(AlphabetKind::LatinIJ) << AlphabetKind::LatinIJ << "CDEF"
        << QString();
}

void TestBreakAlphabet::sessionReadsTheTextInItsAlphabet()
{
    QFETCH(QString, text);
    QFETCH(std::optional<AlphabetKind>, chosen);
    QFETCH(AlphabetKind, alphabet);
    QFETCH(QString, cipherLetters);
    QFETCH(QString, note);
    BreakSession session;
    session.setAlphabet(chosen);
    session.setCiphertext(text);
    QCOMPARE(session.squareAlphabet(), alphabet);
    QCOMPARE(session.cipherLetters(), cipherLetters);
    if (note.isEmpty())
        QCOMPARE(session.alphabetNote(), QString());
    else
        QVERIFY2(session.alphabetNote().contains(note), qPrintable(session.alphabetNote()));
    QVERIFY(session.status().contains(session.alphabetNote()));
}

void TestBreakAlphabet::breaksInTheAlphabet_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("keyWord");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("Cyrillic, 5 x 6") << "ciphertext_cyrillic_rodina.txt" << 5 << 6 << QStringLiteral("РОДИНА")
                                    << QStringLiteral("РОДИНА");
    QTest::newRow("latin-digits, 6 x 6") << "ciphertext_digits_harbour.txt" << 6 << 6 << "HARBOUR" << "HARBOU";
}

void TestBreakAlphabet::breaksInTheAlphabet()
{
    QFETCH(QString, file);
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(QString, keyWord);
    QFETCH(QString, firstRow);
    openWindow();
    window->setSearchOptions(2, 7);
    typeInto(ciphertext(), testData(file.toUtf8().constData()).trimmed());
    QTest::mouseClick(startButton(), Qt::LeftButton);
    QVERIFY(waitForTheEnd(120000));
    QCOMPARE(square()->shape().rows, rows);
    QCOMPARE(square()->shape().columns, columns);
    QCOMPARE(square()->letters().left(columns), firstRow);
    QVERIFY2(control<QLabel>("foundKeyWord")->text().contains(keyWord), qPrintable(control<QLabel>("foundKeyWord")->text()));
    QVERIFY2(status().contains(QStringLiteral("избрана автоматично")), qPrintable(status()));
    QVERIFY(!plaintext()->toPlainText().isEmpty());
}

void TestBreakAlphabet::alphabetChosenInTheBox()
{
    openWindow();
    window->setSearchOptions(2, 7);
    auto *alphabet = control<QComboBox>("alphabet");
    QCOMPARE(alphabet->currentIndex(), 0); // automatic
    // Latin letters read in Cyrillic are no letters at all: the box's last
    // item, Cyrillic, on a Latin text refuses it.
    typeInto(ciphertext(), QStringLiteral("ABCD"));
    alphabet->setFocus();
    QTest::keyClick(alphabet, Qt::Key_End);
    QCOMPARE(alphabet->currentData().toInt(), int(AlphabetKind::Cyrillic));
    QVERIFY2(status().contains(QStringLiteral("кирилица, квадрат 5 × 6, както е избрана")), qPrintable(status()));
    QTest::mouseClick(startButton(), Qt::LeftButton);
    QVERIFY(startButton()->isEnabled());
    QVERIFY2(status().contains(QStringLiteral("няма двойка букви")), qPrintable(status()));
    QCOMPARE(square()->shape().columns, 6);
    // Back to automatic: the classic square.
    QTest::keyClick(alphabet, Qt::Key_Home);
    QCOMPARE(square()->shape().columns, 5);
}

// The alphabet chosen is kept beside the language and zoom: the next break
// window opens on it, and its demonstration is made in it; the main
// window's pairs still open on the classic square.
void TestBreakAlphabet::alphabetKeptForTheNextWindow()
{
    openWindow();
    auto *alphabet = control<QComboBox>("alphabet");
    alphabet->setFocus();
    QTest::keyClick(alphabet, Qt::Key_End);
    QCOMPARE(alphabet->currentData().toInt(), int(AlphabetKind::Cyrillic));
    closeTheWindow();

    openWindow();
    alphabet = control<QComboBox>("alphabet");
    QCOMPARE(alphabet->currentData().toInt(), int(AlphabetKind::Cyrillic));
    QCOMPARE(window->session().alphabet(), std::optional(AlphabetKind::Cyrillic));
    QCOMPARE(square()->shape().columns, 6);
    closeTheWindow();

    BreakInput fromMainWindow;
    fromMainWindow.ciphertext = QStringLiteral("BMODZBXDNABEKUDMUIXMMOUVIF");
    fromMainWindow.trueSquare = QStringLiteral("PLAYFIREXMBCDGHKNOQSTUVWZ");
    openWindow(fromMainWindow);
    QCOMPARE(control<QComboBox>("alphabet")->currentIndex(), 0); // automatic
    QCOMPARE(square()->shape().columns, 5);
    closeTheWindow();

    // Back to automatic, and kept so too.
    openWindow();
    alphabet = control<QComboBox>("alphabet");
    alphabet->setFocus();
    QTest::keyClick(alphabet, Qt::Key_Home);
    closeTheWindow();
    openWindow();
    QCOMPARE(control<QComboBox>("alphabet")->currentIndex(), 0);
}

QTEST_MAIN(TestBreakAlphabet)

#include "tst_breakalphabet.moc"

// A demonstration with an alphabet chosen is encrypted on that alphabet's
// square as the text stands (no transliteration), its letters all the
// alphabet's, and the letters it has no place for are named.
void TestBreakAlphabet::demonstrationInTheChosenAlphabet_data()
{
    QTest::addColumn<AlphabetKind>("alphabet");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("keyWord");
    QTest::addColumn<int>("letters"); // of the prepared message
    QTest::addColumn<QString>("dropped");
    // The shift of the demonstration's square the search is made to find:
    // rows down, columns right.
    QTest::addColumn<int>("down");
    QTest::addColumn<int>("right");

    QTest::newRow("Cyrillic on a key word") << AlphabetKind::Cyrillic << QStringLiteral("Родината ни е хубава")
                                            << std::optional(QStringLiteral("родина")) << 18 << QString() << 0 << 0;
    QTest::newRow("Cyrillic, Latin letters dropped")
        << AlphabetKind::Cyrillic << QStringLiteral("мир peace") << std::optional<QString>() << 4 << "PEACE" << 4
        << 5;
    QTest::newRow("6 x 6 keeps digits") << AlphabetKind::LatinDigits << QStringLiteral("meet at 10")
                                        << std::optional(QStringLiteral("harbour")) << 8 << QString() << 5 << 2;
    QTest::newRow("without Q, a Q dropped")
        << AlphabetKind::LatinQ << QStringLiteral("quiet") << std::optional(QStringLiteral("forest")) << 4 << "Q" << 1
        << 3;
}

void TestBreakAlphabet::demonstrationInTheChosenAlphabet()
{
    QFETCH(AlphabetKind, alphabet);
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, keyWord);
    QFETCH(int, letters);
    QFETCH(QString, dropped);
    BreakSession session;
    session.setAlphabet(alphabet);
    QRandomGenerator random(7);
    session.demonstrate(text, keyWord, random);
    QCOMPARE(session.squareAlphabet(), alphabet);
    const QString cipher = session.cipherLetters();
    QCOMPARE(cipher.size(), letters);
    const Alphabet &chosen = Alphabet::of(alphabet);
    for (const QChar c : cipher)
        QVERIFY2(chosen.contains(c.unicode()), qPrintable(cipher));
    if (!dropped.isEmpty())
        QVERIFY2(session.status().contains(dropped), qPrintable(session.status()));

    // The demonstration's key is known: a shift of its square found by the
    // search is laid over it, every cell marked as right.
    QFETCH(int, down);
    QFETCH(int, right);
    const QString key = session.knownSquare();
    const SquareShape shape = chosen.shape();
    QCOMPARE(key.size(), chosen.size());
    QVERIFY2(session.inPlaceNote().startsWith(QStringLiteral("Ключът е известен")), qPrintable(session.inPlaceNote()));
    session.setSearchOptions(1, 1);
    QVERIFY(session.start());
    const QString truePlain = session.truePlaintext();
    QVERIFY(!truePlain.isEmpty());
    QString shifted(key.size(), u' ');
    for (int cell = 0; cell < key.size(); ++cell) {
        const int row = (cell / shape.columns + down) % shape.rows;
        const int column = (cell % shape.columns + right) % shape.columns;
        shifted[row * shape.columns + column] = key[cell];
    }
    QVERIFY(session.reportArrived(session.run(), found(shifted, truePlain)));
    QCOMPARE(session.squareLetters(), key);
    QList<int> everyCell;
    for (int cell = 0; cell < key.size(); ++cell)
        everyCell << cell;
    QCOMPARE(session.rightCells(), everyCell);
    QCOMPARE(session.inPlaceNote(), QStringLiteral("На мястото си: %1 от %1 букви.\nВерен текст: 100 % от буквите.")
                                        .arg(key.size()));

    // Two letters swapped: those two cells are not the key's.
    std::swap(shifted[0], shifted[1]);
    QVERIFY(session.reportArrived(session.run(), found(shifted, truePlain)));
    QCOMPARE(session.rightCells().size(), key.size() - 2);
    QVERIFY2(session.inPlaceNote().startsWith(QStringLiteral("На мястото си: %1 от %2 букви.").arg(key.size() - 2).arg(key.size())),
             qPrintable(session.inPlaceNote()));
}

// Every text of the demonstration speaks of the alphabet chosen in the box:
// its name, its own fillers and what its cleaning does, in both languages;
// none of the classic square's X, Q and J as I is left on another one.
void TestBreakAlphabet::demonstrationTextsNameTheAlphabet_data()
{
    QTest::addColumn<int>("boxItem"); // 0 automatic, then the alphabets in order
    QTest::addColumn<UiLanguage>("language");
    QTest::addColumn<QStringList>("preparation"); // all in the explanation
    QTest::addColumn<QStringList>("notThere");    // none in any of the texts
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("doubles");

    QTest::newRow("automatic: the classic square")
        << 0 << UiLanguage::Bulgarian << QStringList{"J като I (5 × 5)", "J става I", "вмъква X (Q, ако буквата е X)"}
        << QStringList{"Ь"} << "кирилицата се пише с латински букви" << "не се разделя с X";
    QTest::newRow("latin-q")
        << 2 << UiLanguage::Bulgarian << QStringList{"без Q", "Q отпада", "J остава", "вмъква X (Z, ако буквата е X)"}
        << QStringList{"J като I", "(Q, ако", "кирилица"} << "Q отпада" << "не се разделя с X";
    QTest::newRow("latin-digits")
        << 3 << UiLanguage::Bulgarian << QStringList{"6 × 6", "цифрите остават", "J остава"}
        << QStringList{"J като I", "кирилица"} << "цифрите остават" << "не се разделя с X";
    QTest::newRow("cyrillic")
        << 4 << UiLanguage::Bulgarian
        << QStringList{"Кирилица (5 × 6)", "латинските букви отпадат", "вмъква Ь (Ю, ако буквата е Ь)",
                       "накрая Ь изравнява"}
        << QStringList{"X", "J като I", "латински букви…"} << "с кирилица" << "не се разделя с Ь";
    QTest::newRow("cyrillic in English")
        << 4 << UiLanguage::English
        << QStringList{"Cyrillic (5 × 6)", "Latin letters are dropped", "Ь goes between", "Ю if the letter is Ь"}
        << QStringList{"X", "J as I"} << "Bulgarian in Cyrillic" << "not split with Ь";
    QTest::newRow("latin-q in English")
        << 2 << UiLanguage::English << QStringList{"without Q", "every Q is dropped", "J stays", "(a Z if the letter is X)"}
        << QStringList{"J as I", "(a Q if"} << "Q is dropped" << "not split with X";
}

void TestBreakAlphabet::demonstrationTextsNameTheAlphabet()
{
    QFETCH(int, boxItem);
    QFETCH(UiLanguage, language);
    QFETCH(QStringList, preparation);
    QFETCH(QStringList, notThere);
    QFETCH(QString, prompt);
    QFETCH(QString, doubles);
    showLanguage(language);
    openWindow();
    auto *alphabet = control<QComboBox>("alphabet");
    alphabet->setFocus();
    QTest::keyClick(alphabet, Qt::Key_Home);
    for (int i = 0; i < boxItem; ++i)
        QTest::keyClick(alphabet, Qt::Key_Down);
    QCOMPARE(alphabet->currentIndex(), boxItem);
    const QString explanation = control<QLabel>("preparation")->text();
    const QString placeholder = control<QPlainTextEdit>("demoText")->placeholderText();
    const QString tip = control<QWidget>("demoDoublesKept")->toolTip();
    showLanguage(UiLanguage::Bulgarian);
    for (const QString &part : preparation)
        QVERIFY2(explanation.contains(part), qPrintable(part + u'\n' + explanation));
    for (const QString &part : notThere) {
        for (const QString &text : {explanation, placeholder, tip})
            QVERIFY2(!text.contains(part), qPrintable(part + u'\n' + text));
    }
    QVERIFY2(placeholder.contains(prompt), qPrintable(placeholder));
    QVERIFY2(tip.contains(doubles), qPrintable(tip));
}

namespace {

analysis::SolverResult searchResult(const char *plaintext, const char *square, analysis::StopReason stopped)
{
    analysis::SolverResult result;
    result.found = true;
    result.plaintext = plaintext;
    result.squareText = square;
    result.stopped = stopped;
    result.confidence = stopped == analysis::StopReason::Confident ? analysis::Confidence::Agreed
                                                                   : analysis::Confidence::None;
    return result;
}

} // namespace

// The window's automatic choice settles a text of neither J nor Q as
// playfair-break does (analysis::triesSquareWithoutQ and settle): when the
// classic square's search finds no plaintext that reads, the square without
// Q is searched next, and its result stands only if its plaintext reads;
// the status says which alphabet was taken and why. Here the searches'
// outcomes are given, so that each way the choice goes is checked.
void TestBreakAlphabet::automaticChoiceTriesTheSquareWithoutQ_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<AlphabetKind>>("chosen");
    QTest::addColumn<QString>("crib");
    QTest::addColumn<bool>("classicReads");
    QTest::addColumn<bool>("triesWithoutQ");
    QTest::addColumn<bool>("withoutQReads");
    QTest::addColumn<bool>("stopped"); // the try of the square without Q, by the user
    QTest::addColumn<AlphabetKind>("shown");
    QTest::addColumn<QString>("note");
    const QString text = QStringLiteral("KPFDM LBGKR SOTUV WXYZA BCDEF");
    const std::optional<AlphabetKind> automatic;
    QTest::newRow("the classic square reads: kept, nothing more")
        << text << automatic << QString() << true << false << false << false << AlphabetKind::LatinIJ << QString();
    QTest::newRow("only the square without Q reads: it is taken")
        << text << automatic << QString() << false << true << true << false << AlphabetKind::LatinQ
        << "само квадратът без Q даде текст, който се чете";
    QTest::newRow("neither reads: the classic square's best comes back")
        << text << automatic << QString() << false << true << false << false << AlphabetKind::LatinIJ
        << "показан е най-добрият текст от класическия квадрат";
    QTest::newRow("the try stopped: the classic square's best, nothing settled")
        << text << automatic << QString() << false << true << false << true << AlphabetKind::LatinIJ << QString();
    QTest::newRow("a Q in the text: no square without Q gives it")
        << QStringLiteral("KPFDM LBGKR SOTUV WXYZA BCDQF") << automatic << QString() << false << false << false << false
        << AlphabetKind::LatinIJ << QString();
    QTest::newRow("a known word ties the text to the classic square")
        << text << automatic << "THE" << false << false << false << false << AlphabetKind::LatinIJ << QString();
    QTest::newRow("the classic square chosen in the box")
        << text << std::optional(AlphabetKind::LatinIJ) << QString() << false << false << false << false
        << AlphabetKind::LatinIJ << QString();
}

void TestBreakAlphabet::automaticChoiceTriesTheSquareWithoutQ()
{
    QFETCH(QString, text);
    QFETCH(std::optional<AlphabetKind>, chosen);
    QFETCH(QString, crib);
    QFETCH(bool, classicReads);
    QFETCH(bool, triesWithoutQ);
    QFETCH(bool, withoutQReads);
    QFETCH(bool, stopped);
    QFETCH(AlphabetKind, shown);
    QFETCH(QString, note);
    using analysis::StopReason;
    BreakSession session;
    session.setAlphabet(chosen);
    session.setCiphertext(text);
    session.setCrib(crib);
    const std::optional<BreakSession::Search> classic = session.start();
    QVERIFY(classic);
    QCOMPARE(classic->alphabet, AlphabetKind::LatinIJ);
    const char *classicPlain = "CLASSICPLAINTEXTISHERETHEN";
    QVERIFY(session.searchFinished(classic->run, searchResult(classicPlain, "ABCDEFGHIKLMNOPQRSTUVWXYZ",
                                                              classicReads ? StopReason::Confident : StopReason::TimeLimit)));
    const std::optional<BreakSession::Search> next = session.followingSearch();
    QCOMPARE(next.has_value(), triesWithoutQ);
    QVERIFY(!session.followingSearch()); // asked for once
    if (next) {
        QCOMPARE(next->alphabet, AlphabetKind::LatinQ);
        QCOMPARE(next->shapedOptions.alphabet, AlphabetKind::LatinQ);
        QVERIFY(session.isSearching());
        QVERIFY2(session.status().contains(QStringLiteral("сега се търси с квадрата без Q")), qPrintable(session.status()));
        // A late word from the classic square's run changes nothing.
        QVERIFY(!session.searchFinished(classic->run, searchResult("LATE", "ABCDEFGHIKLMNOPQRSTUVWXYZ", StopReason::Confident)));
        if (stopped)
            QVERIFY(session.stop());
        const StopReason end = stopped ? StopReason::Cancelled : withoutQReads ? StopReason::Confident : StopReason::TimeLimit;
        QVERIFY(session.searchFinished(next->run, searchResult("WITHOUTQPLAINTEXTREADSHERE", "ABCDEFGHIJKLMNOPRSTUVWXYZ", end)));
        QVERIFY(!session.followingSearch());
    }
    QCOMPARE(session.state(), BreakSession::State::Finished);
    QCOMPARE(session.squareAlphabet(), shown);
    QCOMPARE(session.foundPlaintext(), QString::fromLatin1(shown == AlphabetKind::LatinQ ? "WITHOUTQPLAINTEXTREADSHERE"
                                                                                         : classicPlain));
    if (note.isEmpty())
        QCOMPARE(session.alphabetNote(), QString());
    else
        QVERIFY2(session.alphabetNote().contains(note), qPrintable(session.alphabetNote()));
}

// Padding after the last pair on another alphabet's square is set aside as
// on the classic one, said in the status line and left out of the paired
// text: here a run of one letter on a Cyrillic square, then the nulls the
// search reads as padding.
void TestBreakAlphabet::paddingSetAsideInTheAlphabet()
{
    openWindow();
    window->setSearchOptions(2, 7);
    const QString cipher = testData("ciphertext_cyrillic_rodina.txt").simplified().remove(u' ');
    typeInto(ciphertext(), cipher + QStringLiteral(" ЖЖЖ"));
    QVERIFY2(status().contains(QStringLiteral("ЖЖЖ")), qPrintable(status()));
    QCOMPARE(window->session().cipherLetters(), cipher);
    typeInto(ciphertext(), cipher + QStringLiteral("ЬЮ"));
    QTest::mouseClick(startButton(), Qt::LeftButton);
    QVERIFY(waitForTheEnd(120000));
    QVERIFY2(status().contains(QStringLiteral("ЬЮ")) && status().contains(QStringLiteral("се чете много по-добре")),
             qPrintable(status()));
    QCOMPARE(window->session().cipherLetters(), cipher);
    QVERIFY2(window->session().foundPlaintext().endsWith(QStringLiteral("ПЛАНИНАТАЬ")),
             qPrintable(window->session().foundPlaintext()));
}
