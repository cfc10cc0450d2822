#include "engine/characters.h"
#include "engine/practicetask.h"
#include "helpers.h"

#include <QRandomGenerator>
#include <QTest>

using namespace playfair;
using namespace playfair::testing;

Q_DECLARE_METATYPE(PairKind)

namespace {

const QList<PairKind> everyKind{PairKind::Rectangle, PairKind::SameRow, PairKind::SameRowWrapping,
                                PairKind::SameColumn, PairKind::SameColumnWrapping};

// Why a task is not a proper exercise, or an empty text if it is one.
QString faultOf(const PracticeTask &task)
{
    if (task.pairs.size() < 8 || task.pairs.size() > 12)
        return QStringLiteral("%1 pairs").arg(task.pairs.size());
    if (squareOf(encrypted(task.keyWord, QString())) != task.square)
        return QStringLiteral("the key word %1 does not build %2").arg(task.keyWord, task.square);
    for (const QString &pair : task.pairs) {
        if (pair.size() != 2 || pair[0] == pair[1] || !task.square.contains(pair[0]) || !task.square.contains(pair[1]))
            return QStringLiteral("the pair %1").arg(pair);
    }
    for (PairKind kind : everyKind) {
        if (!task.kinds().contains(kind))
            return QStringLiteral("no pair of kind %1 in %2").arg(int(kind)).arg(task.pairs.join(u' '));
    }
    return {};
}

} // namespace

