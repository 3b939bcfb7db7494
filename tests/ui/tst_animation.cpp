// The Play button's trip through the preparation and player windows: a picture without colour
// is refused before any window, Abort shows no player, and the player keeps its picture centred.
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "ui/BitmapView.h"
#include "ui/QueuedMusic.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmanimator.h"
#include "ui/Tfmprogress.h"

class AnimationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<TFMdraw> window;
    QueuedMusic music;  // no tune file: silent
    Tfmanimator* animator = nullptr;

    // Presses Play and checks that the main window comes back as it went.
    void playAndExpectThePictureBack()
    {
        const raster::Bitmap before = window->document().picture;
        const QString caption = window->windowTitle();
        window->SpeedButton2->click();
        QVERIFY(window->isVisible());
        QVERIFY(window->isEnabled());
        QVERIFY(!window->document().skipReset);
        QVERIFY(window->document().picture == before);
        QCOMPARE(window->windowTitle(), caption);
    }

private slots:
    void init()
    {
        program = std::make_unique<TestProgram>();
        window = std::make_unique<TFMdraw>(program->context);
        animator = new Tfmanimator(music, window.get());
        window->setAnimationWindows(new Tfmprogress(program->prompts, window.get()), animator);
        window->setUserFolder(program->temp.makeFolder("Ann's folder/Dabwick"));
        window->show();
    }

    void cleanup() { window.reset(); }

    void blackAndWhiteIsRefusedBeforeAnyWindow()
    {
        window->document().picture.setPixel(5, 5, raster::kBlack);
        ModalDriver driver;
        driver.click("OK");
        playAndExpectThePictureBack();
        QVERIFY(driver.finished());
        QCOMPARE(driver.seen(), QStringList{"Animation error | This picture has not been colored! To show an\n"
                                            "animated picture, you must first color it before\n"
                                            "clicking the play button."});
    }

    void abortShowsNoPlayer()
    {
        window->document().picture.setPixel(5, 5, raster::Colour::rgb(0, 0, 1));
        ModalDriver driver;
        driver.click("Abort");
        playAndExpectThePictureBack();
        QCOMPARE(driver.seen(), QStringList{"Animator | Preparing picture."});
        QVERIFY(!program->temp.exists("Ann's folder/Dabwick/Dw Player.ini"));
    }

    void playerKeepsThePictureCentredAndReportsItsSettings()
    {
        animator->prepared().outline = raster::Bitmap(660, 444);
        animator->prepared().regions = {{{1, 1}, raster::Colour::rgb(200, 0, 0)}};
        for (const dabwick::PlayerSettings settings : {dabwick::PlayerSettings{false, false}, dabwick::PlayerSettings{true, true}}) {
            bool musicOn = !settings.musicOn;
            bool running = false;
            QSize size;
            QPoint panel;
            QTimer::singleShot(100, animator, [&] {
                musicOn = animator->btnMusic->isChecked();
                running = animator->Timer1->isActive();
                if (!settings.maximized)
                    animator->resize(1000, 800);  // as a child might
                size = animator->size();
                panel = animator->Panmain->pos();
                animator->BitBtn1->click();
            });
            QCOMPARE(animator->play(settings, "no tune.mid"), settings);
            QCOMPARE(musicOn, settings.musicOn);
            QVERIFY(running);
            QVERIFY(!animator->Timer1->isActive());
            QCOMPARE(panel, QPoint(size.width() / 2 - 348, size.height() / 2 - 276));
        }
    }
};

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"
