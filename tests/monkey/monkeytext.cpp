#include "monkeytext.h"

#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <QTest>

#include <algorithm>

namespace playfair::testing {

namespace {

const QStringList &fragments()
{
    static const QStringList list{
        QStringLiteral("playfair"), QStringLiteral("EXAMPLE"), QStringLiteral("Jojo 123"), QStringLiteral("ıſßﬁ"),
        QStringLiteral("\U0001F600"), QStringLiteral("\U0001F44D\U0001F3FD"), QStringLiteral("e\u0301a\u0308"),
        QStringLiteral("שלום"), QStringLiteral("مرحبا"), QStringLiteral("\u200F\u202E"), QStringLiteral("Родина"),
        QStringLiteral("[\\]^_`"), QStringLiteral(" ,.!?\t"), QStringLiteral("ZZ"), QStringLiteral("LLSE")};
    return list;
}

} // namespace

QString randomText(QRandomGenerator &random, int maxPieces)
{
    QString text;
    const int pieces = random.bounded(maxPieces + 1);
    for (int i = 0; i < pieces; ++i) {
        if (random.bounded(3) == 0)
            text += fragments()[random.bounded(int(fragments().size()))];
        else
            text += QChar(char16_t(random.bounded(3) == 0 ? 0x20 + random.bounded(0x2FE0) : 'A' + random.bounded(58)));
    }
    return text;
}

QString randomPairs(QRandomGenerator &random, int count)
{
    const bool lower = random.bounded(4) == 0;
    QString letters;
    while (letters.size() < count) {
        const QChar first(u'A' + random.bounded(26));
        const QChar second(u'A' + random.bounded(26));
        const auto same = [](QChar a, QChar b) { return a == b || (a == u'I' && b == u'J') || (a == u'J' && b == u'I'); };
        if (!same(first, second))
            letters += QString(first) + second;
    }
    letters.truncate(count - count % 2);
    return lower ? letters.toLower() : letters;
}

void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units), Qt::NoModifier);
        i += units - 1;
    }
}

void pasteText(QWidget *widget, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

void eraseText(QWidget *widget)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
}

void activate(QWidget *window)
{
    if (QApplication::activeWindow() != window)
        QApplication::setActiveWindow(window);
}

QString shortened(const QString &text)
{
    QString shown = text.size() > 40 ? text.left(40) + QStringLiteral("…(%1 chars)").arg(text.size()) : text;
    return shown.replace(u'\n', QStringLiteral("\\n")).replace(u'\t', QStringLiteral("\\t"));
}

QString latinLetters(const QString &text)
{
    QString letters;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z'))
            letters += c.toUpper() == u'J' ? QChar(u'I') : c.toUpper();
    }
    return letters;
}

bool isSquare(const QString &square)
{
    QString sorted = square;
    std::sort(sorted.begin(), sorted.end());
    return sorted == QStringLiteral("ABCDEFGHIKLMNOPQRSTUVWXYZ");
}

bool isKeyedSquare(const QString &square, const QString &keyLetters)
{
    if (!isSquare(square))
        return false;
    qsizetype key = 0; // where the letters after the key word's begin
    for (QChar c : keyLetters) {
        if (square.indexOf(c) >= key) {
            if (square[key] != c)
                return false;
            ++key;
        }
    }
    return std::is_sorted(square.begin() + key, square.end());
}

namespace {

QString inGroups(const QString &letters)
{
    QString text;
    for (qsizetype i = 0; i < letters.size(); i += 5)
        text += letters.mid(i, 5) + (i % 50 == 45 ? u'\n' : u' ');
    return text;
}

} // namespace

QString randomCiphertext(QRandomGenerator &random)
{
    const QString good = randomPairs(random, 2 * (2 + random.bounded(100)));
    switch (random.bounded(9)) {
    case 0: case 1: return good;
    case 2: return inGroups(good);
    case 3: return good + QChar(u'a' + random.bounded(26));
    case 4: {
        static const QStringList doubled{QStringLiteral("QQ"), QStringLiteral("IJ"), QStringLiteral("jj"),
                                         QStringLiteral("x x")};
        const qsizetype at = 2 * random.bounded(int(good.size() / 2 + 1));
        return good.left(at) + doubled[random.bounded(int(doubled.size()))] + good.mid(at);
    }
    case 5: return random.bounded(2) == 0 ? QString() : QStringLiteral(" \n\t 12 34 !? ");
    case 6: return randomPairs(random, 4000 + 2 * random.bounded(4000));
    default: return randomText(random, 40);
    }
}

} // namespace playfair::testing
