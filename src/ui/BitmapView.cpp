#include "ui/BitmapView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

QImage toQImage(const raster::Bitmap& bitmap)
{
    if (bitmap.empty())
        return {};
    return QImage(bitmap.row(0), bitmap.width(), bitmap.height(), qsizetype(bitmap.rowBytes()), QImage::Format_BGR888)
        .copy();
}

QPoint pixelAt(const QMouseEvent& event)
{
    // Qt hands a child widget its position rounded to whole points; the position in the window
    // keeps the fraction that rounding took off or put on, so add that back before cutting down.
    const QPointF inWindow = event.scenePosition();
    const QPointF exact = event.position() + (inWindow - QPointF(inWindow.toPoint()));
    return {int(std::floor(exact.x())), int(std::floor(exact.y()))};
}

BitmapView::BitmapView(const raster::Bitmap* bitmap, QWidget* parent) : QWidget(parent), bitmap_(bitmap)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BitmapView::setBitmap(const raster::Bitmap* bitmap)
{
    bitmap_ = bitmap;
    update();
}

void BitmapView::setOverlay(const QImage& image, QPoint at)
{
    if (image == overlay_ && (image.isNull() || at == overlayAt_))
        return;
    if (!overlay_.isNull())
        update(QRect(overlayAt_, overlay_.size()));
    overlay_ = image;
    overlayAt_ = at;
    if (!overlay_.isNull())
        update(QRect(overlayAt_, overlay_.size()));
}

void BitmapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Magnified pixels stay crisp squares: a child's one-pixel line must not blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect().intersected(rect());
    if (!bitmap_ || bitmap_->empty()) {
        painter.fillRect(area, Qt::white);
        return;
    }
    if (magnification_ != 1) {
        painter.drawImage(QRect(0, 0, bitmap_->width() * magnification_, bitmap_->height() * magnification_),
                          toQImage(*bitmap_));
        return;
    }
    const QRect inside = area.intersected(QRect(0, 0, bitmap_->width(), bitmap_->height()));
    if (!inside.isEmpty()) {
        // Wrap the rows in place: the bitmap's bytes are blue, green, red like Format_BGR888.
        const uchar* first = bitmap_->row(inside.top()) + inside.left() * 3;
        const QImage view(first, inside.width(), inside.height(), qsizetype(bitmap_->rowBytes()), QImage::Format_BGR888);
        painter.drawImage(inside.topLeft(), view);
    }
    const QRegion outside = QRegion(area) - QRegion(inside);
    for (const QRect& r : outside)
        painter.fillRect(r, palette().window());
    if (!overlay_.isNull())
        painter.drawImage(overlayAt_, overlay_);
}
