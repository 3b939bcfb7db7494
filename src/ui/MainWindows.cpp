#include "ui/MainWindows.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include "dabwick/ProgramRegistry.h"
#include "platform/Background.h"
#include "ui/ClipPanel.h"
#include "ui/ColourBar.h"
#include "ui/ProgramContext.h"
#include "ui/QueuedMusic.h"
#include "ui/SaveQuestions.h"
#include "ui/TFMdraw.h"
#include "ui/TFmClipMaker.h"
#include "ui/TFmInstructions.h"
#include "ui/TfmClipOptions.h"
#include "ui/Tfmanimator.h"
#include "ui/Tfmdwchoices.h"
#include "ui/Tfmfillopt.h"
#include "ui/Tfmnotsave.h"
#include "ui/Tfmpictsave.h"
#include "ui/Tfmprintmessage.h"
#include "ui/Tfmprogress.h"

// Members are created in the order they are declared: the program's fixed order of windows.
struct MainWindows::Windows {
    explicit Windows(ProgramContext& program)
        : main(program)
        , clearpict(&main)
        , notsave(&main)
        , pictsave(&main)
        , checksave(&main)
        , instructions(program.prompts, &main)
        , wantsave(&main)
        , fillopt(&main)
        , choices(program.prompts, &main)
        , clipMaker(program, &main)
        , clipOptions(program, clipMaker, &main)
        , animator(animationMusic, &main)
        , progress(program.prompts, &main)
    {
    }

    TFMdraw main;
    Tfmclearpict clearpict;
    Tfmnotsave notsave;
    Tfmpictsave pictsave;
    TFmChecksave checksave;
    TFmInstructions instructions;
    Tfmwantsave wantsave;
    Tfmfillopt fillopt;
    Tfmdwchoices choices;
    Tfmprintmessage printmessage;
    TFmClipMaker clipMaker;
    TfmClipOptions clipOptions;
    QueuedMusic animationMusic;
    Tfmanimator animator;
    Tfmprogress progress;
};

MainWindows::MainWindows(ProgramContext& program)
    : program_(program)
{
    // Nothing waits for the registry, so it is written on a worker thread in the background,
    // the time of this start put in words there too: the locale takes a moment to load.
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    registering_ = platform::runInBackground([&places = program.places, started] {
        const QLocale locale = QLocale::system();
        const QDateTime now = QDateTime::fromMSecsSinceEpoch(started);
        const QString lastRun = locale.toString(now.date(), QLocale::ShortFormat) + " "
            + locale.toString(now.time(), QLocale::LongFormat);
        dabwick::RegisterProgram(
            places.registryFolder, places.dataFolder, dabwick::dabwickRegistration(), lastRun.toStdString());
    });
}

MainWindows::~MainWindows() = default;

TFMdraw& MainWindows::main()
{
    if (windows_)
        return windows_->main;
    if (before_.valid())
        before_.wait();
    windows_ = std::make_unique<Windows>(program_);
    Windows& w = *windows_;
    w.main.setSaveDialogs(&w.clearpict, &w.checksave, &w.wantsave, &w.pictsave, &w.notsave);
    w.main.setFillPatternWindow(&w.fillopt);
    w.main.setPictureChooser(&w.choices);
    w.main.setClipManager(&w.clipOptions);
    w.main.setPrintMessage(&w.printmessage);
    w.main.setAnimationWindows(&w.progress, &w.animator);
    w.main.setShowInstructions([this] { showInstructions(); });
    // The start-up's share: the main windows are wanted only once the start-up is done.
    w.main.document().history.setHistoryFlag();
    w.main.clipPanel->BuildClipCatalogue(program_.places.dataFolder);
    w.main.colourBar->ListPalettes();
    return w.main;
}

void MainWindows::showInstructions()
{
    main();
    windows_->instructions.showModally();
}

void MainWindows::close()
{
    if (windows_)
        windows_->main.close();
    else
        QCoreApplication::quit();
}
