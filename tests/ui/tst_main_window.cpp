// The main window: the document buttons, the pad's mouse handling, the save questions of "Draw" and
// closing, the print job, and Play, driven through the real dialogs and message boxes.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "dabwick/ClipCatalogue.h"
#include "dabwick/DataFolderContent.h"
#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "support/TextFit.h"
#include "ui/BitmapView.h"
#include "ui/ClipPanel.h"
#include "ui/ClipView.h"
#include "ui/ColourBar.h"
#include "ui/QtSheetPrinter.h"
#include "ui/QueuedMusic.h"
#include "ui/SaveQuestions.h"
#include "ui/TEnhCombo.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmanimator.h"
#include "ui/Tfmfillopt.h"
#include "ui/Tfmnotsave.h"
#include "ui/Tfmpictsave.h"
#include "ui/Tfmprogress.h"

class MainWindowTest : public QObject {
    Q_OBJECT

    QueuedMusic music;  // no tune file: silent
    std::unique_ptr<TestProgram> program;
    std::unique_ptr<TFMdraw> window;

    // A stroke as the tools will make it: a mark, the changed flag, one undo step.
    void stroke(int at)
    {
        window->document().picture.setPixel(at, at, raster::kBlack);
        window->document().MarkChanged();
        window->document().RecordUndoStep();
        window->showDocumentState();
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Dabwick"); }

    void init()
    {
        program = std::make_unique<TestProgram>();
        window = std::make_unique<TFMdraw>(program->context);
        // The dialogs belong to the window, as in the program.
        window->setSaveDialogs(new Tfmclearpict(window.get()), new TFmChecksave(window.get()),
            new Tfmwantsave(window.get()), new Tfmpictsave(window.get()), new Tfmnotsave(window.get()));
        window->setUserFolder(program->temp.makeFolder("Ann's folder/Dabwick"));
        window->document().history.setHistoryFlag();
        window->show();
    }

    void cleanup()
    {
        window->document().changed = false;
        window.reset();
    }

    void drawOnAChangedPictureFollowsTheAnswerAndAnUnchangedOneAsksNothing()
    {
        stroke(5);
        ModalDriver cancel;
        cancel.click("Cancel");
        window->btnnew->click();
        QCOMPARE(
            cancel.seen(), QStringList {"Save prompt | Do you want to save this picture before creating a new one?"});
        QCOMPARE(window->document().picture.pixel(5, 5), raster::kBlack);

        ModalDriver no;
        no.click("No");
        window->btnnew->click();
        QVERIFY(!window->document().changed);
        QCOMPARE(window->document().picture, window->document().blank);
        QVERIFY(!window->btnsave->isEnabled() && !window->btnundo->isEnabled() && !window->btnprint->isEnabled());
        ModalDriver none;  // unchanged now: neither Draw nor closing asks
        window->btnnew->click();
        QVERIFY(window->close());
        QVERIFY(none.seen().isEmpty());
    }

    // Quit, Yes, a name already taken, Cancel, then the name dialog closed: nothing is lost.
    void quitSavingOverATakenNameAsksToReplaceAndCancelledKeepsTheWindowOpen()
    {
        program->temp.write("Ann's folder/Dabwick/Boat.dwb", "old");
        stroke(7);
        ModalDriver driver;
        driver.click("Yes").type("boat.", "Save").click("Cancel").close();
        QVERIFY(!window->close());
        QVERIFY(driver.finished() && window->isVisible() && window->document().changed);
        QCOMPARE(driver.seen().first(), QString("Save prompt | Do you want to save your picture before you quit?"));
        QCOMPARE(driver.seen().at(2),
            QString("Save picture | You aready have a picture saved under the name / \"BOAT\" / "
                    "To replace the saved picture with this picture click (Replace) / "
                    "To select a different name for this picture click (Cancel)"));
        QCOMPARE(program->temp.read("Ann's folder/Dabwick/Boat.dwb"), std::string("old"));
    }

    void aQuickSecondTapDrawsLikeTheFirst()
    {
        // Qt delivers the second press of a quick pair as a double-click.
        window->freehandbutton->click();
        for (const QPoint at : {QPoint(100, 100), QPoint(104, 100)}) {
            QTest::mousePress(window->IMpad, Qt::LeftButton, {}, at);
            QTest::mouseRelease(window->IMpad, Qt::LeftButton, {}, at);
        }
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(300, 200),
            window->IMpad->mapToGlobal(QPointF(300, 200)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window->IMpad, &second);
        QTest::mouseRelease(window->IMpad, Qt::LeftButton, {}, {300, 200});
        QCOMPARE(window->document().picture.pixel(300, 200), raster::kBlack);
        window->btnundo->click();
        QCOMPARE(window->document().picture.pixel(300, 200), raster::kWhite);
        QCOMPARE(window->document().picture.pixel(100, 100), raster::kBlack);  // one undo step a tap
    }

    void leavingThePadHidesTheColourPreview()
    {
        window->crayonbutton->click();
        window->btnselect->click();
        QTest::mouseMove(window->IMpad, {50, 50});
        QVERIFY(window->colourBar->pcolor->isVisible());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(window->IMpad, &leave);
        QVERIFY(window->colourBar->pcolor->isHidden());
    }

    void noLineOfTextIsCut()
    {
        // Every size caption in turn, with the widest size; the dialogs are children of the window.
        window->RectangleButton->click();
        while (window->lblsize->text() != "100")
            window->btnplus->click();
        QCOMPARE(firstCutLine(window.get()), QString());
        Tfmfillopt patterns(window.get());
        patterns.show();
        QCOMPARE(firstCutLine(&patterns), QString());
    }

    // A long category name picked with the keys shows from its first letter; selecting and
    // stamping are tested on the logic and end to end.
    void theClipCategoryBoxShowsAPickedNameFromItsStart()
    {
        ClipPanel* panel = window->clipPanel;
        dabwick::InstallClipFiles({program->context.resources, program->context.record, program->temp.path()});
        panel->BuildClipCatalogue(program->temp.path());
        window->btnclip->click();
        QCOMPARE(panel->cbclips->currentText(), QString("<Text>"));
        panel->cbclips->setCurrentIndex(10);
        QTest::keyClick(panel->cbclips, Qt::Key_Down);  // picks "Shapes"
        QCOMPARE(std::pair(panel->clip[0]->toolTip(), panel->cbclips->lineEdit()->cursorPosition()),
            std::pair(QString("Arrow"), 0));
    }

    // The job is set up on any printer as the sheet wants it.
    void aSheetIsPortraitWithOneCopyWhateverThePrinterSays()
    {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setCopyCount(3);
        QtSheetPrinter(printer, {}).setUpJob("Boat");
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(std::pair(printer.copyCount(), printer.docName()), std::pair(1, QString("Boat")));
    }

    // Play refuses a picture without colour before any window, and Abort shows no player; either
    // way the main window comes back as it went.
    void playRefusesAPictureWithoutColourAndAbortShowsNoPlayer()
    {
        window->setAnimationWindows(
            new Tfmprogress(program->prompts, window.get()), new Tfmanimator(music, window.get()));
        const struct {
            raster::Colour pixel;
            const char* button;
            const char* shown;
        } rows[] = {
            {raster::kBlack, "OK",
                "Animation error | This picture has not been colored! To show an\nanimated picture, you must first "
                "color it before\nclicking the play button."},
            {raster::Colour::rgb(0, 0, 1), "Abort", "Animator | Preparing picture."},
        };
        for (const auto& row : rows) {
            window->document().picture.setPixel(5, 5, row.pixel);
            const raster::Bitmap before = window->document().picture;
            ModalDriver driver;
            driver.click(row.button);
            window->SpeedButton2->click();
            QVERIFY(driver.finished());
            QCOMPARE(driver.seen(), QStringList {row.shown});
            QVERIFY(window->isVisible() && window->isEnabled() && !window->document().skipReset);
            QVERIFY(window->document().picture == before);
        }
        QVERIFY(!program->temp.exists("Ann's folder/Dabwick/Dw Player.ini"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
