#include "worksheet.h"

#include "ui/shared/pairtooltip.h"

namespace playfair {

Worksheet Worksheet::forTask(const PracticeTask &task, PracticeDirection direction, bool squareShown)
{
    const PracticeSession session(task, direction);
    const bool decrypting = session.decrypting();

    Worksheet sheet;
    sheet.keyWord = task.keyWord;
    sheet.square = task.square;
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
    sheet.keyContinued = tr("%1 (продължение)").arg(sheet.keyTitle);

    const QString work = decrypting
        ? tr("Декриптирайте всяка двойка букви и запишете двете букви на текста в празните квадратчета до нея.")
        : tr("Криптирайте всяка двойка букви и запишете двете букви на шифъра в празните квадратчета до нея.");
    sheet.instruction = sheet.squareShown
        ? tr("Използвайте квадрата на Polybius по-долу.") + u' ' + work
        : tr("Постройте квадрата на Polybius от ключовата дума %1 в празната мрежа: първо буквите на ключовата дума "
             "без повторенията, после останалите букви на азбуката по ред, без J (J се пише като I).")
                  .arg(task.keyWord)
            + u' ' + work;

    for (int pair = 0; pair < session.pairCount(); ++pair) {
        sheet.given << session.given(pair);
        sheet.answers << session.expected(pair);
        sheet.rules << ruleSentence(session.insight(pair), decrypting, true);
    }
    return sheet;
}

} // namespace playfair
