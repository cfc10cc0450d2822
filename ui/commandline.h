#pragma once

#include "workspace/classset.h"
#include "workspace/uilanguage.h"

#include <QString>
#include <QStringList>

namespace playfair {

// What the command line asks the program to do. It is read before any
// QApplication exists, so --help, --version and a mistyped option are
// answered on a terminal without a display.
struct CommandLine
{
    // The window to open.
    enum class Window { Main, Practice, Break, ByHand };
    Window window = Window::Main;
    // The file given with --break or --by-hand, whose text is the
    // ciphertext; may be empty.
    QString file;

    // --class-set: the set to write to `outputFile` with no window. A set
    // number of 0 (none given) is drawn when the set is made.
    bool classSet = false;
    ClassSetChoices classSetChoices;
    QString outputFile;

    // Set for --help, --version and mistakes: print `output` and end with
    // `exitStatus` (0 after help or version, printed to standard output; 2
    // after a mistake, printed to standard error), opening no window.
    bool finished = false;
    int exitStatus = 0;
    QString output;
};

// `arguments` as main() received them, the program first. Qt's own options
// (-platform, -style, -display and the like) are accepted and left in argv
// for QApplication to take. The help and the mistakes are written in
// `language`, or in the one the program starts in (see translations.h).
CommandLine parseCommandLine(const QStringList &arguments);
CommandLine parseCommandLine(const QStringList &arguments, UiLanguage language);

QStringList argumentsOf(int argc, char **argv);

// Prints what a finished command line says to print, and returns its exit status.
int finishCommandLine(const CommandLine &commandLine);

} // namespace playfair
