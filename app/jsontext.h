#pragma once

#include <string>

namespace playfair {

// A string as JSON writes it, for the commands' --json output. Their texts
// are letters, digits and plain punctuation, so only quotes and
// backslashes need escaping.
inline std::string jsonString(const std::string &text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace playfair
