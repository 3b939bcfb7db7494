#include "dabwick/Names.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace dabwick {

namespace {

char foldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Iterative wildcard match with one backtrack point: linear enough for file names.
bool matchFrom(std::string_view name, std::string_view mask)
{
    std::size_t n = 0, m = 0, starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || foldAscii(mask[m]) == foldAscii(name[n]))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

// Whether the entry stands for the name, ignoring case, better than the best found so far: the
// smallest spelling wins, so the answer does not depend on the order the folder lists them in.
bool spellsBetter(const std::string& entry, std::string_view name, const std::string* best)
{
    return sameNameIgnoringCase(entry, name) && (!best || entry < *best);
}

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

bool lessIgnoringCase(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldAscii(x)) < static_cast<unsigned char>(foldAscii(y));
    });
}

std::string toUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return out;
}

std::string toLowerAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = foldAscii(c);
    return out;
}

bool matchesMask(std::string_view name, std::string_view mask)
{
    return matchFrom(name, mask);
}

std::optional<std::string> findEntry(const std::string& folder, std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return std::nullopt;
    std::error_code ec;
    const fs::path dir = folder.empty() ? fs::path(".") : fs::path(folder);
    if (fs::symlink_status(dir / std::string(name), ec).type() != fs::file_type::not_found && !ec)
        return std::string(name);
    std::optional<std::string> found;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (spellsBetter(entry, name, found ? &*found : nullptr))
            found = entry;
    }
    return found;
}

FolderListing::FolderListing(const std::string& folder)
    : folder_(resolveIgnoringCase(folder))
{
    std::error_code ec;
    for (fs::directory_iterator it(folder_.empty() ? "." : folder_, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code linkError;
        entries_.push_back({it->path().filename().string(), it->exists(linkError)});
    }
}

bool FolderListing::holds(std::string_view name) const
{
    const Entry* found = nullptr;
    for (const Entry& entry : entries_) {
        if (entry.name == name)
            return entry.exists;
        if (spellsBetter(entry.name, name, found ? &found->name : nullptr))
            found = &entry;
    }
    return found && found->exists;
}

std::string resolveIgnoringCase(const std::string& path)
{
    if (path.empty())
        return path;
    const fs::path input(path);
    fs::path resolved = input.root_path();
    bool missing = false;
    for (const fs::path& part : input.relative_path()) {
        const std::string name = part.string();
        if (name.empty())
            continue;
        if (!missing && name != "." && name != "..") {
            const std::string folder = resolved.empty() ? std::string() : resolved.string();
            if (auto stored = findEntry(folder, name)) {
                resolved /= *stored;
                continue;
            }
            missing = true;
        }
        resolved /= name;
    }
    std::string out = resolved.string();
    if (path.back() == '/' && (out.empty() || out.back() != '/'))
        out += '/';
    return out;
}

bool existsIgnoringCase(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && fs::exists(resolveIgnoringCase(path), ec);
}

std::vector<std::string> listFolder(const std::string& folder, std::string_view mask, EntryKind kind)
{
    std::vector<std::string> names;
    std::error_code ec;
    const std::string dir = resolveIgnoringCase(folder.empty() ? std::string(".") : folder);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (typeError || isFolder != (kind == EntryKind::Folders))
            continue;
        std::string name = it->path().filename().string();
        if (matchesMask(name, mask))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lessIgnoringCase(a, b) || (!lessIgnoringCase(b, a) && a < b);
    });
    return names;
}

}  // namespace dabwick
