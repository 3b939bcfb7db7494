#pragma once

#include <QDialog>
#include <random>
#include <string>

#include "dabwick/AnimationPlayer.h"
#include "dabwick/PlayerSettings.h"

class BitmapView;
class QFrame;
class QPushButton;
class QTimer;

namespace dabwick {
class Music;
}

// The player window: the picture colours itself in, region by region, to a looping tune. The
// child can start it again, switch the music on and off, maximise the window and close it.
class Tfmanimator : public QDialog {
    Q_OBJECT
public:
    Tfmanimator(dabwick::Music& music, QWidget* parent);

    // Preparation fills this before the window opens.
    dabwick::PreparedAnimation& prepared() { return player_.prepared; }
    // Shows the window modally with the settings applied and returns them as the child left them.
    dabwick::PlayerSettings play(const dabwick::PlayerSettings& settings, const std::string& musicFile);

    const dabwick::AnimationPlayer& player() const { return player_; }

    QFrame* Panmain;
    QFrame* Panel1;
    BitmapView* implay;
    QFrame* panbutton;
    QPushButton* btnMusic;
    QPushButton* SpeedButton2;
    QPushButton* BitBtn1;
    QTimer* Timer1;

    void SpeedButton2Click();
    void Timer1Timer();
    void btnMusicClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Every way of closing comes here: the Close button, the title bar and Escape.
    void done(int result) override;

private:
    // Copies the player's timer and button state onto the controls; every handler ends with it.
    void showPlayerState();

    dabwick::AnimationPlayer player_;
    std::string musicFile_;
    bool closedMaximized_ = false;
};
