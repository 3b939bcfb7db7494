#pragma once

#include <QFont>
#include <QFrame>
#include <QSize>
#include <QString>
#include <QStringList>
#include <Qt>

class QPushButton;
class QRect;

// The look every window of the program shares: a title bar with a close box, no resizing,
// and its place in the middle of the screen.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Places a top-level window in the middle of the screen. Called once its size is fixed; the
// window then keeps that place when shown.
void centreOnScreen(QWidget* window);

// Gives a window its caption and fixed client size, then centres it.
void setUpFixedWindow(QWidget* window, const QString& caption, QSize clientSize);

// The window's font, made smaller a pixel at a time (down to 9 pixels) until every one of the
// texts fits in `width` pixels, for windows of a fixed size whose lines must not be cut.
QFont fontFitting(const QFont& font, const QStringList& texts, int width);

// A push button with its caption at a fixed place of its window.
QPushButton* addButton(QWidget* parent, const QString& caption, const QRect& place);

// A control's hint, shown for six seconds.
void giveHint(QWidget* widget, const char* hint);

// A panel with a one-pixel bevel, raised or lowered, at a fixed place of its parent.
QFrame* makePanel(QWidget* parent, const QRect& place, QFrame::Shadow shadow);
