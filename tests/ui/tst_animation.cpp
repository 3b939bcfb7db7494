// The Play button's trip through the preparation and player windows: a picture without colour
// is refused before any window, and Abort shows no player.
#include <QPushButton>
#include <QTest>

#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "ui/QueuedMusic.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmanimator.h"
#include "ui/Tfmprogress.h"

class AnimationTest : public QObject {
    Q_OBJECT

    TestProgram program;
    TFMdraw window {program.context};
    QueuedMusic music;  // no tune file: silent
    Tfmanimator* animator = new Tfmanimator(music, &window);

    // Presses Play with one pixel of the picture set; the main window must come back as it went.
    QStringList play(raster::Colour pixel, const QString& button)
    {
        window.document().picture.setPixel(5, 5, pixel);
        const raster::Bitmap before = window.document().picture;
        ModalDriver driver;
        driver.click(button);
        window.SpeedButton2->click();
        [&] {
            QVERIFY(driver.finished());
            QVERIFY(window.isVisible() && window.isEnabled() && !window.document().skipReset);
            QVERIFY(window.document().picture == before);
        }();
        return driver.seen();
    }

private slots:
    void initTestCase()
    {
        window.setAnimationWindows(new Tfmprogress(program.prompts, &window), animator);
        window.setUserFolder(program.temp.makeFolder("Ann's folder/Dabwick"));
        window.show();
    }

    void blackAndWhiteIsRefusedBeforeAnyWindowAndAbortShowsNoPlayer()
    {
        QCOMPARE(play(raster::kBlack, "OK"),
            QStringList {"Animation error | This picture has not been colored! To show an\n"
                         "animated picture, you must first color it before\n"
                         "clicking the play button."});
        QCOMPARE(play(raster::Colour::rgb(0, 0, 1), "Abort"), QStringList {"Animator | Preparing picture."});
        QVERIFY(!program.temp.exists("Ann's folder/Dabwick/Dw Player.ini"));
    }
};

QTEST_MAIN(AnimationTest)
#include "tst_animation.moc"
