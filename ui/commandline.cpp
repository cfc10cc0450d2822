#include "commandline.h"

#include "app/version.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <initializer_list>

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
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(practice);
    parser.addOption(breakCipher);
    //: The name of the argument in the help, in capitals.
    const QString file = text(QT_TRANSLATE_NOOP("CommandLine", "ФАЙЛ"));
    parser.addPositionalArgument(file, text(QT_TRANSLATE_NOOP("CommandLine", "Шифрован текст, с --break.")),
                                 QStringLiteral("[%1]").arg(file));
    acceptQtOptions(parser);

    // Written out only when it is shown. Qt words its headings in English
    // and names the program after argv[0] of a running QCoreApplication, or
    // "<executable_name>" before one exists: the usage and the headings are
    // written here instead. FILE goes with --break only: the usage says so.
    const auto helpText = [&] {
        const QString usage = text(QT_TRANSLATE_NOOP("CommandLine", "Употреба: %1 [опции]")).arg(program());
        const QString indent(usage.indexOf(program()), u' ');
        QString help = parser.helpText();
        help.replace(0, help.indexOf(u'\n'), usage + u'\n' + indent + program() + QStringLiteral(" --break [%1]").arg(file));
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
    if (files.size() > (breaking ? 1 : 0))
        return mistake(text(QT_TRANSLATE_NOOP("CommandLine", "Неочакван аргумент „%1“.")).arg(files.at(breaking ? 1 : 0)));
    if (breaking && parser.isSet(practice))
        return mistake(text(QT_TRANSLATE_NOOP("CommandLine",
                                              "--practice и --break отварят различни прозорци: дайте само едното.")));

    CommandLine commandLine;
    if (parser.isSet(practice))
        commandLine.window = CommandLine::Window::Practice;
    if (breaking) {
        commandLine.window = CommandLine::Window::Break;
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
