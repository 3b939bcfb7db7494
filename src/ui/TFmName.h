#pragma once

#include <QWidget>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "dabwick/OpeningAnimation.h"

struct ProgramContext;
class BitmapView;
class NameBox;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class MainWindows;

namespace platform {
class MidiPlayer;
}

namespace dabwick {
class ResourceTable;
}

// The opening drawing, being read on a worker thread. The start-up begins reading it before the
// application connects to the display, so that the name screen has it by the time it is made.
using OpeningDrawing = std::future<std::optional<dabwick::OpeningAnimation>>;
OpeningDrawing readOpeningDrawing(const dabwick::ResourceTable& resources);

// The name screen: the first window the child sees. It plays the opening tune while the
// program finishes starting, then takes the child's name, makes the child's folder when
// needed and hands over to the main window. Closing it before signing in ends the program.
// Above the name box the opening drawing colours itself in, one area per tick of `tmdraw`.
class TFmName : public QWidget {
    Q_OBJECT
public:
    TFmName(ProgramContext& program, MainWindows& main, OpeningDrawing opening);
    ~TFmName() override;

    // Shows the about window modally; set once the about window exists.
    void setShowAbout(std::function<void()> show) { showAbout_ = std::move(show); }
    // The start-up driver brings the name panel into view once the start-up work is done.
    void bringNamePanelIntoView(const std::string& userName);

    const std::string& userName() const { return userName_; }
    // The signed-in child's folder, ending in '/'.
    const std::string& userFolder() const { return userFolder_; }
    bool nameScreenQuits() const { return NameScreenQuits_; }
    void setNameScreenQuits(bool quits) { NameScreenQuits_ = quits; }

    QFrame* panpicture;
    BitmapView* imopen;
    QFrame* Panname;
    QLabel* nameLabel;
    NameBox* edname;
    QPushButton* BitBtn4;
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QTimer* tmdraw;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void playmusic();
    void tmdrawTimer();
    // Nothing when the program holds no opening drawing: the picture then stays white paper.
    const std::optional<dabwick::OpeningAnimation>& opening() const { return opening_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool CreateUserFolder();
    void tuneOpened();
    // Waits for a tune still opening on the worker thread; true when it opened.
    bool settleTuneOpening();

    ProgramContext& program_;
    MainWindows& main_;
    std::unique_ptr<platform::MidiPlayer> mpopen_;
    std::future<bool> tuneOpening_;
    std::optional<dabwick::OpeningAnimation> opening_;
    std::function<void()> showAbout_;
    std::string userName_;
    std::string userFolder_;
    bool NameScreenQuits_ = false;
};