class TestPracticeTask : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRandomTaskHasEveryKindOfPair()
    {
        for (quint32 seed = 1; seed <= 300; ++seed) {
            QRandomGenerator random(seed);
            const PracticeTask task = PracticeTask::random(random);
            QVERIFY2(PracticeTask::keyWords().contains(task.keyWord), qPrintable(task.keyWord));
            const QString fault = faultOf(task);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(fault)));
        }
    }

    void aSeedGivesItsTaskAgain()
    {
        QRandomGenerator first(7);
        QRandomGenerator second(7);
        QCOMPARE(PracticeTask::random(first), PracticeTask::random(second));

        QSet<QString> differentTasks;
        for (quint32 seed = 1; seed <= 10; ++seed) {
            QRandomGenerator random(seed);
            const PracticeTask task = PracticeTask::random(random);
            differentTasks << task.keyWord + task.pairs.join(QString());
        }
        QVERIFY(differentTasks.size() >= 8);
    }

    void everyKeyWordGivesEveryKindOfPair_data()
    {
        QTest::addColumn<QString>("keyWord");
        for (const QString &word : PracticeTask::keyWords())
            QTest::newRow(qPrintable(word)) << word;
    }

    void everyKeyWordGivesEveryKindOfPair()
    {
        QFETCH(QString, keyWord);
        for (quint32 seed = 1; seed <= 5; ++seed) {
            QRandomGenerator random(seed);
            const PracticeTask task = PracticeTask::forKeyWord(keyWord, random);
            QCOMPARE(task.keyWord, keyWord);
            QCOMPARE(faultOf(task), QString());
        }
    }

    void builtInMessagesCutIntoWholePairs_data()
    {
        QTest::addColumn<QString>("message");
        for (const QString &message : PracticeTask::messages())
            QTest::newRow(qPrintable(message)) << message;
    }

    void builtInMessagesCutIntoWholePairs()
    {
        QFETCH(QString, message);
        const QString letters = cleaned(upperCased(message));
        QVERIFY(letters.size() >= 16 && letters.size() <= 24);
        QCOMPARE(pairsWithCipher(groupsOf(letters)), groupsOf(letters));
        QCOMPARE(letters.size() % 2, 0);
    }

    void kinds_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<PairKind>("kind");
        QTest::addColumn<bool>("cipherWrapsDecrypting");

        // Key RODINA: RODIN / ABCEF / GHKLM / PQSTU / VWXYZ.
        QTest::newRow("rectangle") << "SE" << PairKind::Rectangle << false;
        QTest::newRow("same row") << "RO" << PairKind::SameRow << false;
        QTest::newRow("same row out of column 5") << "NR" << PairKind::SameRowWrapping << true;
        QTest::newRow("same column") << "RA" << PairKind::SameColumn << false;
        QTest::newRow("same column out of row 5") << "ZN" << PairKind::SameColumnWrapping << true;
        QTest::newRow("same column, the lower letter in row 5") << "NZ" << PairKind::SameColumnWrapping << true;
    }

    void kinds()
    {
        QFETCH(QString, pair);
        QFETCH(PairKind, kind);
        QFETCH(bool, cipherWrapsDecrypting);

        const Workspace ws = encrypted(QStringLiteral("RODINA"), pair);
        const PracticeTask task{QStringLiteral("RODINA"), squareOf(ws), {pair}};
        QCOMPARE(task.kinds(), QList<PairKind>{kind});

        // Decrypting the cipher pair crosses the edge back exactly when
        // encrypting the pair crossed it.
        const QString cipher = ws.List1[1].List(0);
        const auto at = [&](QChar letter) {
            const qsizetype cell = task.square.indexOf(letter);
            return SquarePosition{int(cell / 5), int(cell % 5)};
        };
        QCOMPARE(wrapsAround(at(cipher[0]), at(cipher[1]), -1), cipherWrapsDecrypting);
        QCOMPARE(kindOf(at(pair[0]), at(pair[0])), std::nullopt);
    }

    void theWorkspaceOfATaskIsTheEnginesWork()
    {
        const PracticeTask task{QStringLiteral("RODINA"), QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ"),
                                {QStringLiteral("SE"), QStringLiteral("NR"), QStringLiteral("ZN")}};
        const Workspace ws = task.workspace();
        QCOMPARE(itemsOf(ws.List1[0]), QStringLiteral("SE NR ZN"));
        QCOMPARE(itemsOf(ws.List1[1]), QStringLiteral("TC RO NF"));
        QCOMPARE(itemsOf(ws.List1[2]), QStringLiteral("SE NR ZN"));
    }

    void fromTheMainWindowsWorkspace_data()
    {
        QTest::addColumn<QString>("keyBox");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<QString>("keyWord");
        QTest::addColumn<QString>("square");
        QTest::addColumn<QStringList>("pairs"); // empty: drawn at random

        const QString rodina = QStringLiteral("RODINABCEFGHKLMPQSTUVWXYZ");
        const QString plain = QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
        QTest::newRow("after an Encrypt: the pairs with a cipher pair")
            << "" << "senrLLzNx" << false << "RODINA" << rodina << QStringList{"SE", "NR", "ZN"};
        QTest::newRow("the key box changed since: the shortest key word")
            << "PLAYFAIR" << "SENR" << false << "RODIN" << rodina << QStringList{"SE", "NR"};
        QTest::newRow("only a double: pairs drawn on its square") << "" << "LL" << false << "RODINA" << rodina
                                                                  << QStringList{};
        QTest::newRow("after Clear: the plain square, no key word") << "" << "SENR" << true << "" << plain
                                                                    << QStringList{};
    }

    void fromTheMainWindowsWorkspace()
    {
        QFETCH(QString, keyBox);
        QFETCH(QString, message);
        QFETCH(bool, clear);
        QFETCH(QString, keyWord);
        QFETCH(QString, square);
        QFETCH(QStringList, pairs);

        Workspace ws = encrypted(QStringLiteral("rodina"), message);
        if (!keyBox.isEmpty())
            ws.Text2[0] = keyBox;
        if (clear)
            ws.Command1_Click(1);
        QRandomGenerator random(3);
        const PracticeTask task = PracticeTask::fromWorkspace(ws, random);
        QCOMPARE(task.keyWord, keyWord);
        QCOMPARE(task.square, square);
        if (pairs.isEmpty())
            QCOMPARE(faultOf(task), QString());
        else
            QCOMPARE(task.pairs, pairs);
    }
};

QTEST_GUILESS_MAIN(TestPracticeTask)
#include "tst_practicetask.moc"
