// The name screen: the name panel, the name rules, the "New user" question and the folders.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <unistd.h>

#include "dabwick/CommandLine.h"
#include "dabwick/DataFolderContent.h"
#include "dabwick/StartUpFiles.h"
#include "platform/MidiPlayer.h"
#include "support/ModalDriver.h"
#include "support/SoundFile.h"
#include "support/TestProgram.h"
#include "support/TextFit.h"
#include "ui/BitmapView.h"
#include "ui/NameBox.h"
#include "ui/MainWindows.h"
#include "ui/TAboutBox.h"
#include "ui/TFMdraw.h"
#include "ui/TFmName.h"

namespace fs = std::filesystem;

class NameScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<MainWindows> main;
    std::unique_ptr<TFmName> screen;

    dabwick::DataFolderContent content() const
    {
        return {program->context.resources, program->context.record, program->temp.path()};
    }

    void signIn(const QString& name)
    {
        screen->edname->setText(name);
        screen->BitBtn4->click();
    }

    // Kim, whose folder cannot be made, says Yes to a new folder and is told the program ends.
    void signInWithoutAFolder()
    {
        ModalDriver driver;
        driver.click("Yes").click("OK");
        signIn("Kim");
        QVERIFY(driver.finished());
        QVERIFY(driver.seen().at(0).startsWith("New user | Hi Kim!"));
        QCOMPARE(driver.seen().at(1),
            QString("Dabwick | Sorry, there was an error in creating your folder.  This process "
                    "could not be completed.  This program will now terminate!"));
        QVERIFY(!main->main().isVisible());
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Dabwick"); }

    void init()
    {
        program = std::make_unique<TestProgram>();
        main = std::make_unique<MainWindows>(program->context);
        screen = std::make_unique<TFmName>(program->context, *main, readOpeningDrawing(program->context.resources));
        screen->show();
    }

    void cleanup()
    {
        screen->setNameScreenQuits(false);
        screen.reset();
        main.reset();
    }

    // The start-up paints the screen with its music there and the name panel out of view, and
    // brings the panel in once all files are written, with the name from /U and every line whole.
    void startUpPaintsTheScreenWithItsMusicAndOpensThePanelOnceAllFilesAreThere()
    {
        screen->hide();
        const std::string data = program->temp.path();
        const auto panelInView = [&] { return screen->rect().contains(screen->Panname->geometry()); };
        struct Moment {
            bool panel = true;
            bool music = false;
        } painting;
        QTimer::singleShot(0, [&] { painting = {panelInView(), fs::exists(data + "DW Open Music.mid")}; });
        const dabwick::StartUpFiles files(content());
        TAboutBox about(program->context, *main, *screen, files, dabwick::BuildCommandLine({"/Ujohn"}));
        QVERIFY(!painting.panel);
        QVERIFY(painting.music);
        QVERIFY(panelInView());
        QCOMPARE(screen->edname->text(), QString("john"));
        QCOMPARE(firstCutLine(screen.get()), QString());
        QVERIFY(fs::exists(data + "coloring pages/Butterfly.dwp"));
        QVERIFY(fs::is_directory(data + "Color palettes"));
        QVERIFY(screen->nameScreenQuits());
    }

    // The tune's player opens on a worker thread while the start-up goes on; the tune must
    // still be heard, and closing the screen before the player is open must leave silence.
    void theOpeningTunePlaysOnceItsPlayerIsOpenUnlessTheScreenClosedFirst()
    {
        if (!fs::exists(platform::kSystemSoundFont))
            QSKIP("no General MIDI soundfont installed");
        const TempFolder sound;
        program->context.music = {platform::kSystemSoundFont, "file", sound.path() + "early.raw"};
        screen = std::make_unique<TFmName>(program->context, *main, readOpeningDrawing(program->context.resources));
        content().ExtractMusicFiles();
        screen->show();
        screen->close();
        QTest::qWait(200);
        QVERIFY(!holdsSound(sound.read("early.raw")));

        program->context.music.audioFile = sound.path() + "tune.raw";
        screen = std::make_unique<TFmName>(program->context, *main, readOpeningDrawing(program->context.resources));
        const dabwick::StartUpFiles files(content());
        TAboutBox about(program->context, *main, *screen, files, "");
        QTRY_VERIFY_WITH_TIMEOUT(holdsSound(sound.read("tune.raw")), 10000);
    }

    void forbiddenCharactersNeverReachTheNameBox()
    {
        const std::string fromCommandLine
            = dabwick::GetSwitchValue(dabwick::BuildCommandLine({"/Uabc%s..%s..%setc"}), 'U');
        screen->bringNamePanelIntoView(fromCommandLine);
        QCOMPARE(screen->edname->text(), QString("abcetc"));

        screen->edname->clear();
        QTest::keyClicks(screen->edname, "a.b/c:d");
        QCOMPARE(screen->edname->text(), QString("abcd"));
        screen->edname->selectAll();
        QTest::keyClicks(screen->edname, ".");
        QCOMPARE(screen->edname->text(), QString("abcd"));  // a refused key leaves the selected name
        screen->edname->end(false);
        screen->edname->insert("x\\..\\y");  // as a paste arrives
        QCOMPARE(screen->edname->text(), QString("abcdxy"));
        screen->edname->setText(QString(30, 'n'));
        QCOMPARE(screen->edname->text().size(), 20);
    }

    // A blank name is refused, and a new child who answers No gets no folder: either way the
    // name screen stays up and the data folder is left alone.
    void aBlankNameOrANoToANewFolderLeavesTheScreenUp()
    {
        const struct {
            QString name;
            const char* button;
            QString shown;
        } rows[] = {
            {QString(20, ' '), "OK", "Dabwick | You must enter your name to continue!"},
            {"Zoe", "No",
                "New user | Hi Zoe!\n\nYou do not have a folder. Anyone who uses Dabwick\n"
                "must have a folder. Do you want me to create one for you?"},
        };
        for (const auto& row : rows) {
            ModalDriver driver;
            driver.click(row.button);
            signIn(row.name);
            QCOMPARE(driver.seen(), QStringList {row.shown});
            QCOMPARE(screen->edname->text(), row.name.trimmed());
            QVERIFY(screen->isVisible() && !main->main().isVisible());
            QVERIFY(fs::is_empty(program->temp.path()));
        }
    }

    void aReturningChildIsNotAskedAndSharesTheFolderWhateverTheCase()
    {
        program->temp.makeFolder("Zoe's folder/Dabwick/user's clips");
        ModalDriver none;
        signIn("ZOE");
        QVERIFY(none.seen().isEmpty());
        QVERIFY(main->main().isVisible());
        QCOMPARE(screen->userFolder(), program->temp.path() + "Zoe's folder/Dabwick/");
    }

    void escapeClosesTheScreenAndEndsTheProgramBeforeSignIn()
    {
        screen->setNameScreenQuits(true);
        main->main().show();  // stands for the running program, which ends when the main window closes
        QTest::keyClick(screen.get(), Qt::Key_Escape);
        QVERIFY(!main->main().isVisible());
    }

    // Run as a user other than root (see the test list): root may write anywhere.
    void aChildFolderThatCannotBeWrittenCountsAsMissing()
    {
        if (geteuid() == 0)
            QSKIP("root can write every folder");
        program->temp.makeFolder("Kim's folder/Dabwick/user's clips");
        fs::permissions(program->temp.path() + "Kim's folder", fs::perms(0555));
        signInWithoutAFolder();
        fs::permissions(program->temp.path() + "Kim's folder", fs::perms(0755));
    }

    void aFolderThatCannotBeMadeEndsWithTheMessage()
    {
        program->temp.write("Kim's folder", "a file where the folder should be");
        signInWithoutAFolder();
    }

    void theOpeningDrawingShowsAtOnceColoursItselfInAndStopsWithTheScreen()
    {
        QVERIFY(screen->opening());
        const raster::Bitmap& picture = screen->opening()->picture();
        QCOMPARE(screen->imopen->bitmap(), &picture);
        QVERIFY(screen->tmdraw->isActive());
        QCOMPARE(screen->tmdraw->interval(), 106);
        QCOMPARE(picture.pixel(0, 0), raster::kBlack);
        QCOMPARE(picture.pixel(4, 4), raster::kWhite);

        for (int tick = 0; tick < 752; ++tick)
            screen->tmdrawTimer();
        QVERIFY(screen->opening()->lbcount().empty());
        QVERIFY(picture.pixel(4, 4) != raster::kWhite);
        QVERIFY(screen->tmdraw->isActive());
        screen->tmdrawTimer();
        QVERIFY(!screen->tmdraw->isActive());

        screen->tmdraw->start();
        screen->setNameScreenQuits(false);
        screen->close();
        QVERIFY(!screen->tmdraw->isActive());
    }
};

QTEST_MAIN(NameScreenTest)
#include "tst_name_screen.moc"
