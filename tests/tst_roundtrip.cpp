#include "engine/characters.h"
#include "helpers.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace playfair;
using namespace playfair::testing;

namespace {

// Characters a pupil might type: Latin letters of both cases (J and j among
// them), digits, blanks, punctuation, Cyrillic and a letter beyond the BMP.
const QString keyboard = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                        "0123456789 ,.!?-_[]\tАБВгдеЖзиıſßﬁé\U0001F600");

QString randomText(QRandomGenerator &random, int maxLength)
{
    const int length = random.bounded(maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
        const qsizetype at = random.bounded(int(keyboard.size()));
        // Never pick half of the emoji's surrogate pair.
        text += keyboard[at].isSurrogate() ? QStringLiteral("\U0001F600") : QString(keyboard[at]);
    }
    return text;
}

} // namespace

class TestRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomKeysAndMessagesComeBack()
    {
        const quint32 seed = 20261208;
        QRandomGenerator random(seed);
        for (int run = 0; run < 2000; ++run) {
            const QString key = randomText(random, 60);
            const QString message = randomText(random, 40);
            const QString context = QStringLiteral("seed %1, run %2, key \"%3\", message \"%4\"")
                                        .arg(seed)
                                        .arg(run)
                                        .arg(key, message);
            const QByteArray why = context.toUtf8();
            const Workspace ws = encrypted(key, message);

            const QString clean = cleaned(upperCased(message));
            QVERIFY2(ws.Text2[1] == clean, why);
            QVERIFY2(ws.Text2[0] == cleaned(upperCased(key)), why);

            QString square = squareOf(ws);
            std::sort(square.begin(), square.end());
            QVERIFY2(square == QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ"), why);

            const QStringList groups = groupsOf(clean);
            QVERIFY2(ws.List1[0].items() == groups, why);

            const QStringList expected = pairsWithCipher(groups);
            QVERIFY2(ws.List1[2].items() == expected, why);
            QVERIFY2(ws.List1[1].ListCount() == expected.size(), why);
            for (const QString &pair : ws.List1[1].items())
                QVERIFY2(pair.size() == 2 && pair[0] != pair[1], why);
            QVERIFY2(ws.List1[3].ListCount() == 0, why);
        }
    }
};

QTEST_GUILESS_MAIN(TestRoundTrip)
#include "tst_roundtrip.moc"
