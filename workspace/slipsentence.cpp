#include "slipsentence.h"

#include <QCoreApplication>

namespace playfair {

namespace {

// The translation context of the slips' sentences, which the exercise and
// the text check share.
class Slips
{
    Q_DECLARE_TR_FUNCTIONS(Slips)

public:
    static QString edge(PairRule rule, bool decrypting)
    {
        if (rule == PairRule::SameRow)
            return decrypting ? tr("Преди колона 1 идва колона 5 на същия ред.")
                              : tr("След колона 5 идва колона 1 на същия ред.");
        return decrypting ? tr("Преди ред 1 идва ред 5 на същата колона.") : tr("След ред 5 идва ред 1 на същата колона.");
    }

    // What the wrong letter of an answer with one right letter came from.
    static QString wrongLetter(const SlipFinding &f)
    {
        switch (f.letterSlip) {
        case Slip::Unchanged:
            return tr("Грешната буква е преписана от дадената двойка.");
        case Slip::Order:
            return tr("На мястото на грешната буква стои буквата, която заменя другата буква на двойката.");
        case Slip::Direction:
        case Slip::OtherDirection:
            return tr("Грешната буква е преместена в обратната посока.");
        case Slip::NoWrap:
            return tr("Грешната буква не е пренесена през ръба на квадрата.");
        case Slip::WrongRule:
            return tr("Грешната буква е намерена по друго правило, не по правилото на двойката.");
        case Slip::TwoSteps:
            return tr("Грешната буква е преместена с две клетки вместо с една.");
        case Slip::OtherSquare:
            return tr("Грешната буква е взета от друг квадрат, не от квадрата на задачата.");
        case Slip::OneLetter:
        case Slip::Unknown:
            break;
        }
        return {};
    }
};

} // namespace

QString slipSentence(const SlipFinding &f, const QString &given, const QString &answer, bool decrypting,
                     int alsoInPair)
{
    if (given.size() != 2 || answer.size() != 2)
        return {};
    const QString a = given.left(1);
    const QString b = given.mid(1, 1);
    const bool row = f.rule == PairRule::SameRow;
    switch (f.slip) {
    case Slip::Unchanged:
        return Slips::tr("Преписали сте дадената двойка %1 без промяна, а всяка буква трябва да се замени по "
                         "правилото на двойката.")
            .arg(given);
    case Slip::Order:
        if (f.rule == PairRule::Rectangle)
            return Slips::tr("Буквите %1 и %2 са верните, но в обратен ред: първа се пише буквата, която заменя %3, "
                             "а тя стои в реда на %3.")
                .arg(answer.left(1), answer.mid(1, 1), a);
        return Slips::tr("Буквите %1 и %2 са верните, но в обратен ред: първа се пише буквата, която заменя %3.")
            .arg(answer.left(1), answer.mid(1, 1), a);
    case Slip::Direction:
        if (row)
            return decrypting ? Slips::tr("%1 и %2 са в един ред, а сте ги преместили надясно: при декриптиране всяка "
                                          "буква се заменя със съседната вляво.")
                                    .arg(a, b)
                              : Slips::tr("%1 и %2 са в един ред, а сте ги преместили наляво: при криптиране всяка "
                                          "буква се заменя със съседната вдясно.")
                                    .arg(a, b);
        return decrypting ? Slips::tr("%1 и %2 са в една колона, а сте ги преместили надолу: при декриптиране всяка "
                                      "буква се заменя с буквата над нея.")
                                .arg(a, b)
                          : Slips::tr("%1 и %2 са в една колона, а сте ги преместили нагоре: при криптиране всяка "
                                      "буква се заменя с буквата под нея.")
                                .arg(a, b);
    case Slip::OtherDirection:
        if (alsoInPair > 0)
            return decrypting ? Slips::tr("Както и в двойка %1, сте криптирали вместо да декриптирате: при "
                                          "декриптиране редът мести буквите наляво, а колоната – нагоре.")
                                    .arg(alsoInPair)
                              : Slips::tr("Както и в двойка %1, сте декриптирали вместо да криптирате: при "
                                          "криптиране редът мести буквите надясно, а колоната – надолу.")
                                    .arg(alsoInPair);
        return decrypting ? Slips::tr("Целият текст е криптиран вместо декриптиран: при декриптиране редът мести "
                                      "буквите наляво, а колоната – нагоре.")
                          : Slips::tr("Целият текст е декриптиран вместо криптиран: при криптиране редът мести "
                                      "буквите надясно, а колоната – надолу.");
    case Slip::NoWrap: {
        const QString letter = f.edgeLetter == 1 ? b : a;
        QString first;
        if (f.stoppedAtEdge)
            first = Slips::tr("%1 е на ръба на квадрата и сте я оставили на мястото ѝ.").arg(letter);
        else if (row)
            first = Slips::tr("%1 е на края на реда и сте минали на съседния ред.").arg(letter);
        else
            first = Slips::tr("%1 е на края на колоната и сте минали в съседната колона.").arg(letter);
        return first + u' ' + Slips::edge(f.rule, decrypting);
    }
    case Slip::WrongRule:
        if (f.rule == PairRule::Rectangle)
            return (f.usedRule == PairRule::SameRow
                        ? Slips::tr("%1 и %2 са в различни редове и колони, а сте ги преместили по редовете им. В "
                                    "правоъгълник всяка буква се заменя с буквата от своя ред в колоната на другата.")
                        : Slips::tr("%1 и %2 са в различни редове и колони, а сте ги преместили по колоните им. В "
                                    "правоъгълник всяка буква се заменя с буквата от своя ред в колоната на другата."))
                .arg(a, b);
        if (f.usedRule == PairRule::Rectangle)
            return (row ? Slips::tr("%1 и %2 са в един ред, а сте ги разменили като в правоъгълник. В един ред всяка "
                                    "буква се заменя със съседната си в реда.")
                        : Slips::tr("%1 и %2 са в една колона, а сте ги разменили като в правоъгълник. В една колона "
                                    "всяка буква се заменя със съседната си в колоната."))
                .arg(a, b);
        return (row ? Slips::tr("%1 и %2 са в един ред, а сте ги преместили по колоните. В един ред буквите се местят "
                                "по реда.")
                    : Slips::tr("%1 и %2 са в една колона, а сте ги преместили по редовете. В една колона буквите се "
                                "местят по колоната."))
            .arg(a, b);
    case Slip::TwoSteps:
        return (row ? Slips::tr("%1 и %2 са в един ред и сте преместили всяка с две клетки, а се мести само с една.")
                    : Slips::tr("%1 и %2 са в една колона и сте преместили всяка с две клетки, а се мести само с една."))
            .arg(a, b);
    case Slip::OtherSquare:
        return f.otherSquare == 0 ? Slips::tr("Отговорът е от квадрата на азбуката по ред, без ключовата дума. "
                                              "Търсете буквите в квадрата на задачата.")
                                  : Slips::tr("Отговорът е от квадрата на друга ключова дума. Търсете буквите в "
                                              "квадрата на задачата.");
    case Slip::OneLetter: {
        const QString wrong = Slips::wrongLetter(f);
        return wrong.isEmpty() ? QString() : rightLetterSentence(f, answer) + u' ' + wrong;
    }
    case Slip::Unknown:
        break;
    }
    return {};
}

QString rightLetterSentence(const SlipFinding &f, const QString &answer)
{
    if (f.slip == Slip::OneLetter && answer.size() == 2)
        return f.rightLetter == 0 ? Slips::tr("Първата буква, %1, е вярна, втората не е.").arg(answer[0])
                                  : Slips::tr("Втората буква, %1, е вярна, първата не е.").arg(answer[1]);
    return Slips::tr("Нито една от двете букви не е вярна.");
}

QString preparationSentence(const PreparationNote &note, const QString &pair, const QString &textbook)
{
    const QString letter = note.letter ? QString(QChar(note.letter)) : QString();
    switch (note.slip) {
    case PreparationSlip::MissingFiller:
        return Slips::tr("В %1 двете букви са еднакви: между тях се пише X, а двойката е %2.").arg(pair, textbook);
    case PreparationSlip::NeedlessFiller:
        return Slips::tr("В %1 пълнителят %2 не е нужен: там буквите не са двойно, а двойката е %3.")
            .arg(pair, letter, textbook);
    case PreparationSlip::WrongFiller:
        return Slips::tr("В %1 пълнителят е %2, а по учебника е X (Q след X): двойката е %3.")
            .arg(pair, letter, textbook);
    case PreparationSlip::OddEndAlone:
        return Slips::tr("Последната буква %1 е останала сама: тя се допълва с X до двойка.").arg(letter);
    case PreparationSlip::JKept:
        return Slips::tr("Написано е J: в квадрата няма J и то се брои като I.");
    case PreparationSlip::MissingPair:
        return Slips::tr("За двойката %1 в отговора няма нищо.").arg(pair);
    case PreparationSlip::ExtraPair:
        return Slips::tr("Тези букви на отговора не отговарят на нито една двойка.");
    case PreparationSlip::FillerLeftOut:
        return Slips::tr("Пълнителят %1 е изпуснат при четенето, както е прието: това не е грешка.").arg(letter);
    }
    return {};
}

} // namespace playfair
