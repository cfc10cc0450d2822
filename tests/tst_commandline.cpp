#include "ui/commandline.h"

#include <QRegularExpression>
#include <QTest>

using namespace playfair;

Q_DECLARE_METATYPE(UiLanguage)

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every way of starting the program: whether it goes on to a window, and
    // if not, its exit status and the first two lines it prints, in English
    // and, for the help and each kind of mistake, in Bulgarian.
    void parse_data()
    {
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<int>("exitStatus");
        QTest::addColumn<QString>("firstLine");
        QTest::addColumn<QString>("secondLine");

        const QString usage = QStringLiteral("Usage: playfair [options]");
        const QString none;
        const UiLanguage en = UiLanguage::English;
        const UiLanguage bg = UiLanguage::Bulgarian;
        QTest::newRow("no arguments opens the window") << en << QStringList{} << false << 0 << none << none;
        QTest::newRow("an empty argv opens the window") << en << QStringList() << false << 0 << none << none;
        QTest::newRow("Qt's -platform with its value") << en << QStringList{"-platform", "offscreen"} << false << 0 << none << none;
        QTest::newRow("Qt's --style=value") << en << QStringList{"--style=fusion"} << false << 0 << none << none;
        QTest::newRow("Qt's -reverse flag") << en << QStringList{"-reverse"} << false << 0 << none << none;
        QTest::newRow("X11's -display and -geometry")
            << en << QStringList{"-display", ":1", "-geometry", "600x400"} << false << 0 << none << none;
        QTest::newRow("--help") << en << QStringList{"--help"} << true << 0 << usage << QString();
        QTest::newRow("-h") << en << QStringList{"-h"} << true << 0 << usage << QString();
        QTest::newRow("help beside a Qt option") << en << QStringList{"-style", "fusion", "--help"} << true << 0 << usage
                                                 << QString();
        QTest::newRow("help wins over version") << en << QStringList{"--version", "--help"} << true << 0 << usage << QString();
        QTest::newRow("--version") << en << QStringList{"--version"} << true << 0 << QString() << QString();
        QTest::newRow("-v") << en << QStringList{"-v"} << true << 0 << QString() << QString();
        QTest::newRow("an unknown long option")
            << en << QStringList{"--bogus"} << true << 2 << "playfair: Unknown option 'bogus'." << usage;
        QTest::newRow("an unknown short option") << en << QStringList{"-x"} << true << 2 << "playfair: Unknown option 'x'."
                                                 << usage;
        QTest::newRow("a mistake wins over help")
            << en << QStringList{"--help", "--bogus"} << true << 2 << "playfair: Unknown option 'bogus'." << usage;
        QTest::newRow("two unknown options, one line")
            << en << QStringList{"--bogus", "--also"} << true << 2 << "playfair: Unknown options: bogus, also." << usage;
        QTest::newRow("a stray argument")
            << en << QStringList{"message.txt"} << true << 2 << "playfair: Unexpected argument 'message.txt'." << usage;
        QTest::newRow("a file with --practice")
            << en << QStringList{"--practice", "cipher.txt"} << true << 2 << "playfair: Unexpected argument 'cipher.txt'."
            << usage;
        QTest::newRow("two files with --break")
            << en << QStringList{"--break", "a.txt", "b.txt"} << true << 2 << "playfair: Unexpected argument 'b.txt'."
            << usage;
        QTest::newRow("--break with --practice")
            << en << QStringList{"--break", "--practice"} << true << 2
            << "playfair: --practice and --break open different windows: give one of them." << usage;
        QTest::newRow("a Qt option without its value")
            << en << QStringList{"-style"} << true << 2 << "playfair: Missing value after '-style'." << usage;
        QTest::newRow("help is not a value of ours")
            << en << QStringList{"--help=yes"} << true << 2 << "playfair: Unexpected value after '--help'." << usage;
        const QString bgUsage = QStringLiteral("Употреба: playfair [опции]");
        QTest::newRow("--help in Bulgarian") << bg << QStringList{"--help"} << true << 0 << bgUsage
                                             << QStringLiteral("          playfair --break [ФАЙЛ]");
        QTest::newRow("an unknown option in Bulgarian")
            << bg << QStringList{"--bogus"} << true << 2 << "playfair: Непозната опция „bogus“." << bgUsage;
        QTest::newRow("two unknown options in Bulgarian")
            << bg << QStringList{"--bogus", "-x"} << true << 2 << "playfair: Непознати опции: bogus, x." << bgUsage;
        QTest::newRow("a stray argument in Bulgarian")
            << bg << QStringList{"message.txt"} << true << 2 << "playfair: Неочакван аргумент „message.txt“." << bgUsage;
        QTest::newRow("--break with --practice in Bulgarian")
            << bg << QStringList{"--break", "--practice"} << true << 2
            << "playfair: --practice и --break отварят различни прозорци: дайте само едното." << bgUsage;
        QTest::newRow("a Qt option without its value, in Bulgarian")
            << bg << QStringList{"-style"} << true << 2 << "playfair: Липсва стойност след „-style“." << bgUsage;
        QTest::newRow("help is not a value of ours, in Bulgarian")
            << bg << QStringList{"--help=yes"} << true << 2 << "playfair: Неочаквана стойност след „--help“."
            << bgUsage;
    }

    void parse()
    {
        QFETCH(UiLanguage, language);
        QFETCH(QStringList, arguments);
        QFETCH(bool, finished);
        QFETCH(int, exitStatus);
        QFETCH(QString, firstLine);
        QFETCH(QString, secondLine);

        if (QByteArray(QTest::currentDataTag()) != "an empty argv opens the window")
            arguments.prepend(QStringLiteral("/usr/bin/playfair"));
        const CommandLine commandLine = parseCommandLine(arguments, language);
        QCOMPARE(commandLine.finished, finished);
        QCOMPARE(commandLine.exitStatus, exitStatus);
        QCOMPARE(commandLine.window, CommandLine::Window::Main);
        if (!finished) {
            QVERIFY(commandLine.output.isEmpty());
            return;
        }
        QVERIFY(commandLine.output.endsWith(u'\n'));
        const QStringList lines = commandLine.output.split(u'\n');
        if (!firstLine.isEmpty())
            QCOMPARE(lines.value(0), firstLine);
        if (!secondLine.isEmpty())
            QCOMPARE(lines.value(1), secondLine);
    }

    // The window a command line opens, and the file it reads.
    void window_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("file");

        const int breakWindow = int(CommandLine::Window::Break);
        QTest::newRow("the main window by default") << QStringList{} << int(CommandLine::Window::Main) << "";
        QTest::newRow("--practice") << QStringList{"--practice"} << int(CommandLine::Window::Practice) << "";
        QTest::newRow("--practice beside a Qt option")
            << QStringList{"-style", "fusion", "--practice"} << int(CommandLine::Window::Practice) << "";
        QTest::newRow("--break alone") << QStringList{"--break"} << breakWindow << "";
        QTest::newRow("--break FILE") << QStringList{"--break", "cipher.txt"} << breakWindow << "cipher.txt";
        QTest::newRow("FILE --break") << QStringList{"/tmp/c.txt", "--break"} << breakWindow << "/tmp/c.txt";
        QTest::newRow("--break FILE beside a Qt option")
            << QStringList{"--break", "-platform", "xcb", "cipher.txt"} << breakWindow << "cipher.txt";
        QTest::newRow("a file named like an option, after --")
            << QStringList{"--break", "--", "--help"} << breakWindow << "--help";
    }

    void window()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, window);
        QFETCH(QString, file);

        arguments.prepend(QStringLiteral("playfair"));
        const CommandLine commandLine = parseCommandLine(arguments);
        QVERIFY2(!commandLine.finished, qPrintable(commandLine.output));
        QCOMPARE(int(commandLine.window), window);
        QCOMPARE(commandLine.file, file);
    }

    // The help lists our options and keeps Qt's own out of the list.
    void help()
    {
        const QString text
            = parseCommandLine({QStringLiteral("playfair"), QStringLiteral("--help")}, UiLanguage::English).output;
        QVERIFY2(text.contains(QLatin1String("-h, --help")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("-v, --version")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("--practice")), qPrintable(text));
        QVERIFY2(text.contains(QLatin1String("--break")), qPrintable(text));
        QCOMPARE(text.section(u'\n', 1, 1), QStringLiteral("       playfair --break [FILE]"));
        for (const char *hidden : {"--platform", "--style", "--display", "--widgetcount", "<executable_name>"})
            QVERIFY2(!text.contains(QLatin1String(hidden)), hidden);
    }

    // A mistake prints the same help after its one line.
    void mistakeShowsTheHelp()
    {
        const QString help = parseCommandLine({QStringLiteral("playfair"), QStringLiteral("--help")}).output;
        const QString mistake = parseCommandLine({QStringLiteral("playfair"), QStringLiteral("--bogus")}).output;
        QCOMPARE(mistake.section(u'\n', 1), help);
    }

    void version()
    {
        const QString text = parseCommandLine({QStringLiteral("playfair"), QStringLiteral("--version")}).output;
        const QStringList lines = text.split(u'\n');
        QVERIFY2(QRegularExpression(QStringLiteral("^playfair \\d+\\.\\d+\\.\\d+$")).match(lines.value(0)).hasMatch(),
                 qPrintable(text));
        QVERIFY2(lines.value(1).startsWith(QLatin1String("License GPLv3+")), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
