// Stamp clips: the 104 catalogue clips, drawn as assets/clips/<resource name>.svg, and the 61
// lettering clips "text01".."text61", drawn from a font named in assets/clips/lettering.txt.
// Every clip becomes a 64 by 64 BMP resource of type "clip" holding only black lines, white areas
// and one background colour, which the program takes from the bottom-left pixel when it stamps.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <stdexcept>

#include "BuiltResource.h"
#include "SvgRender.h"
#include "raster/BmpCodec.h"

namespace assets {

namespace {

constexpr int kSize = 64;
constexpr raster::Colour kRed = raster::Colour::rgb(255, 0, 0);
constexpr raster::Colour kOlive = raster::Colour::rgb(128, 128, 0);

// The resource prefix and number of clips of each category.
struct Category {
    const char* prefix;
    int count;
};
constexpr Category kCategories[] = {
    {"anima", 18},
    {"natur", 9},
    {"food", 12},
    {"shape", 8},
    {"house", 11},
    {"holid", 16},
    {"block", 3},
    {"borde", 7},
    {"fence", 14},
    {"lines", 6},
};

// Most clips are 4-bit on red. These few are 24-bit on olive, framed by an olive ring as the clip
// maker leaves its own clips, and one is 8-bit on red.
const std::set<std::string> kTrueColourClips = {"block2", "borde2", "borde6", "holid15", "holid16", "holid8", "shape3"};
const std::string kEightBitClip = "holid6";

// The sixteen colours of the classic 16-colour table; the clips use black, white and red of it.
constexpr raster::Colour kSixteenColours[16] = {
    raster::Colour::rgb(0, 0, 0),
    raster::Colour::rgb(128, 0, 0),
    raster::Colour::rgb(0, 128, 0),
    raster::Colour::rgb(128, 128, 0),
    raster::Colour::rgb(0, 0, 128),
    raster::Colour::rgb(128, 0, 128),
    raster::Colour::rgb(0, 128, 128),
    raster::Colour::rgb(192, 192, 192),
    raster::Colour::rgb(128, 128, 128),
    raster::Colour::rgb(255, 0, 0),
    raster::Colour::rgb(0, 255, 0),
    raster::Colour::rgb(255, 255, 0),
    raster::Colour::rgb(0, 0, 255),
    raster::Colour::rgb(255, 0, 255),
    raster::Colour::rgb(0, 255, 255),
    raster::Colour::rgb(255, 255, 255),
};

std::runtime_error failure(const std::string& what, const std::string& why)
{
    return std::runtime_error(what + ": " + why);
}

// Anti-aliased edges are settled here: mostly see-through is background, dark is line, light is area.
raster::Bitmap threeColours(const QImage& image, raster::Colour background)
{
    raster::Bitmap clip(kSize, kSize, background);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) >= 128)
                clip.setPixel(x, y, qGray(pixel) < 128 ? raster::kBlack : raster::kWhite);
        }
    }
    return clip;
}

std::vector<std::uint8_t> encodeClip(raster::Bitmap clip, const std::string& name)
{
    if (kTrueColourClips.count(name)) {
        for (int i = 0; i < kSize; ++i) {
            clip.setPixel(i, 0, kOlive);
            clip.setPixel(i, kSize - 1, kOlive);
            clip.setPixel(0, i, kOlive);
            clip.setPixel(kSize - 1, i, kOlive);
        }
        return raster::encodeBmp24(clip);
    }
    auto bytes
        = name == kEightBitClip ? raster::encodeBmp8(clip, kSixteenColours) : raster::encodeBmp4(clip, kSixteenColours);
    if (!bytes)
        throw failure(name, bytes.error);
    return std::move(*bytes.value);
}

raster::Bitmap drawnClip(const std::filesystem::path& drawing, const std::string& name)
{
    const QImage image = renderSvg(drawing);
    if (image.width() != kSize || image.height() != kSize)
        throw failure(drawing.string(), "a clip is drawn 64 by 64 pixels");
    const bool framed = kTrueColourClips.count(name) > 0;
    raster::Bitmap clip = threeColours(image, framed ? kOlive : kRed);
    // Stamping treats the bottom-left colour as see-through; a line there would make all lines
    // vanish. The framed clips get their olive ring anyway.
    if (!framed && clip.pixel(0, kSize - 1) != kRed)
        throw failure(drawing.string(), "the bottom-left pixel (0, 63) must stay unpainted background");
    return clip;
}

// --- Lettering ---------------------------------------------------------------------------------

constexpr int kLetteringCount = 61;
// Capitals stand this tall, so that the widest marks still fit with their outline.
constexpr double kCapitalHeight = 50;
constexpr double kOutlineWidth = 3;  // centred on the glyph's edge: about two pixels show outside
constexpr double kBaseline = 57;

