#include "helpers.h"

#include "engine/keyedsquare.h"
#include "engine/textbook.h"
#include "ui/practice/worksheet.h"
#include "ui/practice/worksheetpdf.h"
#include "workspace/classset.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace playfair;
using namespace playfair::testing;

Q_DECLARE_METATYPE(ClassSetDirection)
Q_DECLARE_METATYPE(ClassSet::Problem)

namespace {

const QList<PairKind> everyKind{PairKind::Rectangle, PairKind::SameRow, PairKind::SameRowWrapping,
                                PairKind::SameColumn, PairKind::SameColumnWrapping};

ClassSetChoices choicesOf(int variants, int pairs, quint32 setNumber)
{
    ClassSetChoices choices;
    choices.variants = variants;
    choices.pairs = pairs;
    choices.setNumber = setNumber;
    return choices;
}

// Why a variant is not a proper sheet of its set, or an empty text.
QString faultOf(const ClassSetVariant &variant, int pairs)
{
    const PracticeTask &task = variant.task;
    if (task.pairs.size() != pairs)
        return QStringLiteral("%1 pairs, not %2").arg(task.pairs.size()).arg(pairs);
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

// The pairs of `text` turned by the rules on `square`, one step each way.
QStringList turned(const QString &square, const QStringList &pairs, int step)
{
    const QString text = QString::fromStdString(
        transformedPairs(square.toStdString(), pairs.join(QString()).toStdString(), step));
    QStringList result;
    for (qsizetype i = 0; i < text.size(); i += 2)
        result << text.mid(i, 2);
    return result;
}

// The pages of a PDF file that ends as a whole one does, or -1.
int pagesOfWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-") || !pdf.trimmed().endsWith("%%EOF"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type /Page\\b(?!s)"));
    static const QRegularExpression count(QStringLiteral("/Type /Pages\\b[^>]*/Count (\\d+)"));
    const QString text = QString::fromLatin1(pdf);
    const QRegularExpressionMatch match = count.match(text);
    const int pages = int(text.count(page));
    return match.hasMatch() && match.captured(1).toInt() == pages ? pages : -1;
}

} // namespace

