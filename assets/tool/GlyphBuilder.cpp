// Button glyphs and the program picture: every drawing in assets/glyphs/ becomes a PNG resource of
// type "GLYPH", named after its file, at the size the drawing itself declares.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "BuiltResource.h"

namespace assets {

namespace {

// QtSvg skips what it cannot draw (patterns, filters, bad references) with a warning and carries
// on, so a glyph could silently lose half its picture. Any warning while a drawing is loaded or
// rendered therefore fails the build.
class WarningCatcher {
public:
    WarningCatcher()
    {
        caught().clear();
        previous() = qInstallMessageHandler(&WarningCatcher::collect);
    }
    ~WarningCatcher() { qInstallMessageHandler(previous()); }
    WarningCatcher(const WarningCatcher&) = delete;
    WarningCatcher& operator=(const WarningCatcher&) = delete;

    static std::string& caught()
    {
        static std::string messages;
        return messages;
    }

private:
    static QtMessageHandler& previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }

    // Fatal messages still go out, or the abort that follows would come without a reason.
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg || type == QtCriticalMsg)
            caught() += "\n  " + message.toStdString();
        else
            previous()(type, context, message);
    }
};

bool hasVisiblePixel(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

// The size in whole pixels from the drawing's own width and height; QtSvg would otherwise fall back
// on the view box or a made-up default, and a glyph must never change size by accident.
QSize declaredSize(const QString& drawing)
{
    QFile file(drawing);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement())
        return {};
    bool wholeWidth = false, wholeHeight = false;
    const QSize size(xml.attributes().value("width").toInt(&wholeWidth),
                     xml.attributes().value("height").toInt(&wholeHeight));
    return wholeWidth && wholeHeight ? size : QSize();
}

std::vector<std::uint8_t> renderGlyph(const std::filesystem::path& drawing)
{
    const auto fail = [&](const std::string& why) { return std::runtime_error(drawing.string() + ": " + why); };
    const WarningCatcher catcher;
    const QString file = QString::fromStdString(drawing.string());
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        throw fail("not a drawing that QtSvg can read" + WarningCatcher::caught());
    const QSize size = declaredSize(file);
    if (size.isEmpty())
        throw fail("the svg element needs width and height in whole pixels");

    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // 96 dots per inch, stated rather than taken from whatever screen the tool runs on, so the
    // PNG bytes are the same on every machine.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    if (!WarningCatcher::caught().empty())
        throw fail("QtSvg could not draw all of it:" + WarningCatcher::caught());
    if (!hasVisiblePixel(image))
        throw fail("the drawing renders to nothing");

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw fail("cannot encode the picture as PNG");
    return {png.begin(), png.end()};
}

}  // namespace

std::vector<BuiltResource> buildGlyphs(const std::filesystem::path& assetsFolder)
{
    std::vector<std::filesystem::path> drawings;
    for (const auto& entry : std::filesystem::directory_iterator(assetsFolder / "glyphs")) {
        if (entry.path().extension() == ".svg")
            drawings.push_back(entry.path());
    }
    // Directory order differs between file systems; the table must not.
    std::sort(drawings.begin(), drawings.end());

    std::vector<BuiltResource> glyphs;
    for (const std::filesystem::path& drawing : drawings)
        glyphs.push_back({drawing.stem().string(), "GLYPH", renderGlyph(drawing)});
    return glyphs;
}

}  // namespace assets
