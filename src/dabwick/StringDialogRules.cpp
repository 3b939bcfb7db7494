#include "dabwick/StringDialogRules.h"

#include "dabwick/ChildName.h"
#include "dabwick/Names.h"

namespace dabwick {

namespace {

bool isDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool isArithmetic(char32_t c)
{
    switch (c) {
    case '.':
    case '+':
    case '-':
    case '*':
    case '/':
    case '=':
    case '$':
    case '%':
        return true;
    default:
        return false;
    }
}

// Calls visit(character, its UTF-8 bytes) for each character; a stray continuation byte
// counts as a character of its own.
template <typename Visit> void forEachCharacter(std::string_view text, Visit visit)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        // Only ASCII matters to the rules, so other characters need not be decoded exactly.
        const char32_t c = lead < 0x80 ? lead : 0x80;
        visit(c, text.substr(i, length));
        i += length;
    }
}

}  // namespace

bool StringDialogRules::accepts(char32_t c) const
{
    switch (CharType) {
    case TqyStringDialogCharacterType::sdcNumbers:
        if (!isDigit(c) && !isArithmetic(c))
            return false;
        break;
    case TqyStringDialogCharacterType::sdcLetters:
        if (isDigit(c))
            return false;
        break;
    case TqyStringDialogCharacterType::sdcBoth:
        break;
    }
    return DialogType != TqyStringDialogType::sddFileName || !isForbiddenNameCharacter(c);
}

std::string StringDialogRules::filtered(std::string_view text) const
{
    std::string kept;
    int characters = 0;
    forEachCharacter(text, [&](char32_t c, std::string_view bytes) {
        if (accepts(c) && (MaxLength <= 0 || characters < MaxLength)) {
            kept.append(bytes);
            ++characters;
        }
    });
    switch (CharCase) {
    case TqyCharCase::Normal:
        return kept;
    case TqyCharCase::Upper:
        return toUpperAscii(kept);
    case TqyCharCase::Lower:
        return toLowerAscii(kept);
    }
    return kept;
}

std::string StringDialogRules::startingText(std::string_view text) const
{
    bool bad = false;
    forEachCharacter(text, [&](char32_t c, std::string_view) { bad = bad || !accepts(c); });
    return bad ? std::string() : filtered(text);
}

bool StringDialogRules::refusesKey(std::string_view typed) const
{
    bool control = typed.empty();
    bool refused = false;
    forEachCharacter(typed, [&](char32_t c, std::string_view) {
        control = control || c < 0x20 || c == 0x7F;
        refused = refused || !accepts(c);
    });
    return refused && !control;
}

}  // namespace dabwick
