#include "analysis/statistics/corpus.h"
#include "analysis/statistics/letterstatistics.h"
#include "analysis/squarealignment.h"

#include <QFile>
#include <QTest>

using namespace playfair::analysis;

Q_DECLARE_METATYPE(playfair::analysis::Language)

namespace {

Square squareOf(const char *letters)
{
    Square square{};
    if (!squareFromText(letters, square))
        qFatal("not a square: %s", letters);
    return square;
}

std::vector<Letter> lettersOf(const std::string &text)
{
    std::vector<Letter> letters;
    for (char c : text)
        letters.push_back(Letter(letterNumber(c)));
    return letters;
}

const char *const truth = "PLAYFIREXMBCDGHKNOQSTUVWZ";

} // namespace

// How far a candidate square is from the key: its shift that best matches the
// true square, and where the statistics' scores stand.
class TestSearchProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alignment_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<QString>("marks"); // '#' for a cell in place, row by row

        const QString all(25, u'#');
        QTest::newRow("the true square") << truth << all;
        QTest::newRow("shifted 2 rows down and 3 columns right")
            << QString::fromStdString(squareToText(shiftedSquare(squareOf(truth), 2, 3))) << all;
        QTest::newRow("P and L swapped, then shifted")
            << QString::fromStdString(squareToText(shiftedSquare(squareOf("LPAYFIREXMBCDGHKNOQSTUVWZ"), 1, 4)))
            << ".." + all.left(23);
        QTest::newRow("the first two rows swapped") << "IREXMPLAYFBCDGHKNOQSTUVWZ" << "..........###############";
        QTest::newRow("the plain square") << "ABCDEFGHIKLMNOPQRSTUVWXYZ" << QString();
    }

    void alignment()
    {
        QFETCH(QString, candidate);
        QFETCH(QString, marks);

        const Square square = squareOf(candidate.toLatin1().constData());
        const Square right = squareOf(truth);
        const SquareAlignment aligned = alignedSquare(square, right);

        QString found;
        for (int cell = 0; cell < 25; ++cell) {
            QCOMPARE(aligned.inPlace[cell], aligned.square[cell] == right[cell]);
            found += aligned.inPlace[cell] ? u'#' : u'.';
        }
        if (!marks.isEmpty())
            QCOMPARE(found, marks);
        QCOMPARE(aligned.count, int(found.count(u'#')));
        // The shown square is one of the candidate's shifts, which decrypt alike.
        bool isShift = false;
        for (int shift = 0; shift < 25; ++shift)
            isShift = isShift || shiftedSquare(square, shift / 5, shift % 5) == aligned.square;
        QVERIFY(isShift);
    }

    // Letters at random score near the random level, a book near the
    // language level, for each language on its own statistics.
    void scoreLevels_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("book");

        QTest::newRow("English") << Language::English << "en_wells_time_machine.txt";
        QTest::newRow("Bulgarian") << Language::Bulgarian << "bg_karavelov_maminoto_detentse.txt";
    }

    void scoreLevels()
    {
        QFETCH(Language, language);
        QFETCH(QString, book);

        const LetterStatistics &statistics = LetterStatistics::of(language);
        QVERIFY2(statistics.typicalLog10() > statistics.randomLog10() + 1.5,
                 qPrintable(QString::number(statistics.typicalLog10())));

        QFile file(QStringLiteral(PLAYFAIR_HELDOUT_DIR "/") + book);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string text = cleanedCorpusText(file.readAll().toStdString(), language == Language::Bulgarian);
        const std::vector<Letter> letters = lettersOf(text.substr(5000, 2000));
        QCOMPARE_GE(statistics.meanLog10(letters.data(), letters.size()), statistics.typicalLog10() - 0.5);
        QCOMPARE_LE(statistics.meanLog10(letters.data(), letters.size()), statistics.typicalLog10() + 0.5);

        std::vector<Letter> noise(2000);
        std::uint32_t x = 1;
        for (Letter &letter : noise) {
            x = x * 1103515245u + 12345u;
            letter = Letter((x >> 16) % 25);
        }
        QCOMPARE_GE(statistics.meanLog10(noise.data(), noise.size()), statistics.randomLog10() - 0.5);
        QCOMPARE_LE(statistics.meanLog10(noise.data(), noise.size()), statistics.randomLog10() + 0.5);
    }
};

QTEST_GUILESS_MAIN(TestSearchProgress)
#include "tst_searchprogress.moc"
