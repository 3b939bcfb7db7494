// Feeds arbitrary text to the INI reader and checks that writing a key keeps every other line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dabwick/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    dabwick::IniFile ini = dabwick::IniFile::parse(text);
    const std::string before = ini.text();
    ini.readInteger("Quillory.Data", "Flag", 7);

    dabwick::IniFile reparsed = dabwick::IniFile::parse(before);
    if (reparsed.text() != before)
        std::abort();  // parse and print must be a fixed point after one pass

    ini.writeString("Fuzz Section", "Key", text.substr(0, 40));
    const dabwick::IniFile written = dabwick::IniFile::parse(ini.text());
    if (!written.value("fuzz section", "KEY").has_value())
        std::abort();  // a written key must read back
    return 0;
}
