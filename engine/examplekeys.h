#pragma once

#include <string_view>
#include <vector>

namespace playfair {

// The key words the program itself offers: the main window's start key word
// and those the exercise window draws its tasks from (Bulgarian in Latin
// letters, then English). The solver tries them before any other, so that
// the program's own examples break at once.
const std::vector<std::string_view> &exerciseKeyWords();
const std::vector<std::string_view> &exampleKeyWords(); // the start key word, then the exercise key words

} // namespace playfair
