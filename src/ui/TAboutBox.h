#pragma once

#include <QDialog>
#include <future>
#include <string>

struct ProgramContext;
class QLabel;
class QPushButton;
class MainWindows;
namespace dabwick {
class StartUpFiles;
}
class TFmName;

// The about window. Creating it drives the rest of the start-up (`FormCreate`): the name screen
// once the music files are there, the name panel with the child's name from the command line
// once the rest of the built-in files are, then the first-run access setup.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(ProgramContext& program, MainWindows& main, TFmName& name, const dabwick::StartUpFiles& files,
        const std::string& commandLine);

    static constexpr const char* kWebSite = "https://www.dabwick.example/";
    static constexpr const char* kUpdatePage = "https://www.dabwick.example/update.php?sw=Dabwick&ver=02.00.05.00";

    // Made when the window is first shown: nothing at start-up waits for them.
    QLabel* Label8 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn3 = nullptr;

    void BitBtn1Click();
    void Label8Click();
    void BitBtn3Click();

    void setVisible(bool visible) override;

private:
    void FormCreate(const std::string& commandLine);
    void makeContents();

    ProgramContext& program_;
    MainWindows& main_;
    TFmName& name_;
    const dabwick::StartUpFiles& files_;
    // The start-up's last steps, behind the child's back; should the program end first, it
    // waits for them.
    std::shared_future<void> accessSetup_;
    std::future<void> flushing_;
};
