#pragma once

#include <QDialog>
#include <functional>
#include <future>
#include <string>

struct ProgramContext;
class QLabel;
class QPushButton;
class TFmName;
class TFMdraw;

// The about window. Creating it drives the rest of the start-up (`FormCreate`): the music
// files, the name screen, the built-in content and the child's name from the command line.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(ProgramContext& program, TFMdraw& main, TFmName& name, const std::string& commandLine);

    // Opens the instructions, modally; set once the instructions window exists.
    void setShowInstructions(std::function<void()> show) { showInstructions_ = std::move(show); }

    static constexpr const char* kWebSite = "https://www.dabwick.example/";
    static constexpr const char* kUpdatePage = "https://www.dabwick.example/update.php?sw=Dabwick&ver=02.00.05.00";

    QLabel* Label8;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;

    void BitBtn1Click();
    void Label8Click();
    void BitBtn3Click();

private:
    void FormCreate(const std::string& commandLine);

    ProgramContext& program_;
    TFMdraw& main_;
    TFmName& name_;
    std::function<void()> showInstructions_;
    // Puts the built-in files written at start-up on the disk, behind the child's back.
    std::future<void> flushing_;
};
