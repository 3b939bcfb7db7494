#include "dabwick/CommandLine.h"

namespace dabwick {

namespace {

// Blanks and control characters, as the classic Trim removes them.
bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Cuts at most `limit` bytes without splitting a UTF-8 character.
std::string_view prefixBytes(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

}  // namespace

std::string BuildCommandLine(const std::vector<std::string>& arguments)
{
    std::string joined;
    for (const std::string& argument : arguments)
        joined += " " + argument;
    std::string text(trimBlanks(joined));
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '-' || text[i] == '/') {
            text[i] = '/';
            text[i + 1] = upperAscii(text[i + 1]);
        }
    }
    return text;
}

std::string GetSwitchValue(const std::string& commandLine, char letter)
{
    if (commandLine.empty())
        return {};
    const std::string key = {'/', upperAscii(letter)};
    const std::size_t at = commandLine.find(key);
    if (at == std::string::npos)
        return {};
    std::string_view value = prefixBytes(std::string_view(commandLine).substr(at + key.size()), 255);
    value = value.substr(0, value.find('/'));
    return DecodeSwitchText(value);
}

std::string DecodeSwitchText(std::string_view text)
{
    text = trimBlanks(text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            break;
        switch (upperAscii(text[i])) {
        case 'B': out += ' '; break;
        case 'Q': out += '"'; break;
        case 'P': out += '%'; break;
        case 'D': out += '-'; break;
        case 'S': out += '/'; break;
        default: break;
        }
    }
    return out;
}

}  // namespace dabwick
