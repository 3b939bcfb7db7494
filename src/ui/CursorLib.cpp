#include "ui/CursorLib.h"

#include <QPixmap>

#include "ui/Glyphs.h"

namespace {

// The arrow when the resource is missing or its picture cannot be read.
QCursor readCursor(const dabwick::Resource* resource)
{
    if (resource == nullptr || resource->bytes.size() <= kCursorPngAt)
        return QCursor(Qt::ArrowCursor);
    const QPixmap picture = QPixmap::fromImage(readPng(resource->bytes.subspan(kCursorPngAt)));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
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
    for (const NamedCursor& named : kNamedCursors)
        resources_[std::size_t(named.slot)] = resources.find(named.name, "CURSOR");
    slots_ = {};
}

QCursor ScreenCursors::cursor(int slot) const
{
    if (slot == dabwick::CursorSlot::kHidden)
        return QCursor(Qt::BlankCursor);
    if (slot < 0 || std::size_t(slot) >= slots_.size())
        return QCursor(Qt::ArrowCursor);
    std::optional<QCursor>& cursor = slots_[std::size_t(slot)];
    if (!cursor)
        cursor = readCursor(resources_[std::size_t(slot)]);
    return *cursor;
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
