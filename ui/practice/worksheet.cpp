#include "worksheet.h"

#include "ui/shared/alphabetnames.h"
#include "ui/shared/pairtooltip.h"

namespace playfair {

Worksheet Worksheet::forTask(const PracticeTask &task, PracticeDirection direction, bool squareShown)
{
    const PracticeSession session(task, direction);
    const bool decrypting = session.decrypting();

    Worksheet sheet;
    sheet.keyWord = task.keyWord;
    sheet.square = task.square;
    const Alphabet &alphabet = task.alphabetOf();
    sheet.shape = alphabet.shape();
    sheet.alphabetLine = AlphabetNames::line(alphabet);
    sheet.squareShown = squareShown || task.keyWord.isEmpty();
    sheet.title = decrypting ? tr("Декриптиране с шифъра Playfair") : tr("Криптиране с шифъра Playfair");
    sheet.pupilLine = tr("Име: ______________________________    Клас: __________    Дата: ______________");
    if (!task.keyWord.isEmpty())
        sheet.keyWordLine = tr("Ключова дума: %1").arg(task.keyWord);
    //: The heading of the plain pairs.
    const QString text = tr("Текст");
    //: The heading of the cipher pairs.
    const QString cipher = tr("Шифър");
    sheet.givenHeading = decrypting ? cipher : text;
    sheet.answerHeading = decrypting ? text : cipher;
    sheet.keyTitle = tr("Отговори");
    //: %1 is the title of the worksheet.
    sheet.keyLine = task.keyWord.isEmpty() ? tr("Без ключова дума: квадратът е азбуката по ред. · %1").arg(sheet.title)
                                           : QStringLiteral("%1 · %2").arg(sheet.keyWordLine, sheet.title);
    if (alphabet != Alphabet::classic())
        sheet.keyLine += QStringLiteral(" · ") + sheet.alphabetLine;
    sheet.keyContinued = tr("%1 (продължение)").arg(sheet.keyTitle);

    const QString work = decrypting
        ? tr("Декриптирайте всяка двойка букви и запишете двете букви на текста в празните квадратчета до нея.")
        : tr("Криптирайте всяка двойка букви и запишете двете букви на шифъра в празните квадратчета до нея.");
    const QString build = alphabet == Alphabet::classic()
        ? tr("Постройте квадрата на Polybius от ключовата дума %1 в празната мрежа: първо буквите на ключовата дума "
             "без повторенията, после останалите букви на азбуката по ред, без J (J се пише като I).")
              .arg(task.keyWord)
        //: %2 is the alphabet's name, as "Cyrillic, 30 letters (5 × 6)".
        : tr("Постройте квадрата от ключовата дума %1 в празната мрежа: първо буквите на ключовата дума без "
             "повторенията, после останалите букви на азбуката (%2) по ред.")
              .arg(task.keyWord, AlphabetNames::name(alphabet));
    sheet.instruction = sheet.squareShown ? tr("Използвайте квадрата на Polybius по-долу.") + u' ' + work
                                          : build + u' ' + work;

    const QList<PairKind> kinds = task.kinds();
    for (int pair = 0; pair < session.pairCount(); ++pair) {
        const RowInsight insight = session.insight(pair);
        sheet.given << session.given(pair);
        sheet.answers << session.expected(pair);
        sheet.rules << ruleSentence(insight, decrypting, true);
        sheet.ruleNames << ruleName(kinds.value(pair), insight.plainPositions.value(0));
    }
    return sheet;
}

QString Worksheet::ruleName(PairKind kind, SquarePosition first)
{
    switch (kind) {
    case PairKind::Rectangle:
        return tr("правоъгълник");
    case PairKind::SameRow:
        return tr("ред %1").arg(first.row + 1);
    case PairKind::SameRowWrapping:
        //: The row rule where a letter goes round the edge of the square.
        return tr("ред %1, през края").arg(first.row + 1);
    case PairKind::SameColumn:
        return tr("колона %1").arg(first.column + 1);
    case PairKind::SameColumnWrapping:
        //: The column rule where a letter goes round the edge of the square.
        return tr("колона %1, през края").arg(first.column + 1);
    }
    return {};
}

QString ClassSetPrint::headingOf(const ClassSetVariant &variant)
{
    return variant.name.isEmpty() ? tr("Вариант %1").arg(variant.number) : variant.name;
}

ClassSetPrint ClassSetPrint::forSet(const ClassSet &set)
{
    const ClassSetChoices &choices = set.choices();
    const int count = int(set.variants().size());
    ClassSetPrint print;
    print.title = tr("Комплект %1 - шифър Playfair").arg(choices.setNumber);
    print.keyTitle = tr("Отговори на комплект %1").arg(choices.setNumber);
    const QString sheets = choices.squareShown ? tr("квадратът е даден") : tr("дадена е само ключовата дума");
    //: %1 the pairs on the sheet, %2 the kind of sheet.
    print.keyLine = count == 1 ? tr("Един вариант · %1 двойки · %2").arg(choices.pairs).arg(sheets)
                               //: %1 variants, %2 pairs each, %3 the kind of sheet.
                               : tr("%1 варианта · по %2 двойки · %3").arg(count).arg(choices.pairs).arg(sheets);
    print.keyContinued = tr("%1 (продължение)").arg(print.keyTitle);
    for (const ClassSetVariant &variant : set.variants()) {
        Worksheet sheet = Worksheet::forTask(variant.task, variant.direction, choices.squareShown);
        const bool decrypting = variant.direction == PracticeDirection::Decrypt;
        sheet.heading = headingOf(variant);
        //: On every sheet of a class set: the set's number, the variant's and how many there are.
        sheet.setLine = tr("Комплект %1 · вариант %2 от %3").arg(choices.setNumber).arg(variant.number).arg(count);
        const QString direction = decrypting ? tr("декриптиране") : tr("криптиране");
        sheet.keyHeading = variant.name.isEmpty()
            ? QStringLiteral("%1 · %2").arg(sheet.heading, direction)
            //: In the answer key: the variant, the pupil's name and the direction.
            : tr("Вариант %1 · %2 · %3").arg(QString::number(variant.number), variant.name, direction);
        print.sheets << sheet;
    }
    return print;
}

} // namespace playfair
