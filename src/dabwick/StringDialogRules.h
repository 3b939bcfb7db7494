#pragma once

#include <string>
#include <string_view>

namespace dabwick {

enum class TqyStringDialogCharacterType { sdcNumbers, sdcLetters, sdcBoth };
enum class TqyStringDialogType { sddGeneral, sddFileName };
enum class TqyCharCase { Normal, Upper, Lower };

// What the string dialog lets into its box. Typing filter: with sdcNumbers only the digits and
// . + - * / = $ % pass, sdcLetters refuses the digits, sdcBoth passes everything; then a file
// name refuses \ / : * ? " < > |, the full stop and control characters. Refused keys are dropped
// without a word.
struct StringDialogRules {
    TqyStringDialogCharacterType CharType = TqyStringDialogCharacterType::sdcBoth;
    TqyStringDialogType DialogType = TqyStringDialogType::sddGeneral;
    TqyCharCase CharCase = TqyCharCase::Normal;
    int MaxLength = 0;  // in characters; 0 is no limit

    bool accepts(char32_t character) const;
    // The text without its refused characters, in the letter case asked for and cut to
    // MaxLength: what typing or pasting it would leave in the box.
    std::string filtered(std::string_view text) const;
    // The text the dialog starts with: a text holding any refused character starts empty.
    std::string startingText(std::string_view text) const;
    // A key typing a refused character is dropped before it reaches the box, so it cannot
    // replace selected text. Keys typing nothing or a control character (backspace, Enter, the
    // editing shortcuts) always go through.
    bool refusesKey(std::string_view typed) const;
};

}  // namespace dabwick
