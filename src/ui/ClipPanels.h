#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QFrame;
class QWidget;

// The maroon panels of the clip windows: a lowered bevel three pixels wide, and a bold yellow
// title at `titleAt` when one is given.
QFrame* makeMaroonPanel(QWidget* parent, const QRect& place, const QString& title = {}, QPoint titleAt = {14, 14});
