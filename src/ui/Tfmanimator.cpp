#include "ui/Tfmanimator.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "ui/BitmapView.h"
#include "ui/FixedWindow.h"

namespace {

constexpr QSize kClientSize {704, 557};

QFrame* makeBlackPanel(QWidget* parent, const QRect& place, bool bevelled)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    if (bevelled) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(5);
    }
    return panel;
}

QPushButton* makeButton(QWidget* parent, const char* caption, const QRect& place, const char* hint)
{
    QPushButton* button = addButton(parent, caption, place);
    button->setFocusPolicy(Qt::NoFocus);
    if (hint)
        button->setToolTip(hint);
    return button;
}

}  // namespace

Tfmanimator::Tfmanimator(dabwick::Music& music, QWidget* parent)
    : QDialog(parent,
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
            | Qt::WindowCloseButtonHint)
    , player_(music, std::random_device {}())
{
    setObjectName("fmanimator");
    setModal(true);
    setWindowTitle("Animator");
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    Panmain = makeBlackPanel(this, {0, 0, 697, 553}, false);
    Panel1 = makeBlackPanel(Panmain, {5, 6, 686, 470}, true);
    implay = new BitmapView(&player_.implay(), Panel1);
    implay->setGeometry(11, 11, 660, 444);
    panbutton = makeBlackPanel(Panmain, {5, 481, 686, 65}, true);
    btnMusic = makeButton(panbutton, "ON/OFF", {345, 20, 97, 25}, "Turn music ON or OFF");
    btnMusic->setCheckable(true);
    btnMusic->setChecked(true);
    SpeedButton2 = makeButton(panbutton, "Start", {457, 20, 97, 25}, "START picture animation");
    BitBtn1 = makeButton(panbutton, "Close", {583, 20, 75, 25}, nullptr);
    Timer1 = new QTimer(this);
    connect(btnMusic, &QPushButton::clicked, this, &Tfmanimator::btnMusicClick);
    connect(SpeedButton2, &QPushButton::clicked, this, &Tfmanimator::SpeedButton2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &Tfmanimator::reject);
    connect(Timer1, &QTimer::timeout, this, &Tfmanimator::Timer1Timer);

    // The picture may grow no smaller; maximising keeps it in the middle.
    setMinimumSize(kClientSize);
    resize(kClientSize);
    centreOnScreen(this);
}

dabwick::PlayerSettings Tfmanimator::play(const dabwick::PlayerSettings& settings, const std::string& musicFile)
{
    musicFile_ = musicFile;
    if (settings.maximized) {
        setWindowState(Qt::WindowMaximized);
    } else {
        setWindowState(Qt::WindowNoState);
        resize(kClientSize);
        centreOnScreen(this);
    }
    player_.setMusicDown(settings.musicOn);
    btnMusic->setChecked(settings.musicOn);
    exec();
    return {closedMaximized_, btnMusic->isChecked()};
}

void Tfmanimator::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    player_.FormShow(musicFile_);
    showPlayerState();
}

void Tfmanimator::SpeedButton2Click()
{
    SpeedButton2->setEnabled(false);
    SpeedButton2->repaint();
    player_.SpeedButton2Click();
    showPlayerState();
}

void Tfmanimator::Timer1Timer()
{
    const raster::Rect changed = player_.Timer1Timer([this] {
        Timer1->stop();
        QCoreApplication::processEvents();
    });
    implay->update(QRect(changed.left, changed.top, changed.width(), changed.height()));
    showPlayerState();
}

void Tfmanimator::btnMusicClick()
{
    player_.btnMusicClick(btnMusic->isChecked());
    showPlayerState();
}

void Tfmanimator::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Panmain->move(width() / 2 - Panmain->width() / 2, height() / 2 - Panmain->height() / 2);
}

void Tfmanimator::done(int result)
{
    closedMaximized_ = isMaximized();
    player_.FormClose();
    showPlayerState();
    QDialog::done(result);
}

void Tfmanimator::showPlayerState()
{
    if (player_.timerRunning()) {
        if (!Timer1->isActive() || Timer1->interval() != player_.timerInterval())
            Timer1->start(player_.timerInterval());
    } else {
        Timer1->stop();
    }
    SpeedButton2->setEnabled(player_.startEnabled());
    btnMusic->setChecked(player_.musicDown());
}
