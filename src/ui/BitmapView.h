#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include "raster/Bitmap.h"

class QMouseEvent;

// A copy of the bitmap as a Qt image, for scaled previews.
QImage toQImage(const raster::Bitmap& bitmap);

// The bitmap pixel under the pointer. On a scaled screen one pixel covers several screen
// pixels, and each of them must give that pixel, so the exact position is cut down, not rounded.
QPoint pixelAt(const QMouseEvent& event);

// Shows a raster::Bitmap at one-to-one scale, or magnified with each pixel a square block; on a
// scaled screen too each pixel is a sharp square. The owner changes the bitmap and then asks for
// the changed rectangle to be repainted, so a stroke repaints only what it touched.
class BitmapView : public QWidget {
    Q_OBJECT
public:
    BitmapView(const raster::Bitmap* bitmap, QWidget* parent);

    void setBitmap(const raster::Bitmap* bitmap);
    const raster::Bitmap* bitmap() const { return bitmap_; }
    void setMagnification(int times) { magnification_ = times; }
    // A picture floating over the bitmap with its top-left corner at `at`, such as the clip under
    // the pointer; a null image shows none. Only what changed is repainted.
    void setOverlay(const QImage& image, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const raster::Bitmap* bitmap_;
    int magnification_ = 1;
    QImage overlay_;
    QPoint overlayAt_;
};
