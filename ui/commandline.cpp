#include "commandline.h"

#include "app/version.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <initializer_list>
#include <optional>

namespace playfair {

namespace {

// A function, not a constant: a QString constant is built by a static
// constructor at every start, options or none.
QString program()
{
    return QStringLiteral("playfair");
}

// The standard options of QGuiApplication, QApplication and the X11 platform
// plugin. They are not ours to act on, but they must not be taken for
// mistakes: QApplication removes them from argv when it starts.
void acceptQtOptions(QCommandLineParser &parser)
{
    const auto add = [&parser](std::initializer_list<const char *> names, bool takesValue) {
        for (const char *name : names) {
            QCommandLineOption option(QString::fromLatin1(name));
            if (takesValue)
                option.setValueName(QStringLiteral("value"));
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    add({"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
         "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet",
         "display", "geometry", "name", "title", "visual"},
        true);
    add({"reverse", "widgetcount", "nograb", "dograb", "sync"}, false);
}

// The command line's texts, Bulgarian in the code. They are written before
// the QApplication exists, whose translators tr() would ask, so they are
// marked with QT_TRANSLATE_NOOP and looked up here in the program's own
// translation.
class Texts
{
public:
    explicit Texts(UiLanguage language)
        : m_translator(programTranslator(language))
    {
    }

    QString operator()(const char *source) const
    {
        const QString translated = m_translator ? m_translator->translate("CommandLine", source) : QString();
        return translated.isEmpty() ? QString::fromUtf8(source) : translated;
    }

private:
    const QTranslator *m_translator;
};

// QCommandLineParser's own mistakes, which it words in English, in the
// language shown.
QString parserError(const QCommandLineParser &parser, const Texts &text)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.size() == 1)
        return text(QT_TRANSLATE_NOOP("CommandLine", "Непозната опция „%1“.")).arg(unknown.first());
    if (unknown.size() > 1)
        return text(QT_TRANSLATE_NOOP("CommandLine", "Непознати опции: %1.")).arg(unknown.join(QStringLiteral(", ")));
    static const QRegularExpression value(QStringLiteral("^(Missing|Unexpected) value after '(.*)'\\.$"));
    const QRegularExpressionMatch match = value.match(parser.errorText());
    if (!match.hasMatch())
        return parser.errorText();
    return (match.captured(1) == u"Missing" ? text(QT_TRANSLATE_NOOP("CommandLine", "Липсва стойност след „%1“."))
                                            : text(QT_TRANSLATE_NOOP("CommandLine", "Неочаквана стойност след „%1“.")))
        .arg(match.captured(2));
}

CommandLine finished(int exitStatus, const QString &output)
{
    CommandLine commandLine;
    commandLine.finished = true;
    commandLine.exitStatus = exitStatus;
    commandLine.output = output;
    return commandLine;
}

// The options of --class-set, in the order they are added to the parser.
struct ClassSetOptions
{
    const QCommandLineOption &classSet, &output, &names, &setNumber, &decrypt, &mixed, &pairs, &keyWordOnly;
};

// A mistake in the class set's values: one line on standard error, as a
// teacher's script would log it, without the help.
CommandLine classSetMistake(const QString &error)
{
    return finished(2, program() + QLatin1String(": ") + error + QLatin1Char('\n'));
}

// The names in a file, or a mistake saying why there are none.
std::optional<QStringList> namesIn(const QString &path, const Texts &text, QString &error)
{
    // More than a class's names ever need: a file this large is no list.
    constexpr qint64 largest = 1 << 20;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
        error = text(QT_TRANSLATE_NOOP("CommandLine", "Файлът с имената „%1“ не може да бъде прочетен.")).arg(path);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest) {
        error = text(QT_TRANSLATE_NOOP("CommandLine", "Файлът с имената „%1“ е по-голям от 1 MB: това не е списък "
                                                      "на клас.")).arg(path);
        return std::nullopt;
    }
    const QStringList names = ClassSet::namesOf(QString::fromUtf8(bytes));
    if (names.isEmpty()) {
        error = text(QT_TRANSLATE_NOOP("CommandLine", "Във файла с имената „%1“ няма нито едно име.")).arg(path);
        return std::nullopt;
    }
    return names;
}

CommandLine classSetOf(const QCommandLineParser &parser, const ClassSetOptions &options, const Texts &text)
{
    const auto numberIn = [&parser](const QCommandLineOption &option, qint64 least, qint64 most) {
        bool ok = false;
        const qint64 value = parser.value(option).trimmed().toLongLong(&ok);
        return ok && value >= least && value <= most ? std::optional<qint64>(value) : std::nullopt;
    };
    CommandLine commandLine;
    commandLine.classSet = true;
    ClassSetChoices &choices = commandLine.classSetChoices;

    const std::optional<qint64> variants = numberIn(options.classSet, 1, ClassSet::mostVariants);
    if (!variants)
        return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "--class-set иска брой варианти от 1 до 40, "
                                                                     "а не „%1“."))
                                   .arg(parser.value(options.classSet)));
    choices.variants = int(*variants);
    commandLine.outputFile = parser.value(options.output);
    if (commandLine.outputFile.isEmpty())
        return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "--class-set иска --output ФАЙЛ.pdf: "
                                                                     "файлът, в който да запише комплекта.")));
    if (parser.isSet(options.pairs)) {
        const std::optional<qint64> pairs = numberIn(options.pairs, PracticeTask::minPairCount, PracticeTask::maxPairCount);
        if (!pairs)
            return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "--pairs иска брой двойки от 5 до 20, "
                                                                         "а не „%1“."))
                                       .arg(parser.value(options.pairs)));
        choices.pairs = int(*pairs);
    }
    choices.setNumber = 0;
    if (parser.isSet(options.setNumber)) {
        const std::optional<qint64> number = numberIn(options.setNumber, 1, ClassSet::largestSetNumber);
        if (!number)
            return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "--set-number иска номер от 1 до 999999, "
                                                                         "а не „%1“."))
                                       .arg(parser.value(options.setNumber)));
        choices.setNumber = quint32(*number);
    }
    if (parser.isSet(options.decrypt) && parser.isSet(options.mixed))
        return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "--decrypt и --mixed са различни посоки: "
                                                                     "дайте само едната.")));
    choices.direction = parser.isSet(options.decrypt) ? ClassSetDirection::Decrypt
        : parser.isSet(options.mixed)                 ? ClassSetDirection::Mixed
                                                      : ClassSetDirection::Encrypt;
    choices.squareShown = !parser.isSet(options.keyWordOnly);
    if (parser.isSet(options.names)) {
        QString error;
        const std::optional<QStringList> names = namesIn(parser.value(options.names), text, error);
        if (!names)
            return classSetMistake(error);
        if (names->size() > choices.variants)
            return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "Във файла с имената „%1“ има %2 имена, а "
                                                                         "вариантите са %3: дайте --class-set %2."))
                                       .arg(parser.value(options.names), QString::number(names->size()),
                                            QString::number(choices.variants)));
        choices.names = *names;
    }
    return commandLine;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    // The program's name alone, as the desktop starts it: the main window,
    // without building a parser first.
    if (arguments.size() <= 1)
        return CommandLine();
    return parseCommandLine(arguments, startLanguage());
}

