#include "pairtooltip.h"

#include "engine/rowinsight.h"

#include <QCoreApplication>
#include <QStringList>

namespace playfair {

namespace {

// The translation context of the rule sentences, which the tooltips, the
// exercise window and the worksheets share.
class PairToolTip
{
    Q_DECLARE_TR_FUNCTIONS(PairToolTip)

public:
    //: The message list, as a tooltip names it.
    static QString messageList() { return tr("„Текст“ вляво"); }
    //: The cipher list, as a tooltip names it.
    static QString cipherList() { return tr("„Шифър“"); }
    //: The decrypted list, as a tooltip names it.
    static QString decryptedList() { return tr("„Текст“ вдясно"); }
};

QString rowAndColumn(SquarePosition p)
{
    return PairToolTip::tr("ред %1, колона %2").arg(p.row + 1).arg(p.column + 1);
}

QString at(QChar letter, SquarePosition p)
{
    return QStringLiteral("%1 (%2)").arg(letter, rowAndColumn(p));
}

// One letter's move under the rule: "S → T (ред 4, колона 4)"; decrypting,
// the cipher letter moves to the plain one.
QString move(const RowInsight &in, int i, bool decrypting)
{
    if (decrypting)
        return QStringLiteral("%1 → %2").arg(in.cipher[i], at(in.plain[i], in.plainPositions[i]));
    return QStringLiteral("%1 → %2").arg(in.plain[i], at(in.cipher[i], in.cipherPositions[i]));
}

// The rule without its ending: what it does to the letters being turned.
QString ruleHead(const RowInsight &in, bool decrypting)
{
    const QString &letters = decrypting ? in.cipher : in.plain;
    const QList<SquarePosition> &positions = decrypting ? in.cipherPositions : in.plainPositions;
    const SquarePosition a = positions[0];
    const SquarePosition b = positions[1];
    const bool wraps = wrapsAround(a, b, decrypting ? -1 : +1);
    switch (in.rule) {
    case PairRule::Rectangle:
        return PairToolTip::tr("Правоъгълник: %1 и %2 са в различни редове и колони. Всяка буква се заменя с "
                               "буквата от своя ред в колоната на другата")
            .arg(at(letters[0], a), at(letters[1], b));
    case PairRule::SameRow:
        if (decrypting && wraps)
            return PairToolTip::tr("Един и същ ред %1: всяка буква се заменя със съседната вляво, а преди колона 1 "
                                   "идва колона 5")
                .arg(a.row + 1);
        if (decrypting)
            return PairToolTip::tr("Един и същ ред %1: всяка буква се заменя със съседната вляво").arg(a.row + 1);
        if (wraps)
            return PairToolTip::tr("Един и същ ред %1: всяка буква се заменя със съседната вдясно, а след колона 5 "
                                   "идва колона 1")
                .arg(a.row + 1);
        return PairToolTip::tr("Един и същ ред %1: всяка буква се заменя със съседната вдясно").arg(a.row + 1);
    case PairRule::SameColumn:
        if (decrypting && wraps)
            return PairToolTip::tr("Една и съща колона %1: всяка буква се заменя с буквата над нея, а преди ред 1 "
                                   "идва ред 5")
                .arg(a.column + 1);
        if (decrypting)
            return PairToolTip::tr("Една и съща колона %1: всяка буква се заменя с буквата над нея").arg(a.column + 1);
        if (wraps)
            return PairToolTip::tr("Една и съща колона %1: всяка буква се заменя с буквата под нея, а след ред 5 "
                                   "идва ред 1")
                .arg(a.column + 1);
        return PairToolTip::tr("Една и съща колона %1: всяка буква се заменя с буквата под нея").arg(a.column + 1);
    case PairRule::SameCell:
        break;
    }
    return {};
}

QString noCipherText(const RowInsight &in)
{
    if (in.singleLetter)
        return PairToolTip::tr("%1 е последната буква на текста и остава сама, защото буквите са нечетен брой. "
                               "Една буква не е двойка, затова не дава шифър.")
            .arg(at(in.plain[0], in.plainPositions[0]));
    return PairToolTip::tr("В %1 двете букви са еднакви и стоят в една клетка (%2). Нито едно от трите правила не "
                           "важи, затова двойката не дава шифър, а двойките след нея в %3 и %4 се изместват с една "
                           "позиция нагоре.")
        .arg(in.plain, rowAndColumn(in.plainPositions[0]), PairToolTip::cipherList(), PairToolTip::decryptedList());
}

QString position(int row, const QString &list)
{
    //: A row of a list: "position 3 in “Cipher”".
    return PairToolTip::tr("позиция %1 в %2").arg(row + 1).arg(list);
}

QString belonging(const RowInsight &in)
{
    const QString shifted = in.messageRow >= 0 && in.messageRow != in.row
        ? QStringLiteral(" ") + PairToolTip::tr("Позициите се различават, защото по-горна двойка не дава шифър.")
        : QString();
    switch (in.list) {
    case 0:
        return in.cipherRow >= 0
            ? QStringLiteral("%1 → %2 (%3).").arg(in.plain, in.cipher, position(in.cipherRow, PairToolTip::cipherList()))
            : QStringLiteral("%1 → %2.").arg(in.plain, in.cipher);
    case 1:
        return PairToolTip::tr("%1 е шифърът на %2 (%3).%4")
            .arg(in.cipher, in.plain, position(in.messageRow, PairToolTip::messageList()), shifted);
    default:
        return PairToolTip::tr("%1 е декриптираният шифър %2 (%3), тоест двойката %1 от %4.%5")
            .arg(in.plain, in.cipher, position(in.cipherRow, PairToolTip::cipherList()),
                 position(in.messageRow, PairToolTip::messageList()), shifted);
    }
}

} // namespace

QString pairToolTip(const RowInsight &insight)
{
    if (insight.cipher.isEmpty())
        return noCipherText(insight);
    QStringList lines{belonging(insight), ruleSentence(insight, false, true)};
    if (insight.list == 2)
        lines << PairToolTip::tr("При декриптиране правилото се прилага обратно: наляво вместо надясно, нагоре "
                                 "вместо надолу.");
    lines << marksLegend();
    return lines.join(u'\n');
}

QString ruleSentence(const RowInsight &insight, bool decrypting, bool withMoves)
{
    if (insight.cipher.isEmpty())
        return {};
    QString sentence = ruleHead(insight, decrypting);
    if (withMoves)
        sentence += QStringLiteral(": ") + move(insight, 0, decrypting) + QStringLiteral(", ")
            + move(insight, 1, decrypting);
    return sentence + u'.';
}

QString marksLegend()
{
    return PairToolTip::tr("На квадрата буквите на текста са оградени с плътна линия, а буквите на шифъра – с "
                           "пунктир.");
}

QString earlierSquareToolTip()
{
    return PairToolTip::tr("Тази двойка е от предишното криптиране. Квадратът след това е изчистен, затова тя не се "
                           "отбелязва на него.");
}

} // namespace playfair