class TestClassSet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // No two sheets of a set alike (key word, square, message), every kind
    // of pair on each, as many pairs as asked.
    void variantsAreAllDifferentAndWhole_data()
    {
        QTest::addColumn<int>("variants");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<quint32>("setNumber");
        QTest::newRow("a class of 25") << 25 << 10 << 4711u;
        QTest::newRow("the largest set, fewest pairs") << 40 << 5 << 1u;
        QTest::newRow("the largest set, most pairs") << 40 << 20 << 999999u;
        QTest::newRow("one sheet") << 1 << 8 << 17u;
        QTest::newRow("a small group, 12 pairs") << 6 << 12 << 123456u;
    }

    void variantsAreAllDifferentAndWhole()
    {
        QFETCH(int, variants);
        QFETCH(int, pairs);
        QFETCH(quint32, setNumber);
        const ClassSet set = ClassSet::draw(choicesOf(variants, pairs, setNumber));
        QCOMPARE(set.variants().size(), variants);
        QSet<QString> keyWords, squares, messages;
        for (const ClassSetVariant &variant : set.variants()) {
            const QString fault = faultOf(variant, pairs);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("variant %1: %2").arg(variant.number).arg(fault)));
            keyWords << variant.task.keyWord;
            squares << variant.task.square;
            messages << variant.task.pairs.join(QString());
        }
        QCOMPARE(keyWords.size(), variants);
        QCOMPARE(squares.size(), variants);
        QCOMPARE(messages.size(), variants);
    }

    // The same over many set numbers, for the largest sets: no number draws
    // a set with two sheets alike or a sheet short of a kind of pair.
    void everySetNumberDrawsAProperSet()
    {
        for (quint32 number = 1; number <= 60; ++number) {
            const ClassSet set = ClassSet::draw(choicesOf(ClassSet::mostVariants, 5 + number % 16, number));
            QSet<QString> different;
            for (const ClassSetVariant &variant : set.variants()) {
                const QString fault = faultOf(variant, set.choices().pairs);
                QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("set %1, variant %2: %3").arg(number).arg(variant.number).arg(fault)));
                different << variant.task.keyWord << variant.task.pairs.join(QString());
            }
            QCOMPARE(different.size(), 2 * ClassSet::mostVariants);
        }
    }

    // The set's number makes the same set again, whatever the names, the
    // direction or the kind of sheet; another number makes another set; a
    // smaller set is the larger one's first sheets.
    void theSameNumberGivesTheSameSet()
    {
        const ClassSetChoices choices = choicesOf(25, 10, 4711);
        const ClassSet set = ClassSet::draw(choices);
        QCOMPARE(ClassSet::draw(choices).variants().size(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(ClassSet::draw(choices).variants()[i].task, set.variants()[i].task);

        ClassSetChoices other = choices;
        other.names = QStringList{QStringLiteral("Иван"), QStringLiteral("Мария")};
        other.direction = ClassSetDirection::Mixed;
        other.squareShown = false;
        const ClassSet named = ClassSet::draw(other);
        const ClassSet smaller = ClassSet::draw(choicesOf(10, 10, 4711));
        const ClassSet another = ClassSet::draw(choicesOf(25, 10, 4712));
        int same = 0;
        for (int i = 0; i < 25; ++i) {
            QCOMPARE(named.variants()[i].task, set.variants()[i].task);
            if (i < 10)
                QCOMPARE(smaller.variants()[i].task, set.variants()[i].task);
            same += int(another.variants()[i].task == set.variants()[i].task);
        }
        QCOMPARE(same, 0);
        QCOMPARE(named.variants()[0].name, QStringLiteral("Иван"));
        QCOMPARE(named.variants()[1].name, QStringLiteral("Мария"));
        QCOMPARE(named.variants()[2].name, QString());
    }

    void directions_data()
    {
        QTest::addColumn<ClassSetDirection>("direction");
        QTest::addColumn<QString>("expected"); // E or D for each of 5 variants
        QTest::newRow("encrypt") << ClassSetDirection::Encrypt << "EEEEE";
        QTest::newRow("decrypt") << ClassSetDirection::Decrypt << "DDDDD";
        QTest::newRow("mixed, odd ones encrypt") << ClassSetDirection::Mixed << "EDEDE";
    }

    void directions()
    {
        QFETCH(ClassSetDirection, direction);
        QFETCH(QString, expected);
        ClassSetChoices choices = choicesOf(5, 10, 99);
        choices.direction = direction;
        QString directions;
        const ClassSet set = ClassSet::draw(choices);
        for (const ClassSetVariant &variant : set.variants())
            directions += variant.direction == PracticeDirection::Encrypt ? u'E' : u'D';
        QCOMPARE(directions, expected);
    }

    void problems_data()
    {
        QTest::addColumn<int>("variants");
        QTest::addColumn<int>("names");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<quint32>("setNumber");
        QTest::addColumn<ClassSet::Problem>("problem");
        using P = ClassSet::Problem;
        QTest::newRow("1 variant") << 1 << 0 << 10 << 1u << P::None;
        QTest::newRow("40 variants, 40 names") << 40 << 40 << 20 << 999999u << P::None;
        QTest::newRow("25 variants, 20 names") << 25 << 20 << 5 << 7u << P::None;
        QTest::newRow("0 variants") << 0 << 0 << 10 << 1u << P::NoVariants;
        QTest::newRow("41 variants") << 41 << 0 << 10 << 1u << P::TooManyVariants;
        QTest::newRow("41 names") << 41 << 41 << 10 << 1u << P::TooManyNames;
        QTest::newRow("more names than variants") << 10 << 11 << 10 << 1u << P::TooManyNames;
        QTest::newRow("4 pairs") << 5 << 0 << 4 << 1u << P::PairsOutOfRange;
        QTest::newRow("21 pairs") << 5 << 0 << 21 << 1u << P::PairsOutOfRange;
        QTest::newRow("set number 0") << 5 << 0 << 10 << 0u << P::SetNumberOutOfRange;
        QTest::newRow("set number 1000000") << 5 << 0 << 10 << 1000000u << P::SetNumberOutOfRange;
    }

    void problems()
    {
        QFETCH(int, variants);
        QFETCH(int, names);
        QFETCH(int, pairs);
        QFETCH(quint32, setNumber);
        QFETCH(ClassSet::Problem, problem);
        ClassSetChoices choices = choicesOf(variants, pairs, setNumber);
        for (int i = 0; i < names; ++i)
            choices.names << QStringLiteral("Ученик %1").arg(i + 1);
        QCOMPARE(ClassSet::problemOf(choices), problem);
    }

    // A name as a heading shows it: what cannot be printed or turns the
    // text round goes, right-to-left letters stay, a long name is cut.
    void cleanedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("a plain name") << "Иван Петров" << "Иван Петров";
        QTest::newRow("spaces trimmed and made one") << "  Мария \t  Иванова  " << "Мария Иванова";
        QTest::newRow("control characters") << QStringLiteral("Ива\u0007н\u001b[31m П\u0000етров\r")
                                            << QStringLiteral("Иван[31m Петров");
        QTest::newRow("right-to-left letters kept") << QStringLiteral("محمد علي") << QStringLiteral("محمد علي");
        QTest::newRow("an override that turns text round")
            << QStringLiteral("\u202Eвонасреп\u202C Ана") << QStringLiteral("вонасреп Ана");
        QTest::newRow("isolates and a byte order mark")
            << QStringLiteral("\uFEFF\u2067שלום\u2069 Dan") << QStringLiteral("שלום Dan");
        QTest::newRow("undecodable bytes") << QString::fromUtf8("Gerg\xff\xfe\xc3") << QStringLiteral("Gerg");
        QTest::newRow("only control characters") << QStringLiteral("\u0001\u0002\t") << QString();
        QTest::newRow("60 characters stay") << QString(60, u'Я') << QString(60, u'Я');
        QTest::newRow("5000 characters are cut") << QString(5000, u'Я') << QString(59, u'Я') + u'…';
        // A letter outside the basic plane is never cut in two.
        const QString gothic = QString::fromUcs4(U"\U00010330");
        QTest::newRow("a long name of two-unit letters") << gothic.repeated(100) << gothic.repeated(29) + u'…';
    }

    void cleanedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, cleaned);
        QCOMPARE(ClassSet::cleanedName(name), cleaned);
    }

    void namesOfAList()
    {
        const QString list = QStringLiteral("\uFEFFИван Петров\r\n\r\n   \n  Мария\n\u0001\n%1\nمحمد\n").arg(QString(3000, u'A'));
        QCOMPARE(ClassSet::namesOf(list),
                 (QStringList{QStringLiteral("Иван Петров"), QStringLiteral("Мария"), QString(59, u'A') + u'…',
                              QStringLiteral("محمد")}));
        QCOMPARE(ClassSet::namesOf(QStringLiteral("\n \n\t\n")), QStringList());
    }

    // The answer key gives for every pair of every sheet the answer the
    // rules give on the sheet's square, and names the kind of pair it is.
    void theKeyAnswersEveryPairRight()
    {
        ClassSetChoices choices = choicesOf(12, 14, 2024);
        choices.direction = ClassSetDirection::Mixed;
        choices.names = QStringList{QStringLiteral("Иван Петров"), QString(300, u'Ж')};
        const ClassSet set = ClassSet::draw(choices);
        const ClassSetPrint print = ClassSetPrint::forSet(set);
        QCOMPARE(print.sheets.size(), 12);
        QCOMPARE(print.keyTitle, QStringLiteral("Отговори на комплект 2024"));
        for (int i = 0; i < 12; ++i) {
            const ClassSetVariant &variant = set.variants()[i];
            const Worksheet &sheet = print.sheets[i];
            const PracticeTask &task = variant.task;
            const QStringList cipher = turned(task.square, task.pairs, +1);
            const bool decrypting = variant.direction == PracticeDirection::Decrypt;
            QCOMPARE(sheet.given, decrypting ? cipher : task.pairs);
            QCOMPARE(sheet.answers, decrypting ? task.pairs : cipher);
            QCOMPARE(turned(task.square, cipher, -1), task.pairs);
            QCOMPARE(sheet.square, task.square);
            QCOMPARE(sheet.keyWord, task.keyWord);
            QCOMPARE(sheet.ruleNames.size(), task.pairs.size());
            const QList<PairKind> kinds = task.kinds();
            for (int pair = 0; pair < kinds.size(); ++pair) {
                const QString name = sheet.ruleNames[pair];
                const bool wraps = kinds[pair] == PairKind::SameRowWrapping || kinds[pair] == PairKind::SameColumnWrapping;
                QVERIFY2(name.endsWith(QStringLiteral("през края")) == wraps, qPrintable(name));
                QVERIFY2((kinds[pair] == PairKind::Rectangle) == (name == QStringLiteral("правоъгълник")), qPrintable(name));
            }
            QCOMPARE(sheet.setLine, QStringLiteral("Комплект 2024 · вариант %1 от 12").arg(i + 1));
            QCOMPARE(sheet.givenHeading, decrypting ? QStringLiteral("Шифър") : QStringLiteral("Текст"));
        }
        QCOMPARE(print.sheets[0].heading, QStringLiteral("Иван Петров"));
        QCOMPARE(print.sheets[0].keyHeading, QStringLiteral("Вариант 1 · Иван Петров · криптиране"));
        QCOMPARE(print.sheets[1].heading, QString(59, u'Ж') + u'…');
        QCOMPARE(print.sheets[2].heading, QStringLiteral("Вариант 3"));
        QCOMPARE(print.sheets[3].keyHeading, QStringLiteral("Вариант 4 · декриптиране"));
    }

    // One whole PDF: a page for each sheet, then the key, several variants
    // a page (five of up to 14 pairs, four of more).
    void thePdfHasAPageForEachSheetAndTheKey_data()
    {
        QTest::addColumn<int>("variants");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<bool>("squareShown");
        QTest::addColumn<int>("pages");
        QTest::newRow("one sheet") << 1 << 10 << true << 2;
        QTest::newRow("a class of 25") << 25 << 10 << true << 30;
        QTest::newRow("a class of 25, key word only") << 25 << 10 << false << 30;
        QTest::newRow("six of 5 pairs") << 6 << 5 << true << 8;
        QTest::newRow("twelve of 15 pairs") << 12 << 15 << true << 15;
        QTest::newRow("the largest set, most pairs") << 40 << 20 << false << 50;
    }

    void thePdfHasAPageForEachSheetAndTheKey()
    {
        QFETCH(int, variants);
        QFETCH(int, pairs);
        QFETCH(bool, squareShown);
        QFETCH(int, pages);
        ClassSetChoices choices = choicesOf(variants, pairs, 31);
        choices.squareShown = squareShown;
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("комплект.pdf"));
        QVERIFY(writeClassSetPdf(ClassSetPrint::forSet(ClassSet::draw(choices)), path));
        QCOMPARE(pagesOfWholePdf(path), pages);
    }

    // A set in Cyrillic: every sheet on its own Cyrillic key word's 5 x 6
    // square, Cyrillic pairs of every kind, its answers the rules' on that
    // square, the sheets saying which alphabet they use, and a whole PDF.
    void aSetInCyrillic_data()
    {
        QTest::addColumn<int>("variants");
        QTest::addColumn<int>("pairs");
        QTest::addColumn<quint32>("setNumber");
        QTest::addColumn<int>("pages");
        QTest::newRow("a class of 25") << 25 << 10 << 4711u << 30;
        QTest::newRow("the largest set, most pairs") << 40 << 20 << 999999u << 50;
        QTest::newRow("one sheet, fewest pairs") << 1 << 5 << 17u << 2;
    }

    void aSetInCyrillic()
    {
        QFETCH(int, variants);
        QFETCH(int, pairs);
        QFETCH(quint32, setNumber);
        QFETCH(int, pages);
        ClassSetChoices choices = choicesOf(variants, pairs, setNumber);
        choices.alphabet = Alphabet::Id::Cyrillic;
        const Alphabet &cyrillic = Alphabet::of(Alphabet::Id::Cyrillic);
        const ClassSet set = ClassSet::draw(choices);
        QCOMPARE(set.variants().size(), variants);
        const auto u32 = [](const QString &text) {
            const QList<uint> codes = text.toUcs4();
            return std::u32string(codes.begin(), codes.end());
        };
        QSet<QString> keyWords, squares;
        for (const ClassSetVariant &variant : set.variants()) {
            const PracticeTask &task = variant.task;
            QCOMPARE(task.alphabet, Alphabet::Id::Cyrillic);
            QCOMPARE(task.pairs.size(), pairs);
            QVERIFY2(task.keyWord.contains(QRegularExpression(QStringLiteral("^[А-Я]+$"))), qPrintable(task.keyWord));
            const std::u32string square = keyedSquare(cyrillic, u32(task.keyWord));
            QCOMPARE(u32(task.square), square);
            for (PairKind kind : everyKind)
                QVERIFY2(task.kinds().contains(kind), qPrintable(task.pairs.join(u' ')));
            keyWords << task.keyWord;
            squares << task.square;

            const Worksheet sheet = Worksheet::forTask(task, variant.direction, true);
            QCOMPARE(sheet.shape, (SquareShape{5, 6}));
            QCOMPARE(sheet.alphabetLine, QStringLiteral("Азбука: кирилица, 30 букви (5 × 6)."));
            for (int i = 0; i < pairs; ++i) {
                QCOMPARE(sheet.given[i], task.pairs[i]);
                QCOMPARE(u32(sheet.answers[i]), transformedPairs(cyrillic, square, u32(task.pairs[i]), +1));
            }
        }
        QCOMPARE(keyWords.size(), variants);
        QCOMPARE(squares.size(), variants);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("комплект.pdf"));
        QVERIFY(writeClassSetPdf(ClassSetPrint::forSet(set), path));
        QCOMPARE(pagesOfWholePdf(path), pages);
    }

    // Over many set numbers, the largest Cyrillic sets have every kind of
    // pair on every sheet.
    void everyCyrillicSetNumberDrawsEveryKind()
    {
        for (quint32 number = 1; number <= 40; ++number) {
            ClassSetChoices choices = choicesOf(ClassSet::mostVariants, 5 + int(number % 16), number);
            choices.alphabet = Alphabet::Id::Cyrillic;
            const ClassSet set = ClassSet::draw(choices);
            for (const ClassSetVariant &variant : set.variants()) {
                for (PairKind kind : everyKind)
                    QVERIFY2(variant.task.kinds().contains(kind),
                             qPrintable(QStringLiteral("set %1: %2").arg(number).arg(variant.task.pairs.join(u' '))));
            }
        }
    }

    // Names of thousands of characters, with control characters and
    // right-to-left text, still give a whole PDF of the right pages.
    void strangeNamesGiveAWholePdf()
    {
        ClassSetChoices choices = choicesOf(4, 10, 5);
        choices.names = ClassSet::namesOf(QStringLiteral("%1\n\u202Eобърнат\nمحمد بن سلمان\nא\u0007ב\u001bג")
                                              .arg(QStringLiteral("Дълго име ").repeated(500)));
        QCOMPARE(choices.names.size(), 4);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("имена.pdf"));
        QVERIFY(writeClassSetPdf(ClassSetPrint::forSet(ClassSet::draw(choices)), path));
        QCOMPARE(pagesOfWholePdf(path), 5);
    }

    // A disk that fills up part of the way (a file size limit stands in for
    // one) leaves no half-written set: a new name gets no file, an earlier
    // set of the name stays as it was, nothing else is left in the folder.
    void aFullDiskLeavesNoHalfWrittenSet()
    {
        QTemporaryDir folder;
        const QString earlierPath = folder.filePath(QStringLiteral("earlier.pdf"));
        const ClassSetPrint print = ClassSetPrint::forSet(ClassSet::draw(choicesOf(25, 10, 8)));
        QVERIFY(writeClassSetPdf(ClassSetPrint::forSet(ClassSet::draw(choicesOf(2, 10, 9))), earlierPath));
        QFile earlier(earlierPath);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        const QByteArray before = earlier.readAll();
        earlier.close();

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit limit = unlimited;
        limit.rlim_cur = rlim_t(before.size() + 1000); // the earlier file fits, the class set does not
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool wroteNew = writeClassSetPdf(print, folder.filePath(QStringLiteral("new.pdf")));
        const bool wroteOver = writeClassSetPdf(print, earlierPath);
        setrlimit(RLIMIT_FSIZE, &unlimited);

        QVERIFY(!wroteNew);
        QVERIFY(!wroteOver);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), before);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("earlier.pdf")});
        QVERIFY(!writeClassSetPdf(print, folder.filePath(QStringLiteral("no/such/folder/set.pdf"))));
    }
};

QTEST_MAIN(TestClassSet)
#include "tst_classset.moc"
