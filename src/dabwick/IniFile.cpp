#include "dabwick/IniFile.h"

#include <charconv>
#include <filesystem>

#include "dabwick/Names.h"
#include "platform/Files.h"

namespace dabwick {

namespace {

std::string_view trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string singleLine(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return out;
}

}  // namespace

IniFile IniFile::parse(std::string_view text)
{
    IniFile ini;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        // A line keeps its own ending bytes (such as '\r'), so untouched lines are written back as read.
        const std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        Line line{std::string(raw), {}, {}, {}};
        const std::string_view content = trim(raw);
        if (content.size() >= 2 && content.front() == '[' && content.back() == ']') {
            line.section = std::string(trim(content.substr(1, content.size() - 2)));
        } else if (const std::size_t eq = content.find('='); eq != std::string_view::npos && content.front() != ';') {
            line.key = std::string(trim(content.substr(0, eq)));
            std::string_view value = trim(content.substr(eq + 1));
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
                value = value.substr(1, value.size() - 2);
            line.value = std::string(value);
        }
        ini.lines_.push_back(std::move(line));
    }
    return ini;
}

std::string IniFile::text() const
{
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += '\n';
    }
    return out;
}

std::size_t IniFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!lines_[i].section.empty() && sameNameIgnoringCase(lines_[i].section, trim(section)))
            return i;
    }
    return std::string::npos;
}

std::size_t IniFile::findKey(std::size_t sectionLine, std::string_view key) const
{
    for (std::size_t i = sectionLine + 1; i < lines_.size() && lines_[i].section.empty(); ++i) {
        if (!lines_[i].key.empty() && sameNameIgnoringCase(lines_[i].key, trim(key)))
            return i;
    }
    return std::string::npos;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const std::size_t header = findSection(section);
    if (header == std::string::npos)
        return std::nullopt;
    const std::size_t line = findKey(header, key);
    if (line == std::string::npos)
        return std::nullopt;
    return lines_[line].value;
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return value(section, key).value_or(std::string(fallback));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const
{
    const std::optional<std::string> text = value(section, key);
    if (!text)
        return fallback;
    std::string_view digits = trim(*text);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    int result = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.empty())
        return fallback;
    return result;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const
{
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string cleanKey(trim(singleLine(key)));
    Line line{cleanKey + "=" + singleLine(value), {}, cleanKey, std::string(trim(singleLine(value)))};

    std::size_t header = findSection(section);
    if (header == std::string::npos) {
        const std::string cleanSection(trim(singleLine(section)));
        lines_.push_back(Line{"[" + cleanSection + "]", cleanSection, {}, {}});
        lines_.push_back(std::move(line));
        return;
    }
    if (const std::size_t existing = findKey(header, key); existing != std::string::npos) {
        lines_[existing] = std::move(line);
        return;
    }
    // A new key goes after the last non-blank line of its section, before any blank gap.
    std::size_t insertAt = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].section.empty(); ++i) {
        if (!trim(lines_[i].raw).empty())
            insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt), std::move(line));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeInteger(section, key, value ? 1 : 0);
}

bool loadIniFile(const std::string& path, IniFile& ini)
{
    ini = IniFile();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return !ec;
    std::string content;
    if (!platform::readSmallFile(path, IniFile::kMaxFileBytes, content) || content.find('\0') != std::string::npos)
        return false;
    ini = IniFile::parse(content);
    return true;
}

bool saveIniFile(const std::string& path, const IniFile& ini, platform::Flush flush)
{
    const std::string text = ini.text();
    return platform::writeFileAtomically(
        path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, nullptr, flush);
}

}  // namespace dabwick
