// The fifteen instruction pages (HTML, kept under the resource type the program has always
// looked them up by) and the pictures they and the instructions window show, drawn as SVG and
// rendered here to PNG at their own size.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

#include "BuiltResource.h"

namespace assets {

namespace {

constexpr int kPageCount = 15;
constexpr const char* kPageType = "RTF";
constexpr const char* kImageType = "INSTIMAGE";

std::vector<std::uint8_t> readWhole(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> renderSvgAsPng(const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> source = readWhole(path);
    QSvgRenderer renderer(QByteArray(reinterpret_cast<const char*>(source.data()), qsizetype(source.size())));
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        throw std::runtime_error("not a drawable SVG: " + path.string());

    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("cannot encode " + path.string());
    return {png.begin(), png.end()};
}

// A page that names a picture nobody drew would show a broken image: refuse it here. Names
// without ".png" are the program's button glyphs, which the pages show beside the button's name.
void checkPictures(const std::string& page, const std::vector<std::uint8_t>& html, const std::set<std::string>& drawn)
{
    static const QRegularExpression imageSource(
        R"re(<img\b[^>]*\bsrc\s*=\s*"([^"]+)")re", QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(html.data()), qsizetype(html.size()));
    for (auto match = imageSource.globalMatch(text); match.hasNext();) {
        std::string name = match.next().captured(1).toStdString();
        if (name.ends_with(".png") && !drawn.contains(name))
            throw std::runtime_error(page + " shows " + name.append(", which has no SVG in instructions/images"));
    }
}

}  // namespace

std::vector<BuiltResource> buildInstructions(const std::filesystem::path& assetsFolder)
{
    const std::filesystem::path folder = assetsFolder / "instructions";
    std::vector<BuiltResource> built;

    std::vector<std::filesystem::path> drawings;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "images")) {
        if (entry.path().extension() == ".svg")
            drawings.push_back(entry.path());
    }
    std::sort(drawings.begin(), drawings.end());
    std::set<std::string> drawn;
    for (const std::filesystem::path& drawing : drawings) {
        const std::string name = drawing.stem().string() + ".png";
        drawn.insert(name);
        built.push_back({name, kImageType, renderSvgAsPng(drawing)});
    }

    for (int i = 0; i < kPageCount; ++i) {
        const std::string name = "inst" + std::to_string(i);
        std::vector<std::uint8_t> html = readWhole(folder / (name + ".html"));
        checkPictures(name, html, drawn);
        built.push_back({name, kPageType, std::move(html)});
    }
    return built;
}

}  // namespace assets
