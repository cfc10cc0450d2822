// A by-hand board kept in a file and the lesson's texts: a board saved and
// opened again is the same, a damaged or foreign file changes nothing and
// says why, and every step of the lesson has its text in both languages.

#include "byhandhelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace playfair;
using namespace playfair::testing;

class TestByHandBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lessonTexts_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::newRow("Bulgarian") << UiLanguage::Bulgarian;
        QTest::newRow("English") << UiLanguage::English;
    }

    // Every step has its title and its text in both languages.
    void lessonTexts()
    {
        QFETCH(UiLanguage, language);
        const QList<LessonText> texts = Lesson::texts(language);
        const QString file = QString::fromUtf8([&] {
            QFile f(QStringLiteral(":/playfair/lesson.%1.txt").arg(languageCode(language)));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }());
        QCOMPARE(Lesson::parse(file).size(), lesson().stepCount());
        for (const LessonText &text : texts) {
            QVERIFY(!text.title.isEmpty());
            QVERIFY(text.body.size() > 100);
            QVERIFY(!text.body.contains(QStringLiteral("\n\n\n")));
        }
    }

    // A board saved and opened again is the same board, with its language
    // and the lesson's step; saving where no file can be written says so.
    void saveAndOpen()
    {
        QTemporaryDir folder;
        ByHandSession session = lessonSession(QStringLiteral("g1=TH w4=TREASURE c3=T"));
        session.goToStep(5);
        const QString path = folder.filePath(QStringLiteral("дъска.txt"));
        QCOMPARE(session.save(path), QString());
        ByHandSession opened;
        QCOMPARE(opened.open(path), QString());
        QCOMPARE(opened.board(), session.board());
        QCOMPARE(opened.lessonStep(), 5);
        QCOMPARE(opened.language(), session.language());
        QCOMPARE(opened.plaintextPairs(), session.plaintextPairs());
        QCOMPARE(opened.squareLetters(), session.squareLetters());

        const QString nowhere = folder.filePath(QStringLiteral("няма/дъска.txt"));
        QVERIFY(session.save(nowhere).contains(QStringLiteral("не е запазена")));
        QVERIFY(!QFile::exists(nowhere));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("дъска.txt")});
    }

    // A damaged or foreign file changes nothing and says why.
    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        const QByteArray head = "playfair-by-hand 1\nlanguage en\nciphertext " + lesson().ciphertext().toLatin1() + '\n';
        QTest::newRow("another program's file") << QByteArray("LTAHQAOEAN\n") << "не е дъска";
        QTest::newRow("an empty file") << QByteArray() << "не е дъска";
        QTest::newRow("a guess past the last pair") << head + "guess 49 TH\n" << "повреден на ред 4";
        QTest::newRow("a guess of three letters") << head + "guess 1 THE\n" << "повреден на ред 4";
        QTest::newRow("a letter in two cells") << head + "cell 1 T\ncell 2 T\n" << "повреден на ред 5";
        QTest::newRow("a line the format has not") << head + "colour red\n" << "повреден на ред 4";
        QTest::newRow("an odd ciphertext") << QByteArray("playfair-by-hand 1\nciphertext ABC\n") << "повреден на ред 2";
        QTest::newRow("no ciphertext") << QByteArray("playfair-by-hand 1\nlanguage en\n") << "повреден";
        QTest::newRow("a lesson step past the last") << head + "lesson 12\n" << "повреден на ред 4";
        QTest::newRow("guesses that contradict") << head + "guess 1 TH\nguess 13 HE\n" << "си противоречат";
        QTest::newRow("a lesson on another ciphertext")
            << QByteArray("playfair-by-hand 1\nciphertext ABCD\nlesson 2\n") << "урокът е за друг";
        QTest::newRow("too large") << head + QByteArray(ByHandFile::largest, '#') << "твърде голям";
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("board.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        ByHandSession session = lessonSession(QStringLiteral("g1=TH"));
        const ByHandBoard board = session.board();
        const QString notes = session.notes();
        const QString said = session.open(path);
        QVERIFY2(said.contains(message), qPrintable(said));
        QVERIFY(said.contains(QStringLiteral("board.txt")));
        QCOMPARE(session.board(), board);
        QCOMPARE(session.notes(), notes);
        QCOMPARE(session.lessonStep(), 0);
        QVERIFY(!session.canRedo());
    }

};

QTEST_GUILESS_MAIN(TestByHandBoard)
#include "tst_byhandboard.moc"
