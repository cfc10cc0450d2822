#pragma once

namespace playfair {

struct CommandLine;

// playfair --class-set: makes the set the command line asks for and writes
// it to its output file without a window (on Qt's offscreen platform, which
// needs no display), then prints one line naming the file and the set's
// number on standard output. A file that cannot be written gives one line on
// standard error and status 1, and leaves no file. Returns the exit status.
int writeClassSetOf(const CommandLine &commandLine, int &argc, char **argv);

} // namespace playfair
