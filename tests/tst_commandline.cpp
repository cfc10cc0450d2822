#include "ui/commandline.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
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
            << "playfair: --practice, --break and --by-hand open different windows: give one of them." << usage;
        QTest::newRow("--by-hand with --break")
            << en << QStringList{"--by-hand", "--break", "a.txt"} << true << 2
            << "playfair: --practice, --break and --by-hand open different windows: give one of them." << usage;
        QTest::newRow("two files with --by-hand")
            << en << QStringList{"--by-hand", "a.txt", "b.txt"} << true << 2 << "playfair: Unexpected argument 'b.txt'."
            << usage;
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
            << "playfair: --practice, --break и --by-hand отварят различни прозорци: дайте само едното." << bgUsage;
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
        const int byHandWindow = int(CommandLine::Window::ByHand);
        QTest::newRow("--by-hand alone") << QStringList{"--by-hand"} << byHandWindow << "";
        QTest::newRow("--by-hand FILE") << QStringList{"--by-hand", "cipher.txt"} << byHandWindow << "cipher.txt";
        QTest::newRow("FILE --by-hand beside a Qt option")
            << QStringList{"cipher.txt", "-style", "fusion", "--by-hand"} << byHandWindow << "cipher.txt";
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

    // --class-set and its options: the choices they make, or the one line
    // of a mistake with status 2. In the arguments, NAMES stands for a file
    // of three names (one blank line, one of control characters only),
    // EMPTY for a file with no names, FOLDER for a folder, MISSING for a
    // file that is not there and HUGE for one of 2 MB.
    void classSet_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error"); // empty: no mistake
        QTest::addColumn<QString>("choices"); // variants/names/direction/pairs/square/set number

        const QString none;
        QTest::newRow("the least") << QStringList{"--class-set", "25", "--output", "set.pdf"} << none
                                   << "25/0/E/10/square/0";
        QTest::newRow("everything") << QStringList{"--class-set", "40", "--output", "set.pdf", "--names", "NAMES",
                                                   "--set-number", "999999", "--mixed", "--pairs", "20",
                                                   "--key-word-only"}
                                    << none << "40/3/M/20/key word/999999";
        QTest::newRow("decrypt, one variant, 5 pairs")
            << QStringList{"--decrypt", "--pairs=5", "--class-set=1", "--output=a b.pdf", "--set-number", "1"} << none
            << "1/0/D/5/square/1";
        QTest::newRow("as many names as variants") << QStringList{"--class-set", "3", "--output", "x.pdf", "--names", "NAMES"}
                                                   << none << "3/3/E/10/square/0";
        const auto mistake = [](const char *name, const QStringList &arguments, const char *error) {
            QTest::newRow(name) << arguments << QString::fromUtf8(error) << QString();
        };
        mistake("0 variants", {"--class-set", "0", "--output", "x.pdf"},
                "playfair: --class-set takes a number of variants from 1 to 40, not '0'.");
        mistake("41 variants", {"--class-set", "41", "--output", "x.pdf"},
                "playfair: --class-set takes a number of variants from 1 to 40, not '41'.");
        mistake("variants not a number", {"--class-set", "many", "--output", "x.pdf"},
                "playfair: --class-set takes a number of variants from 1 to 40, not 'many'.");
        mistake("no output", {"--class-set", "5"}, "playfair: --class-set needs --output FILE.pdf: the file to write the set to.");
        mistake("4 pairs", {"--class-set", "5", "--output", "x.pdf", "--pairs", "4"},
                "playfair: --pairs takes a number of pairs from 5 to 20, not '4'.");
        mistake("21 pairs", {"--class-set", "5", "--output", "x.pdf", "--pairs", "21"},
                "playfair: --pairs takes a number of pairs from 5 to 20, not '21'.");
        mistake("set number 0", {"--class-set", "5", "--output", "x.pdf", "--set-number", "0"},
                "playfair: --set-number takes a number from 1 to 999999, not '0'.");
        mistake("set number too large", {"--class-set", "5", "--output", "x.pdf", "--set-number", "99999999999"},
                "playfair: --set-number takes a number from 1 to 999999, not '99999999999'.");
        mistake("two directions", {"--class-set", "5", "--output", "x.pdf", "--decrypt", "--mixed"},
                "playfair: --decrypt and --mixed are different directions: give one of them.");
        mistake("more names than variants", {"--class-set", "2", "--output", "x.pdf", "--names", "NAMES"},
                "playfair: The names file 'NAMES' has 3 names but the variants are 2: give --class-set 3.");
        mistake("a names file that is not there", {"--class-set", "5", "--output", "x.pdf", "--names", "MISSING"},
                "playfair: The names file 'MISSING' cannot be read.");
        mistake("a folder for a names file", {"--class-set", "5", "--output", "x.pdf", "--names", "FOLDER"},
                "playfair: The names file 'FOLDER' cannot be read.");
        mistake("a names file with no names", {"--class-set", "5", "--output", "x.pdf", "--names", "EMPTY"},
                "playfair: The names file 'EMPTY' has no names in it.");
        mistake("a names file too large", {"--class-set", "5", "--output", "x.pdf", "--names", "HUGE"},
                "playfair: The names file 'HUGE' is larger than 1 MB: that is no class list.");
        mistake("an option of the set without it", {"--pairs", "5"}, "playfair: --pairs goes with --class-set.");
        mistake("a class set and a window", {"--class-set", "5", "--output", "x.pdf", "--practice"},
                "playfair: --class-set opens no window: it cannot go with --practice, --break or --by-hand.");
    }

    void classSet()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QFETCH(QString, choices);

        QTemporaryDir folder;
        const auto write = [&folder](const QString &name, const QByteArray &bytes) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(QStringLiteral("names.txt"), "Иван Петров\n\n\x01\x02\nМария\r\n\xd8\xb9\xd9\x84\xd9\x8a\n");
        write(QStringLiteral("empty.txt"), "\n  \n\t\n");
        write(QStringLiteral("huge.txt"), QByteArray(2 << 20, 'A'));
        const QHash<QString, QString> files{{QStringLiteral("NAMES"), folder.filePath(QStringLiteral("names.txt"))},
                                            {QStringLiteral("EMPTY"), folder.filePath(QStringLiteral("empty.txt"))},
                                            {QStringLiteral("HUGE"), folder.filePath(QStringLiteral("huge.txt"))},
                                            {QStringLiteral("FOLDER"), folder.path()},
                                            {QStringLiteral("MISSING"), folder.filePath(QStringLiteral("missing.txt"))}};
        for (QString &argument : arguments)
            argument = files.value(argument, argument);
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            error.replace(u'\'' + it.key() + u'\'', u'\'' + it.value() + u'\'');
        arguments.prepend(QStringLiteral("playfair"));

        const CommandLine commandLine = parseCommandLine(arguments, UiLanguage::English);
        if (!error.isEmpty()) {
            QVERIFY(commandLine.finished);
            QCOMPARE(commandLine.exitStatus, 2);
            QCOMPARE(commandLine.output, error + u'\n'); // one line, without the help
            return;
        }
        QVERIFY2(!commandLine.finished, qPrintable(commandLine.output));
        QVERIFY(commandLine.classSet);
        const ClassSetChoices &made = commandLine.classSetChoices;
        const char *directions = "EDM";
        QCOMPARE(QStringLiteral("%1/%2/%3/%4/%5/%6")
                     .arg(made.variants)
                     .arg(made.names.size())
                     .arg(QLatin1Char(directions[int(made.direction)]))
                     .arg(made.pairs)
                     .arg(made.squareShown ? "square" : "key word")
                     .arg(made.setNumber),
                 choices);
        QVERIFY(commandLine.outputFile.endsWith(QLatin1String(".pdf")));
        if (!made.names.isEmpty())
            QCOMPARE(made.names, (QStringList{QStringLiteral("Иван Петров"), QStringLiteral("Мария"), QStringLiteral("علي")}));
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
        QCOMPARE(text.section(u'\n', 2, 2), QStringLiteral("       playfair --by-hand [FILE]"));
        QVERIFY2(text.contains(QLatin1String("--by-hand")), qPrintable(text));
        QCOMPARE(text.section(u'\n', 3, 3),
                 QStringLiteral("       playfair --class-set N --output FILE.pdf [--names FILE] [--set-number NUMBER]"));
        for (const char *option : {"--class-set <N>", "--output <FILE.pdf>", "--names <FILE>", "--set-number <NUMBER>",
                                   "--decrypt", "--mixed", "--pairs <N>", "--key-word-only"})
            QVERIFY2(text.contains(QLatin1String(option)), option);
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
