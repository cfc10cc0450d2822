#pragma once

// How playfair-break reads its input: a file or standard input, up to 1 MiB
// (no ciphertext is longer), within the time limit but for a person typing.

#include <chrono>
#include <optional>
#include <string>

namespace playfair::breakcommand {

// Reads the ciphertext from `path` (standard input for "-"), at most 1 MiB,
// waiting for it no longer than `patience` unless a person types it on the
// terminal (then `program` tells them how to end it). Returns an error
// message, or nothing with the text read. `what` names the text in the
// messages ("ciphertext", or "message" for another program's input).
std::optional<std::string> readInput(const char *program, const std::string &path, std::chrono::milliseconds patience,
                                     std::string &text, const char *what = "ciphertext");

} // namespace playfair::breakcommand
