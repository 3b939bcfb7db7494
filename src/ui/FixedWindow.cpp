#include "ui/FixedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void setUpFixedWindow(QWidget* window, const QString& caption, QSize clientSize)
{
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
    centreOnScreen(window);
}
