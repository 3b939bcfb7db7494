#include "SvgRender.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <stdexcept>
#include <string>

namespace assets {

namespace {

// QtSvg skips what it cannot draw (patterns, filters, bad references) with a warning and carries
// on, so a picture could silently lose half of itself. Any warning while a drawing is loaded or
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
// on the view box or a made-up default, and a picture must never change size by accident.
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

std::runtime_error failure(const std::filesystem::path& drawing, const std::string& why)
{
    return std::runtime_error(drawing.string() + ": " + why);
}

}  // namespace

QImage renderSvg(const std::filesystem::path& drawing)
{
    const WarningCatcher catcher;
    const QString file = QString::fromStdString(drawing.string());
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        throw failure(drawing, "not a drawing that QtSvg can read" + WarningCatcher::caught());
    const QSize size = declaredSize(file);
    if (size.isEmpty())
        throw failure(drawing, "the svg element needs width and height in whole pixels");

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
        throw failure(drawing, "QtSvg could not draw all of it:" + WarningCatcher::caught());
    if (!hasVisiblePixel(image))
        throw failure(drawing, "the drawing renders to nothing");
    return image;
}

std::vector<std::uint8_t> encodePng(const QImage& image, const std::filesystem::path& drawing)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw failure(drawing, "cannot encode the picture as PNG");
    return {png.begin(), png.end()};
}

}  // namespace assets
