#include "ui/CursorLib.h"

#include <QPixmap>

#include <optional>

namespace {

std::optional<QCursor> readCursor(const dabwick::ResourceTable& resources, const char* name)
{
    const dabwick::Resource* resource = resources.find(name, "CURSOR");
    if (resource == nullptr || resource->bytes.size() <= kCursorPngAt)
        return std::nullopt;
    QPixmap picture;
    const std::span<const std::uint8_t> png = resource->bytes.subspan(kCursorPngAt);
    if (!picture.loadFromData(png.data(), uint(png.size()), "PNG"))
        return std::nullopt;
    return QCursor(picture, resource->bytes[0], resource->bytes[1]);
}

ScreenCursors& programCursors()
{
    static ScreenCursors cursors;
    return cursors;
}

}  // namespace

void ScreenCursors::load(const dabwick::ResourceTable& resources)
{
    for (const NamedCursor& named : kNamedCursors) {
        if (std::optional<QCursor> cursor = readCursor(resources, named.name))
            slots_[std::size_t(named.slot)] = *cursor;
    }
}

QCursor ScreenCursors::cursor(int slot) const
{
    if (slot == dabwick::CursorSlot::kHidden)
        return QCursor(Qt::BlankCursor);
    if (slot < 0 || std::size_t(slot) >= slots_.size())
        return QCursor(Qt::ArrowCursor);
    return slots_[std::size_t(slot)];
}

void RegisterCursors()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    programCursors().load(dabwick::builtInResources());
}

QCursor screenCursor(int slot)
{
    return programCursors().cursor(slot);
}
