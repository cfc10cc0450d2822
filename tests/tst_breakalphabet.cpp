// The break window in every alphabet: the alphabet its session reads a text
// in (chosen in the box, or by the text's letters) and says, and a Cyrillic
// and a 6 x 6 ciphertext broken in the window, their squares shown rows x
// columns.

#include "breakwindowfixture.h"

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

} // namespace

class TestBreakAlphabet : public QObject, private BreakWindowFixture
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeTheWindow(); }

    void sessionReadsTheTextInItsAlphabet_data();
    void sessionReadsTheTextInItsAlphabet();
    void breaksInTheAlphabet_data();
    void breaksInTheAlphabet();
    void alphabetChosenInTheBox();
    void demonstrationInTheChosenAlphabet_data();
    void demonstrationInTheChosenAlphabet();
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

    QTest::newRow("Cyrillic on a key word") << AlphabetKind::Cyrillic << QStringLiteral("Родината ни е хубава")
                                            << std::optional(QStringLiteral("родина")) << 18 << QString();
    QTest::newRow("Cyrillic, Latin letters dropped")
        << AlphabetKind::Cyrillic << QStringLiteral("мир peace") << std::optional<QString>() << 4 << "PEACE";
    QTest::newRow("6 x 6 keeps digits") << AlphabetKind::LatinDigits << QStringLiteral("meet at 10")
                                        << std::optional(QStringLiteral("harbour")) << 8 << QString();
    QTest::newRow("without Q, a Q dropped")
        << AlphabetKind::LatinQ << QStringLiteral("quiet") << std::optional(QStringLiteral("forest")) << 4 << "Q";
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
}
