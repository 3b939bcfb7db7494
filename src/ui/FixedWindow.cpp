#include "ui/FixedWindow.h"

#include <QFontMetrics>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPushButton>
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

QFont fontFitting(const QFont& font, const QStringList& texts, int width)
{
    constexpr int kSmallest = 9;
    QFont fitted = font;
    fitted.setPixelSize(QFontInfo(font).pixelSize());
    const auto fits = [&] {
        const QFontMetrics metrics(fitted);
        for (const QString& text : texts) {
            if (metrics.horizontalAdvance(text) > width)
                return false;
        }
        return true;
    };
    while (fitted.pixelSize() > kSmallest && !fits())
        fitted.setPixelSize(fitted.pixelSize() - 1);
    return fitted;
}

QPushButton* addButton(QWidget* parent, const QString& caption, const QRect& place)
{
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    return button;
}

void giveHint(QWidget* widget, const char* hint)
{
    constexpr int kHintMilliseconds = 6000;
    widget->setToolTip(QString::fromUtf8(hint));
    widget->setToolTipDuration(kHintMilliseconds);
}

QFrame* makePanel(QWidget* parent, const QRect& place, QFrame::Shadow shadow)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(1);
    return panel;
}
