// The main window's layout, the document buttons and the save questions of "Draw" and closing,
// driven through the real dialogs and message boxes.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "support/TextFit.h"
#include "dabwick/DataFolderContent.h"
#include "ui/ClipPanel.h"
#include "ui/ClipView.h"
#include "ui/ColourBar.h"
#include "ui/TEnhCombo.h"
#include "ui/SaveQuestions.h"
#include "ui/BitmapView.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmfillopt.h"
#include "ui/Tfmnotsave.h"
#include "ui/Tfmpictsave.h"

namespace fs = std::filesystem;

class MainWindowTest : public QObject {
    Q_OBJECT

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

    void regionsButtonsCaptionsAndHintsSitWhereTheChildExpects()
    {
        QCOMPARE(window->size(), QSize(782, 564));
        QCOMPARE(window->windowTitle(), QString("Picture name: {Untitled}"));
        QCOMPARE(window->IMpad->geometry(), QRect(105, 46, 660, 444));
        QCOMPARE(window->Panel3->geometry(), QRect(105, 0, 677, 46));
        QCOMPARE(window->Panel2->geometry(), QRect(105, 490, 677, 74));
        QCOMPARE(window->Panel11->geometry(), QRect(765, 46, 17, 444));
        QCOMPARE(window->pancolorbar->geometry(), QRect(0, 0, 105, 564));

        const QList<std::tuple<QPushButton*, QString, QString, bool>> top = {
            {window->btnnew, "Draw", "Draw a new picture.", true},
            {window->SpeedButton1, "Color", "Color a coloring page.", true},
            {window->btnload, "Load", "Load a user picture.", true},
            {window->SpeedButton2, "Play", "Play an animation of current picture.", true},
            {window->btnMakeClip, "Clip", "Make or edit a user clip.", true},
            {window->btnsave, "Save", "Save current picture in users folder.", false},
            {window->btnprint, "Print", "Print current picture.", false},
            {window->BitBtn8, "Help", "View instructions.", true},
            {window->BitBtn6, "Quit", "Quit Dabwick.", true},
        };
        int left = 6;
        for (const auto& [button, caption, hint, enabled] : top) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->toolTip(), hint);
            QCOMPARE(button->toolTipDuration(), 6000);
            QCOMPARE(button->geometry(), QRect(left, 12, 57, 22));
            QCOMPARE(button->isEnabled(), enabled);
            left += 76;
        }
        QCOMPARE(window->EllipseButton->geometry(), QRect(140, 28, 26, 29));
        QCOMPARE(window->btnundo->geometry(), QRect(637, 28, 29, 29));
        QCOMPARE(window->btnundo->toolTip(), QString("Removes the last change made to current picture."));
        QCOMPARE(window->btnclear->toolTip(), QString("Clears all color and makes current pictue black and white."));
        QVERIFY(!window->btnundo->isEnabled());
        QVERIFY(!window->btnclear->isEnabled());
        QVERIFY(window->freehandbutton->isChecked());
    }

    void drawOnAnUnchangedPictureAsksNothing()
    {
        window->document().buttons.print = true;
        window->showDocumentState();
        ModalDriver none;
        window->btnnew->click();
        QVERIFY(none.seen().isEmpty());
        QVERIFY(!window->btnprint->isEnabled());
        QCOMPARE(window->windowTitle(), QString("Picture name: {Untitled}"));
    }

    void drawOnAChangedPictureFollowsTheAnswer()
    {
        stroke(5);
        ModalDriver cancel;
        cancel.click("Cancel");
        window->btnnew->click();
        QCOMPARE(cancel.seen(), QStringList{"Save prompt | Do you want to save this picture before creating a new one?"});
        QVERIFY(window->document().changed);
        QCOMPARE(window->document().picture.pixel(5, 5), raster::kBlack);

        ModalDriver no;
        no.click("No");
        window->btnnew->click();
        QVERIFY(!window->document().changed);
        QCOMPARE(window->document().picture, window->document().blank);
        QVERIFY(!window->btnsave->isEnabled() && !window->btnundo->isEnabled());
    }

    void quitWithYesThenCancelledNameKeepsTheWindowOpen()
    {
        stroke(7);
        ModalDriver driver;
        driver.click("Yes").click("Cancel");
        QVERIFY(!window->close());
        QVERIFY(driver.finished());
        QVERIFY(window->isVisible());
        QVERIFY(window->document().changed);
        QCOMPARE(driver.seen().first(), QString("Save prompt | Do you want to save your picture before you quit?"));
    }

    void saveAsksAgainForABlankNameAndWritesTheFiles()
    {
        stroke(9);
        ModalDriver driver;
        driver.type("   ", "Save").click("OK").type("boat", "Save").click("OK");
        window->btnsave->click();
        QVERIFY(driver.finished());
        QCOMPARE(driver.seen().at(1), QString("Name needed | You must enter a name for your picture!"));
        QCOMPARE(driver.seen().at(3), QString("Dabwick | BOAT has now been saved."));
        QCOMPARE(fs::file_size(program->temp.path() + "Ann's folder/Dabwick/boat.dwb"), 1758294u);
        QCOMPARE(window->windowTitle(), QString("Picture name: {boat}"));
        QVERIFY(!window->btnsave->isEnabled());
    }

    void savingOverATakenNameAsksToReplace()
    {
        program->temp.write("Ann's folder/Dabwick/Boat.dwb", "old");
        stroke(11);
        ModalDriver driver;
        driver.type("boat.", "Save").click("Cancel").close();
        window->btnsave->click();
        QVERIFY(driver.finished());
        QCOMPARE(driver.seen().at(1), QString("Save picture | You aready have a picture saved under the name / \"BOAT\" / "
                                              "To replace the saved picture with this picture click (Replace) / "
                                              "To select a different name for this picture click (Cancel)"));
        QCOMPARE(program->temp.read("Ann's folder/Dabwick/Boat.dwb"), std::string("old"));
    }

    void eachToolButtonSetsItsControls()
    {
        struct Row {
            QToolButton* button;
            QString caption;  // empty: the size controls are off
            bool style;
            bool select;
            bool clips;
        };
        const QList<Row> rows = {
            {window->freehandbutton, "Pencil size = ", false, false, false},
            {window->btnerase, "Eraser size = ", false, false, false},
            {window->LineButton, "Line width = ", false, false, false},
            {window->RectangleButton, "Border width = ", false, false, false},
            {window->EllipseButton, "Border width = ", false, false, false},
            {window->RoundRectButton, "Border width = ", false, false, false},
            {window->btnclip, "", false, false, true},
            {window->crayonbutton, "Crayon size = ", false, true, false},
            {window->markerbutton, "Marker size = ", false, true, false},
            {window->fillbutton, "", true, true, false},
            {window->btnreplace, "", false, true, false},
        };
        for (const Row& row : rows) {
            row.button->click();
            QVERIFY(row.button->isChecked());
            QCOMPARE(window->btnminus->isEnabled(), !row.caption.isEmpty());
            QCOMPARE(window->lblsize->isEnabled(), !row.caption.isEmpty());
            if (!row.caption.isEmpty())
                QCOMPARE(window->lbltool->text(), row.caption);
            QCOMPARE(window->btnstyle->isEnabled(), row.style);
            QCOMPARE(window->btnselect->isEnabled(), row.select);
            QCOMPARE(window->panclips->isVisible(), row.clips);
            QCOMPARE(window->pancolorbar->isVisible(), !row.clips);
        }
        window->crayonbutton->click();
        window->btnplus->click();
        QCOMPARE(window->lblsize->text(), QString("10"));
        window->btnerase->click();
        QCOMPARE(window->lblsize->text(), QString("5"));
    }

    void drawingOnThePadIsOneUndoStepPerStroke()
    {
        window->RectangleButton->click();
        QTest::mousePress(window->IMpad, Qt::LeftButton, {}, {100, 100});
        QTest::mouseMove(window->IMpad, {150, 130});
        QTest::mouseMove(window->IMpad, {200, 160});
        QTest::mouseRelease(window->IMpad, Qt::LeftButton, {}, {200, 160});
        QCOMPARE(window->document().picture.pixel(100, 130), raster::kBlack);
        QCOMPARE(window->document().lineArt.pixel(150, 160), raster::kBlack);
        QCOMPARE(window->document().picture.pixel(150, 130), raster::kWhite);
        QVERIFY(window->btnundo->isEnabled() && window->btnsave->isEnabled() && window->btnclear->isEnabled());
        window->btnundo->click();
        QCOMPARE(window->document().picture, window->document().blank);
    }

    void aQuickSecondTapDrawsLikeTheFirst()
    {
        // Qt delivers the second press of a quick pair as a double-click.
        window->freehandbutton->click();
        for (const QPoint at : {QPoint(100, 100), QPoint(104, 100)}) {
            QTest::mousePress(window->IMpad, Qt::LeftButton, {}, at);
            QTest::mouseRelease(window->IMpad, Qt::LeftButton, {}, at);
        }
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(300, 200), window->IMpad->mapToGlobal(QPointF(300, 200)),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
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

    void undoBackToTheStartLeavesNothingToSave()
    {
        for (int i = 1; i <= 3; ++i)
            stroke(i);
        for (int i = 0; i < 3; ++i)
            window->btnundo->click();
        QVERIFY(!window->btnundo->isEnabled());
        QVERIFY(!window->btnsave->isEnabled());
        QVERIFY(!window->btnprint->isEnabled());
        QVERIFY(!window->btnclear->isEnabled());
        ModalDriver none;
        QVERIFY(window->close());
        QVERIFY(none.seen().isEmpty());
    }

    // The clip panel where its table puts it, then the clip tool from its button to a stamp.
    void theClipToolSelectsFlipsAndStamps()
    {
        ClipPanel* panel = window->clipPanel;
        panel->BuildClipCatalogue({program->context.resources, program->context.record, program->temp.path()});
        const QList<std::pair<QWidget*, QRect>> places = {{panel->cbclips, {4, 6, 97, 21}},
            {panel->panclip[4], {12, 285, 68, 68}}, {panel->BitBtn2, {49, 360, 25, 25}},
            {panel->panselected, {6, 427, 93, 134}}, {panel->btnrotate, {62, 96, 25, 25}}};
        for (const auto& [widget, place] : places)
            QCOMPARE(widget->geometry(), place);
        QCOMPARE(panel->cbclips->currentText(), QString("<Text>"));

        window->btnclip->click();
        panel->cbclips->setCurrentIndex(10);
        QTest::keyClick(panel->cbclips, Qt::Key_Down);  // picks "Shapes", shown from its first letter
        QCOMPARE(std::pair(panel->clip[0]->toolTip(), panel->cbclips->lineEdit()->cursorPosition()), std::pair(QString("Arrow"), 0));
        QTest::mouseClick(panel->clip[0], Qt::LeftButton);
        QCOMPARE(panel->panselected->text(), QString());  // "None" before
        QTest::mouseClick(panel->btnfliplr, Qt::LeftButton);
        QTest::mouseMove(window->IMpad, {200, 150});
        QCOMPARE(window->IMpad->cursor().shape(), Qt::BlankCursor);
        QTest::mouseClick(window->IMpad, Qt::LeftButton, {}, {200, 150});
        QCOMPARE(window->document().history.count(), 1);
        QVERIFY(window->document().lineArt != window->document().blank && window->btnsave->isEnabled());
        window->crayonbutton->click();
        window->btnclip->click();  // chosen again: nothing selected
        QCOMPARE(panel->panselected->text(), QString("None"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
