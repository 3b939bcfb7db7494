// Colouring pages: assets/pages/pageN.svg, black line art on white, becomes resource "pageN" of
// type "image": a 660 by 444 one-bit BMP of exactly 37358 bytes at 2677 pixels per metre.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <regex>
#include <stdexcept>

#include "BuiltResource.h"
#include "LineArt.h"
#include "raster/BmpCodec.h"

namespace assets {

namespace {

constexpr int kWidth = 660;
constexpr int kHeight = 444;
// Areas smaller than this are closed: a child's fill must be able to find every area.
constexpr int kSmallestArea = 80;

raster::Bitmap renderPage(const std::filesystem::path& drawing)
{
    QSvgRenderer renderer(QString::fromStdString(drawing.string()));
    if (!renderer.isValid())
        throw std::runtime_error(drawing.string() + ": not a drawing that QtSvg can read");
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, kWidth, kHeight));
    }
    return lineArtFrom(image);
}

}  // namespace

std::vector<BuiltResource> buildPages(const std::filesystem::path& assetsFolder)
{
    const std::regex pageName("page([1-9][0-9]?)\\.svg");
    std::vector<BuiltResource> pages;
    if (!std::filesystem::is_directory(assetsFolder / "pages"))
        return pages;
    for (const auto& entry : std::filesystem::directory_iterator(assetsFolder / "pages")) {
        std::smatch match;
        const std::string file = entry.path().filename().string();
        if (!std::regex_match(file, match, pageName))
            continue;
        raster::Bitmap page = renderPage(entry.path());
        closeSpecks(page, kSmallestArea);
        const raster::Colour table[] = {raster::kBlack, raster::kWhite};
        auto bytes = raster::encodeBmp1(page, table, {.pixelsPerMetre = 2677, .recordImageSize = false});
        if (!bytes)
            throw std::runtime_error(file + ": " + bytes.error);
        pages.push_back({"page" + match[1].str(), "image", std::move(*bytes.value)});
    }
    // Directory order differs between file systems; the table must not.
    std::sort(pages.begin(), pages.end(), [](const BuiltResource& a, const BuiltResource& b) {
        return a.name.size() != b.name.size() ? a.name.size() < b.name.size() : a.name < b.name;
    });
    return pages;
}

}  // namespace assets
