#pragma once

#include <QDialog>
#include <future>
#include <string>

struct ProgramContext;
class QLabel;
class QPushButton;
class MainWindows;
class TFmName;

// The about window. Creating it drives the rest of the start-up (`FormCreate`): the music
// files, the name screen, the built-in content and the child's name from the command line.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(ProgramContext& program, MainWindows& main, TFmName& name, const std::string& commandLine);
    ~TAboutBox() override;

    static constexpr const char* kWebSite = "https://www.dabwick.example/";
    static constexpr const char* kUpdatePage = "https://www.dabwick.example/update.php?sw=Dabwick&ver=02.00.05.00";

    QLabel* Label8;
    QPushButton* BitBtn1;
    QPushButton* BitBtn3;

    void BitBtn1Click();
    void Label8Click();
    void BitBtn3Click();

private:
    void FormCreate();
    // The start-up steps after the built-in files are written.
    void installed();

    ProgramContext& program_;
    MainWindows& main_;
    TFmName& name_;
    const std::string userName_;
    // Writes the built-in files while the name screen shows.
    std::future<void> installing_;
    // Puts the built-in files written at start-up on the disk, behind the child's back.
    std::future<void> flushing_;
};
