#pragma once

#include <QByteArray>

namespace playfair::testing {

// What the monkey is doing, for a run that ends in a crash rather than in a
// broken rule: a fatal signal, a sanitizer's report or a watchdog's abort
// then prints the seed and the action under way before the process dies.
//
// install() once; say() before every action (it copies into a fixed buffer,
// so the dying process has nothing to allocate).
namespace lastWords {

void install();
void say(const QByteArray &words);

} // namespace lastWords

} // namespace playfair::testing
