#include "ui/ClipView.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/BitmapView.h"

QImage clipImage(const raster::Bitmap& clip)
{
    if (clip.empty())
        return {};
    QImage image = toQImage(clip).convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] == clear)
                row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

ClipView::ClipView(QWidget* parent) : QWidget(parent)
{
}

void ClipView::showClip(const raster::Bitmap& clip)
{
    QImage image = clipImage(clip);
    if (image == image_)
        return;
    image_ = std::move(image);
    update();
}

void ClipView::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

void ClipView::mouseReleaseEvent(QMouseEvent* event)
{
    // A click: the button comes up where it went down.
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
