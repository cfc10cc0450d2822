#include "commandline.h"

#include "app/version.h"

#include <QCommandLineParser>

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

    QCommandLineParser parser;
    // Qt's options are written with one dash (-platform, -style).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Opens the window of the teaching program for the Playfair digraph cipher.\n"
        "Qt's standard options, such as -platform, -style and -display, are accepted too."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Display this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Display the version and exit."));
    const QCommandLineOption practice(QStringLiteral("practice"),
                                      QStringLiteral("Open the exercise window instead of the main window."));
    const QCommandLineOption breakCipher(QStringLiteral("break"),
                                         QStringLiteral("Open the window that breaks a ciphertext without its key, "
                                                        "with the text of FILE, if given, as the ciphertext."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(practice);
    parser.addOption(breakCipher);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A ciphertext, with --break."),
                                 QStringLiteral("[FILE]"));
    acceptQtOptions(parser);

    // Written out only when it is shown. Qt names the program after argv[0]
    // of a running QCoreApplication, and "<executable_name>" before one
    // exists: name it plainly instead.
    const auto helpText = [&parser] {
        QString text = parser.helpText();
        const qsizetype options = text.indexOf(QLatin1String(" [options]"));
        text.replace(0, options, QLatin1String("Usage: ") + program());
        // FILE goes with --break only: say so in the usage.
        text.replace(QLatin1String(" [options] [FILE]\n"),
                     QLatin1String(" [options]\n       ") + program() + QLatin1String(" --break [FILE]\n"));
        return text;
    };

    const auto mistake = [&](const QString &error) {
        return finished(2, program() + QLatin1String(": ") + error + QLatin1Char('\n') + helpText());
    };
    if (!parser.parse(arguments))
        return mistake(parser.errorText());
    if (parser.isSet(help))
        return finished(0, helpText());
    if (parser.isSet(version))
        return finished(0, QString::fromStdString(versionText(program().toStdString())));
    const QStringList files = parser.positionalArguments();
    const bool breaking = parser.isSet(breakCipher);
    if (files.size() > (breaking ? 1 : 0))
        return mistake(QStringLiteral("Unexpected argument '%1'.").arg(files.at(breaking ? 1 : 0)));
    if (breaking && parser.isSet(practice))
        return mistake(QStringLiteral("--practice and --break open different windows: give one of them."));

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
