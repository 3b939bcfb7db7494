#include "ui/Tfmprintmessage.h"

#include <QEventLoop>
#include <QHideEvent>
#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>

#include "ui/FixedWindow.h"

namespace {
constexpr int kStep = 5;
constexpr int kPauseAtFullMilliseconds = 500;
}  // namespace

Tfmprintmessage::Tfmprintmessage()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("fmprintmessage");
    Label1 = new QLabel("'Dabwick' is now preparing your picture for printing. Please wait.", this);
    Label1->setGeometry(14, 12, 225, 41);
    Label1->setWordWrap(true);
    QFont font = Label1->font();
    font.setPointSize(10);
    Label1->setFont(font);
    pbprint = new QProgressBar(this);
    pbprint->setGeometry(14, 66, 225, 18);
    pbprint->setRange(0, 100);
    pbprint->setTextVisible(false);
    tmprint.setInterval(100);
    connect(&tmprint, &QTimer::timeout, this, &Tfmprintmessage::tmprintTimer);
    setUpFixedWindow(this, "Preparing picture", {253, 106});
}

void Tfmprintmessage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tfmprintmessage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // However the window goes (its own timer, or the child closing it with the keyboard),
    // whoever waits for it may go on.
    tmprint.stop();
    emit closed();
}

void Tfmprintmessage::FormShow()
{
    pbprint->setValue(0);
    tmprint.start();
}

void Tfmprintmessage::tmprintTimer()
{
    pbprint->setValue(pbprint->value() + kStep);
    if (pbprint->value() < pbprint->maximum())
        return;
    tmprint.stop();
    // The full bar stays in view a moment before the window goes.
    QTimer::singleShot(kPauseAtFullMilliseconds, this, &QWidget::close);
}

void Tfmprintmessage::waitUntilClosed()
{
    if (!isVisible())
        return;
    QEventLoop waiting;
    connect(this, &Tfmprintmessage::closed, &waiting, &QEventLoop::quit);
    waiting.exec();
}
