#include "solvererrors.h"

#include "analysis/ciphertext.h"
#include "analysis/crib.h"

#include <QCoreApplication>

namespace playfair {

namespace {

QString number(std::size_t n)
{
    return QString::number(qulonglong(n));
}

} // namespace

Sentence sentenceOf(const analysis::CiphertextError &error)
{
    using Kind = analysis::CiphertextError::Kind;
    switch (error.kind) {
    case Kind::NoLetters:
        break;
    case Kind::Cyrillic:
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError",
                                  "В текста има само букви на кирилица, а шифърът Playfair се пише с латински букви.")};
    case Kind::OddLetters:
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError", "Шифърът има %1 букви, нечетен брой: последната буква няма двойка, "
                                                 "значи текстът не е шифър Playfair."),
                {number(error.letters)}};
    case Kind::DoubledPair:
        //: %1 is a pair of two equal letters, %2 the place of its first letter.
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError", "Двойката %1 на позиция %2 е от две еднакви букви, а никой квадрат "
                                                 "не дава такъв шифър."),
                {QString(2, QChar::fromLatin1(error.letter)), number(error.position)}};
    }
    return {"SolverError", QT_TRANSLATE_NOOP("SolverError", "В текста няма нито една латинска буква.")};
}

Sentence sentenceOf(const analysis::CribError &error)
{
    using Kind = analysis::CribError::Kind;
    switch (error.kind) {
    case Kind::NoLetters:
        break;
    case Kind::TooLong:
        return {"SolverError", QT_TRANSLATE_NOOP("SolverError", "Известната дума е по-дълга от текста.")};
    case Kind::BadPosition:
        return {"SolverError", QT_TRANSLATE_NOOP("SolverError", "Позиция %1 е извън текста."),
                {number(error.position)}};
    case Kind::CannotStandAt:
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError", "Думата не може да стои на позиция %1: там тя противоречи на шифъра "
                                                 "(Playfair никога не заменя буква със самата нея)."),
                {number(error.position)}};
    case Kind::CannotStandAnywhere:
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError",
                                  "Думата не може да стои никъде в текста: навсякъде противоречи на шифъра.")};
    }
    return {"SolverError", QT_TRANSLATE_NOOP("SolverError", "Известната дума няма нито една латинска буква.")};
}

Sentence setAsideSentence(const QString &setAside, bool byReading)
{
    if (setAside.isEmpty())
        return {};
    if (setAside.size() == 1)
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError", "Последната буква, %1, е оставена настрана: тя няма двойка, а шифрите "
                                                 "се пращаха на групи от пет и последната група се допълваше."),
                {setAside}};
    if (byReading)
        //: %1 counts the letters set aside at the end of the ciphertext, %2 are those letters.
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError", "Последните %1 букви, %2, са оставени настрана: без тях откритият "
                                                 "текст се чете много по-добре, значи са допълнение след последната "
                                                 "двойка, до пълна група от пет."),
                {number(setAside.size()), setAside}};
    if (setAside.count(setAside.front()) != setAside.size())
        //: %1 counts the letters set aside at the end of the ciphertext, %2 are those letters.
        return {"SolverError",
                QT_TRANSLATE_NOOP("SolverError", "Последните %1 букви, %2, са оставени настрана: без тях текстът е "
                                                 "шифър на Playfair (четен брой букви, нито една двойка от две еднакви "
                                                 "букви), значи са допълнение на последната група от пет."),
                {number(setAside.size()), setAside}};
    //: %1 counts the letters set aside at the end of the ciphertext, %2 are those letters.
    return {"SolverError",
            QT_TRANSLATE_NOOP("SolverError", "Последните %1 букви, %2, са оставени настрана: повторена буква след "
                                             "последната двойка, каквато никой квадрат не дава, значи допълнение на "
                                             "последната група от пет."),
            {number(setAside.size()), setAside}};
}

} // namespace playfair
