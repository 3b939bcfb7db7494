#include "ui/BitmapView.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

QImage toQImage(const raster::Bitmap& bitmap)
{
    if (bitmap.empty())
        return {};
    return QImage(bitmap.row(0), bitmap.width(), bitmap.height(), qsizetype(bitmap.rowBytes()), QImage::Format_BGR888)
        .copy();
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

void BitmapView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
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
}
