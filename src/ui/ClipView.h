#pragma once

#include <QImage>
#include <QWidget>

#include "raster/Bitmap.h"

// The clip as the screen shows it: every pixel of its bottom-left pixel's colour is see-through.
QImage clipImage(const raster::Bitmap& clip);

// A clip image of the browser (a slot, the preview): the clip drawn over its panel, whose caption
// shows through the see-through pixels. A click on it is reported with `clicked`.
class ClipView : public QWidget {
    Q_OBJECT
public:
    explicit ClipView(QWidget* parent);

    void showClip(const raster::Bitmap& clip);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
};
