#include "ui/Glyphs.h"

#include <QPixmapCache>
#include <QString>

#include "dabwick/Resources.h"

QPixmap glyphPixmap(const char* name)
{
    // The application owns the cache, so nothing is left to destroy after it is gone.
    const QString key = QStringLiteral("glyph:") + QString::fromUtf8(name);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    if (const dabwick::Resource* glyph = dabwick::builtInResources().find(name, "GLYPH")) {
        if (pixmap.loadFromData(glyph->bytes.data(), uint(glyph->bytes.size()), "PNG"))
            QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QIcon glyphIcon(const char* name)
{
    return QIcon(glyphPixmap(name));
}
