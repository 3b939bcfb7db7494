// The start-up sequence: one copy only, the windows created in their fixed order with the main
// window hidden, the about window driving the rest of the start-up, then the message loop.
#include <QApplication>
#include <memory>

#include "dabwick/CommandLine.h"
#include "dabwick/ProgramPlaces.h"
#include "dabwick/Resources.h"
#include "platform/InstanceLock.h"
#include "ui/CursorLib.h"
#include "ui/Glyphs.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/ProgramContext.h"
#include "ui/SaveQuestions.h"
#include "ui/TAboutBox.h"
#include "ui/TFMdraw.h"
#include "ui/TFmInstructions.h"
#include "ui/TFmClipMaker.h"
#include "ui/TFmName.h"
#include "ui/TfmClipOptions.h"
#include "ui/QueuedMusic.h"
#include "ui/Tfmanimator.h"
#include "ui/Tfmdwchoices.h"
#include "ui/Tfmfillopt.h"
#include "ui/Tfmnotsave.h"
#include "ui/Tfmpictsave.h"
#include "ui/Tfmprintmessage.h"
#include "ui/Tfmprogress.h"

int main(int argc, char** argv)
{
    dabwick::ProgramPlaces places = dabwick::ProgramPlaces::discover(argc > 0 ? argv[0] : nullptr);
    const std::string commandLine = dabwick::BuildCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    const platform::InstanceLock instance("@Qy Dabwick#");
    if (!instance.isOnlyInstance())
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Dabwick");
    // Ties the windows to the installed desktop entry, so the task bar shows them as Dabwick.
    QApplication::setDesktopFileName(DABWICK_DESKTOP_ID);
    // The program ends when the main window closes, not when the name screen does.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(glyphIcon("program"));

    RegisterCursors();
    MessageBoxPrompts prompts;
    dabwick::FirstRunRecord record(places.firstRunRecordPath, places.launchFolder, places.administrator);
    ProgramContext program{std::move(places), std::move(record), dabwick::builtInResources(), prompts};

    TFMdraw main(program);
    TFmName name(program, main);
    TAboutBox about(program, main, name, commandLine);
    Tfmclearpict clearpict(&main);
    Tfmnotsave notsave(&main);
    Tfmpictsave pictsave(&main);
    TFmChecksave checksave(&main);
    TFmInstructions instructions(prompts, &main);
    Tfmwantsave wantsave(&main);
    Tfmfillopt fillopt(&main);
    Tfmdwchoices choices(prompts, &main);
    Tfmprintmessage printmessage;
    TFmClipMaker clipMaker(program, &main);
    TfmClipOptions clipOptions(program, clipMaker, &main);
    QueuedMusic animationMusic;
    Tfmanimator animator(animationMusic, &main);
    Tfmprogress progress(prompts, &main);

    main.setSaveDialogs(&clearpict, &checksave, &wantsave, &pictsave, &notsave);
    main.setFillPatternWindow(&fillopt);
    main.setPictureChooser(&choices);
    main.setClipManager(&clipOptions);
    main.setPrintMessage(&printmessage);
    main.setAnimationWindows(&progress, &animator);
    name.setShowAbout([&about] { about.exec(); });
    main.setShowInstructions([&instructions] { instructions.showModally(); });
    about.setShowInstructions([&instructions] { instructions.showModally(); });
    return app.exec();
}
