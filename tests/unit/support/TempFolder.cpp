#include "support/TempFolder.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

#include "raster/BmpCodec.h"

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "dabwick-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern + "/";
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    // Tests take write permission away from folders; give it back so everything can go.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempFolder::write(const std::string& relative, const std::string& content) const
{
    const fs::path full = fs::path(path_) / relative;
    fs::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
}

std::string TempFolder::writeBitmap(const std::string& relative, const raster::Bitmap& picture) const
{
    const std::vector<std::uint8_t> bytes = raster::encodeBmp24(picture);
    return write(relative, std::string(bytes.begin(), bytes.end()));
}

std::string TempFolder::read(const std::string& relative) const
{
    std::ifstream in(fs::path(path_) / relative, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool TempFolder::exists(const std::string& relative) const
{
    return fs::exists(fs::path(path_) / relative);
}

std::string TempFolder::makeFolder(const std::string& relative) const
{
    fs::create_directories(fs::path(path_) / relative);
    return path_ + relative + (relative.empty() || relative.back() == '/' ? "" : "/");
}
