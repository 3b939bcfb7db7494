#include "ui/Glyphs.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmapCache>
#include <QString>

#include "dabwick/Resources.h"

QImage readPng(std::span<const std::uint8_t> bytes)
{
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap glyphPixmap(const char* name)
{
    // The application owns the cache, so nothing is left to destroy after it is gone.
    const QString key = QStringLiteral("glyph:") + QString::fromUtf8(name);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    if (const dabwick::Resource* glyph = dabwick::builtInResources().find(name, "GLYPH")) {
        pixmap = QPixmap::fromImage(readPng(glyph->bytes));
        if (!pixmap.isNull())
            QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon glyphIcon(const char* name)
{
    return QIcon(glyphPixmap(name));
}
