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
    sheet.title = decrypting ? QStringLiteral("Декриптиране с шифъра Playfair")
                             : QStringLiteral("Криптиране с шифъра Playfair");
    sheet.givenHeading = decrypting ? QStringLiteral("Шифър") : QStringLiteral("Текст");
    sheet.answerHeading = decrypting ? QStringLiteral("Текст") : QStringLiteral("Шифър");
    sheet.keyTitle = QStringLiteral("Отговори");

    const QString work = decrypting
        ? QStringLiteral("Декриптирайте всяка двойка букви и запишете двете букви на текста в празните квадратчета "
                         "до нея.")
        : QStringLiteral("Криптирайте всяка двойка букви и запишете двете букви на шифъра в празните квадратчета "
                         "до нея.");
    sheet.instruction = sheet.squareShown
        ? QStringLiteral("Използвайте квадрата на Polybius по-долу. ") + work
        : QStringLiteral("Постройте квадрата на Polybius от ключовата дума %1 в празната мрежа: първо буквите на "
                         "ключовата дума без повторенията, после останалите букви на азбуката по ред, без J "
                         "(J се пише като I). ")
                  .arg(task.keyWord)
            + work;

    for (int pair = 0; pair < session.pairCount(); ++pair) {
        sheet.given << session.given(pair);
        sheet.answers << session.expected(pair);
        sheet.rules << ruleSentence(session.insight(pair), decrypting, true);
    }
    return sheet;
}

} // namespace playfair