struct Lettering {
    std::filesystem::path font;
    std::u32string characters;
};

std::u32string decodeUtf8(const std::string& text)
{
    const QString decoded = QString::fromUtf8(text.data(), qsizetype(text.size()));
    std::u32string out;
    for (char32_t c : decoded.toUcs4())
        out += c;
    return out;
}

// lettering.txt: "#" comments, one "font <file name>" line, then the characters in clip order;
// spaces and line breaks between them are only layout.
Lettering readLettering(const std::filesystem::path& source)
{
    std::ifstream in(source);
    if (!in)
        throw failure(source.string(), "cannot be read");
    Lettering lettering;
    std::string fontName;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("font ", 0) == 0) {
            fontName = line.substr(5);
            continue;
        }
        for (char32_t c : decodeUtf8(line)) {
            if (c != U' ' && c != U'\t' && c != U'\r')
                lettering.characters += c;
        }
    }
    if (lettering.characters.size() != kLetteringCount)
        throw failure(source.string(),
            "lists " + std::to_string(lettering.characters.size()) + " characters, not "
                + std::to_string(kLetteringCount));
    for (const char* folder : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
        std::error_code ignored;
        for (auto it = std::filesystem::recursive_directory_iterator(folder, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->path().filename() == fontName)
                lettering.font = it->path();
        }
    }
    if (lettering.font.empty())
        throw failure(source.string(), "font file \"" + fontName + "\" is not installed (fonts-dejavu-core)");
    return lettering;
}

QPainterPath glyphOutline(const QRawFont& font, char32_t character)
{
    const QString text = QString::fromUcs4(&character, 1);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != 1 || glyphs.front() == 0)
        throw failure("lettering", "the font has no glyph for \"" + text.toStdString() + "\"");
    return font.pathForGlyph(glyphs.front());
}

// The glyph at the common size, standing on the common baseline, centred across; marks that would
// not fit (a tall "@", a hanging "(") are moved up or made smaller until they do.
QImage drawLetter(const QRawFont& font, double scale, char32_t character)
{
    QPainterPath path = glyphOutline(font, character);
    constexpr double margin = 2 + kOutlineWidth / 2;
    const double room = kSize - 2 * margin;
    QRectF box = path.boundingRect();
    const double fit = std::min({scale, room / box.width(), room / box.height()});
    QTransform transform;
    transform.scale(fit, fit);
    path = transform.map(path);
    box = path.boundingRect();
    const double dx = (kSize - box.width()) / 2 - box.left();
    double dy = kBaseline;
    if (box.bottom() + dy > kSize - margin)
        dy = kSize - margin - box.bottom();
    if (box.top() + dy < margin)
        dy = margin - box.top();
    path.translate(dx, dy);

    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(path);
    return image;
}

std::vector<BuiltResource> buildLettering(const std::filesystem::path& source)
{
    const Lettering lettering = readLettering(source);
    const QRawFont font(QString::fromStdString(lettering.font.string()), 1000);
    if (!font.isValid())
        throw failure(lettering.font.string(), "not a font Qt can read");
    const double scale = kCapitalHeight / glyphOutline(font, U'H').boundingRect().height();
    std::vector<BuiltResource> clips;
    for (std::size_t i = 0; i < lettering.characters.size(); ++i) {
        const std::string name = (i < 9 ? "text0" : "text") + std::to_string(i + 1);
        const QImage letter = drawLetter(font, scale, lettering.characters[i]);
        clips.push_back({name, "clip", encodeClip(threeColours(letter, kRed), name)});
    }
    return clips;
}

}  // namespace

std::vector<BuiltResource> buildClips(const std::filesystem::path& assetsFolder)
{
    const std::filesystem::path folder = assetsFolder / "clips";
    std::vector<BuiltResource> clips;
    for (const Category& category : kCategories) {
        for (int i = 1; i <= category.count; ++i) {
            const std::string name = category.prefix + std::to_string(i);
            const std::filesystem::path drawing = folder / (name + ".svg");
            // While the set is being drawn the build goes on; the clip test insists on all of them.
            if (!std::filesystem::exists(drawing)) {
                std::fprintf(stderr, "dabwick-assets: warning: no drawing %s for clip %s\n", drawing.string().c_str(),
                    name.c_str());
                continue;
            }
            clips.push_back({name, "clip", encodeClip(drawnClip(drawing, name), name)});
        }
    }
    std::vector<BuiltResource> lettering = buildLettering(folder / "lettering.txt");
    clips.insert(clips.end(), std::make_move_iterator(lettering.begin()), std::make_move_iterator(lettering.end()));
    return clips;
}

}  // namespace assets
