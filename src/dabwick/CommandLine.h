#pragma once

#include <string>
#include <string_view>
#include <vector>

// The command line as a launcher passes it: one switch, "/U" followed by the child's name,
// with escapes for the characters that would otherwise end or split the value.
namespace dabwick {

// Joins the arguments with single spaces, trims the ends and turns every '-' or '/' that is
// followed by a character into the switch mark '/', upper-casing that next character.
std::string BuildCommandLine(const std::vector<std::string>& arguments);

// The decoded value of the switch "/" + letter: at most 255 bytes after the key, up to the
// next '/'; empty when the switch is absent.
std::string GetSwitchValue(const std::string& commandLine, char letter);

// Undoes the escapes %b (space), %q (double quote), %p (percent), %d (hyphen) and %s (slash),
// letters in either case; any other escape, and a lone '%' at the end, output nothing.
std::string DecodeSwitchText(std::string_view text);

}  // namespace dabwick
