#include "dabwick/ChildName.h"

namespace dabwick {

bool isForbiddenNameCharacter(char32_t c)
{
    switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|': case '.':
        return true;
    default:
        return c < 0x20 || c == 0x7F;
    }
}

std::string cleanName(std::string_view text)
{
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size() && characters < kMaxNameLength;) {
        // One UTF-8 character: its lead byte and the continuation bytes after it.
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0x80 || !isForbiddenNameCharacter(lead)) {
            out.append(text.substr(i, length));
            ++characters;
        }
        i += length;
    }
    return out;
}

bool isBlankName(std::string_view name)
{
    return name.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace dabwick