CommandLine parseCommandLine(const QStringList &arguments, UiLanguage language)
{
    if (arguments.size() <= 1)
        return CommandLine();
    const Texts text(language);

    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        text(QT_TRANSLATE_NOOP("CommandLine", "Отваря прозореца на учебната програма за диграфовия шифър Playfair."))
        + u'\n'
        + text(QT_TRANSLATE_NOOP("CommandLine",
                                 "Приемат се и стандартните опции на Qt, като -platform, -style и -display.")));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  text(QT_TRANSLATE_NOOP("CommandLine", "Показва тази помощ и излиза.")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     text(QT_TRANSLATE_NOOP("CommandLine", "Показва версията и излиза.")));
    const QCommandLineOption practice(
        QStringLiteral("practice"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Отваря прозореца за упражнения вместо главния прозорец.")));
    //: FILE is the name of the argument, as the help shows it.
    const QCommandLineOption breakCipher(QStringLiteral("break"),
                                         text(QT_TRANSLATE_NOOP("CommandLine",
                                                                "Отваря прозореца, който разбива шифрован текст без "
                                                                "ключа му, с текста на ФАЙЛ, ако е даден, като шифър.")));
    const QCommandLineOption byHand(QStringLiteral("by-hand"),
                                    text(QT_TRANSLATE_NOOP("CommandLine",
                                                           "Отваря прозореца за разбиване на ръка, с текста на ФАЙЛ, "
                                                           "ако е даден, като шифър.")));
    //: The names of the arguments in the help, in capitals.
    const QString count = text(QT_TRANSLATE_NOOP("CommandLine", "БРОЙ"));
    const QString pdf = text(QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ.pdf"));
    const QString number = text(QT_TRANSLATE_NOOP("CommandLine", "НОМЕР"));
    const QCommandLineOption classSet(
        QStringLiteral("class-set"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Записва комплект за класа от БРОЙ варианта (1 до 40) на упражнението "
                                              "в един PDF файл, с отговорите накрая, без да отваря прозорец.")),
        count);
    const QCommandLineOption output(QStringLiteral("output"),
                                    text(QT_TRANSLATE_NOOP("CommandLine", "PDF файлът на комплекта.")), pdf);
    const QCommandLineOption names(
        QStringLiteral("names"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Имената на учениците, по едно на ред, в текстов файл (UTF-8): първите "
                                              "листове са с техните имена, останалите с номера на варианта.")),
        text(QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ")));
    const QCommandLineOption setNumber(
        QStringLiteral("set-number"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Номерът на комплекта (1 до 999999): със същия номер и същия избор "
                                              "се получава същият комплект. Без него се тегли нов номер.")),
        number);
    const QCommandLineOption decrypt(QStringLiteral("decrypt"),
                                     text(QT_TRANSLATE_NOOP("CommandLine", "Всички варианти са за декриптиране.")));
    const QCommandLineOption mixed(
        QStringLiteral("mixed"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Нечетните варианти са за криптиране, четните за декриптиране.")));
    const QCommandLineOption pairs(
        QStringLiteral("pairs"),
        text(QT_TRANSLATE_NOOP("CommandLine", "Двойките на всеки лист, от 5 до 20 (10, ако не е дадено).")), count);
    const QCommandLineOption keyWordOnly(
        QStringLiteral("key-word-only"),
        text(QT_TRANSLATE_NOOP("CommandLine", "В листовете само ключовата дума и празна мрежа вместо квадрата.")));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(practice);
    parser.addOption(breakCipher);
    parser.addOption(byHand);
    for (const QCommandLineOption *option : {&classSet, &output, &names, &setNumber, &decrypt, &mixed, &pairs, &keyWordOnly})
        parser.addOption(*option);
    //: The name of the argument in the help, in capitals.
    const QString file = text(QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ"));
    parser.addPositionalArgument(file, text(QT_TRANSLATE_NOOP("CommandLine", "Шифрован текст, с --break или --by-hand.")),
                                 QStringLiteral("[%1]").arg(file));
    acceptQtOptions(parser);

    // Written out only when it is shown. Qt words its headings in English
    // and names the program after argv[0] of a running QCoreApplication, or
    // "<executable_name>" before one exists: the usage and the headings are
    // written here instead. FILE goes with --break and --by-hand only: the
    // usage says so.
    const auto helpText = [&] {
        const QString usage = text(QT_TRANSLATE_NOOP("CommandLine", "Употреба: %1 [опции]")).arg(program());
        const QString indent(usage.indexOf(program()), u' ');
        QString help = parser.helpText();
        help.replace(0, help.indexOf(u'\n'),
                     usage + u'\n' + indent + program() + QStringLiteral(" --break [%1]").arg(file) + u'\n' + indent
                         + program() + QStringLiteral(" --by-hand [%1]").arg(file) + u'\n' + indent + program()
                         + QStringLiteral(" --class-set %1 --output %2 [--names %3] [--set-number %4]\n")
                               .arg(count, pdf, file, number)
                         + indent + QString(program().size(), u' ')
                         + QStringLiteral("               [--decrypt|--mixed] [--pairs %1] [--key-word-only]").arg(count));
        help.replace(QStringLiteral("\nOptions:\n"),
                     u'\n' + text(QT_TRANSLATE_NOOP("CommandLine", "Опции:")) + u'\n');
        help.replace(QStringLiteral("\nArguments:\n"),
                     u'\n' + text(QT_TRANSLATE_NOOP("CommandLine", "Аргументи:")) + u'\n');
        return help;
    };

    const auto mistake = [&](const QString &error) {
        return finished(2, program() + QLatin1String(": ") + error + QLatin1Char('\n') + helpText());
    };
    if (!parser.parse(arguments))
        return mistake(parserError(parser, text));
    if (parser.isSet(help))
        return finished(0, helpText());
    if (parser.isSet(version))
        return finished(0, QString::fromStdString(versionText(program().toStdString())));
    const QStringList files = parser.positionalArguments();
    const bool breaking = parser.isSet(breakCipher);
    const bool byHandSet = parser.isSet(byHand);
    const bool takesFile = breaking || byHandSet;
    if (files.size() > (takesFile ? 1 : 0))
        return mistake(text(QT_TRANSLATE_NOOP("CommandLine", "Неочакван аргумент „%1“.")).arg(files.at(takesFile ? 1 : 0)));
    if (int(parser.isSet(practice)) + int(breaking) + int(byHandSet) > 1)
        return mistake(text(QT_TRANSLATE_NOOP("CommandLine", "--practice, --break и --by-hand отварят различни "
                                                             "прозорци: дайте само едното.")));

    if (parser.isSet(classSet)) {
        if (int(parser.isSet(practice)) + int(breaking) + int(byHandSet) > 0)
            return classSetMistake(text(QT_TRANSLATE_NOOP("CommandLine", "--class-set не отваря прозорец: не може заедно с "
                                                                 "--practice, --break и --by-hand.")));
        return classSetOf(parser, {classSet, output, names, setNumber, decrypt, mixed, pairs, keyWordOnly}, text);
    }
    for (const QCommandLineOption *option : {&output, &names, &setNumber, &decrypt, &mixed, &pairs, &keyWordOnly}) {
        if (parser.isSet(*option))
            return classSetMistake(
                text(QT_TRANSLATE_NOOP("CommandLine", "--%1 върви с --class-set.")).arg(option->names().first()));
    }

    CommandLine commandLine;
    if (parser.isSet(practice))
        commandLine.window = CommandLine::Window::Practice;
    if (takesFile) {
        commandLine.window = breaking ? CommandLine::Window::Break : CommandLine::Window::ByHand;
        commandLine.file = files.value(0);
    }
    return commandLine;
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int finishCommandLine(const CommandLine &commandLine)
{
    std::FILE *stream = commandLine.exitStatus == 0 ? stdout : stderr;
    std::fputs(commandLine.output.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return commandLine.exitStatus;
}

} // namespace playfair
