// The start-up sequence: one copy only, the built-in files begun on a worker thread, the
// windows created in their fixed order with the main window hidden (and made only when first
// needed), the about window driving the rest of the start-up, then the message loop.
#include <QApplication>
#include <future>

#include "dabwick/CommandLine.h"
#include "dabwick/ProgramPlaces.h"
#include "dabwick/Resources.h"
#include "dabwick/StartUpFiles.h"
#include "platform/FontConfiguration.h"
#include "platform/InstanceLock.h"
#include "ui/CursorLib.h"
#include "ui/Glyphs.h"
#include "ui/MainWindows.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/ProgramContext.h"
#include "ui/TAboutBox.h"
#include "ui/TFmName.h"

int main(int argc, char** argv)
{
    dabwick::ProgramPlaces places = dabwick::ProgramPlaces::discover(argc > 0 ? argv[0] : nullptr);
    const std::string commandLine = dabwick::BuildCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    const platform::InstanceLock instance("@Qy Dabwick#");
    if (!instance.isOnlyInstance())
        return 0;

    // Reading the font configuration takes a few milliseconds; a worker reads it while the
    // application connects to the display, so that the first text need not wait for it.
    const std::future<void> fonts = std::async(std::launch::async, platform::loadFontConfiguration);
    MessageBoxPrompts prompts;
    dabwick::FirstRunRecord record(places.firstRunRecordPath, places.launchFolder, places.administrator);
    ProgramContext program{std::move(places), std::move(record), dabwick::builtInResources(), prompts};
    // Written on a worker thread from here on, while the application connects to the display
    // and the windows are made; the about window's start-up waits for them where each is needed.
    const dabwick::StartUpFiles files({program.resources, program.record, program.places.dataFolder});
    OpeningDrawing opening = readOpeningDrawing(program.resources);

    QApplication app(argc, argv);
    QApplication::setApplicationName("Dabwick");
    // Ties the windows to the installed desktop entry, so the task bar shows them as Dabwick.
    QApplication::setDesktopFileName(DABWICK_DESKTOP_ID);
    // The program ends when the main window closes, not when the name screen does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(glyphIcon("program"));

    RegisterCursors();

    MainWindows main(program);
    TFmName name(program, main, std::move(opening));
    TAboutBox about(program, main, name, files, commandLine);
    name.setShowAbout([&about] { about.exec(); });
    return app.exec();
}
