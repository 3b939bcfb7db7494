#pragma once

#include <string>
#include <string_view>

// The rules for the names a child types: the child's own name on the name screen and the
// names of saved pictures. A name becomes part of a folder or file name, so the characters
// that would leave the folder or break the name are refused however the text arrives
// (typed, pasted or from the command line).
namespace dabwick {

inline constexpr std::size_t kMaxNameLength = 20;

// \ / : * ? " < > | and the full stop.
bool isForbiddenNameCharacter(char32_t c);

// The text with every forbidden character (and control character) removed and cut to 20
// characters (not bytes), the way the name box would have taken it when typed.
std::string cleanName(std::string_view text);

// Empty, or made only of spaces: counts as no name at all.
bool isBlankName(std::string_view name);

}  // namespace dabwick
