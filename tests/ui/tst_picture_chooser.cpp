// The picture chooser window, and "Color" and "Load" with their save question.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "dabwick/PictureChooser.h"
#include "raster/BmpCodec.h"
#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "support/TextFit.h"
#include "ui/SaveQuestions.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmdwchoices.h"
#include "ui/Tfmnotsave.h"
#include "ui/Tfmpictsave.h"

class PictureChooserTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;

    void writePicture(const std::string& relative, int height)
    {
        const auto bytes = raster::encodeBmp24(raster::Bitmap(660, height, raster::Colour(0x3366CC)));
        program->temp.write(relative, std::string(bytes.begin(), bytes.end()));
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Dabwick"); }
    void init() { program = std::make_unique<TestProgram>(); }

    // Opened on an empty folder, or emptied by Delete, the chooser offers only Cancel. The same
    // window serves every opening, as the main window's does.
    void anEmptyListOffersOnlyCancel()
    {
        Tfmdwchoices window(program->prompts, nullptr);
        dabwick::PictureChooser chooser(
            dabwick::ChooserMode::ChildPictures, program->temp.makeFolder("pics"), "*.dwb*");
        const auto onlyCancel = [&] {
            return !window.okButton->isEnabled() && !window.btnremove->isEnabled() && window.impreview->isHidden();
        };
        QTimer::singleShot(0, [&] {
            QVERIFY(onlyCancel());
            window.reject();
        });
        QVERIFY(!window.choose(chooser, "User picture selection", true).has_value());
        QCOMPARE(firstCutLine(&window), QString());

        writePicture("pics/Boat.dwb", 888);
        QTimer::singleShot(0, [&] {
            QCOMPARE(window.lbtitles->count(), 1);
            QVERIFY(window.okButton->isEnabled() && window.btnremove->isEnabled() && window.impreview->isVisible());
            // The question tells the child to click NO when unsure, so Enter answers No.
            ModalDriver enter;
            enter.run([](QWidget* question) { QTest::keyClick(question, Qt::Key_Return); });
            window.btnremove->click();
            QVERIFY(enter.finished() && window.lbtitles->count() == 1);
            ModalDriver driver;
            driver.click("Yes");
            window.btnremove->click();
            QVERIFY(driver.finished());
            QCOMPARE(window.lbtitles->count(), 0);
            QVERIFY(onlyCancel());
            QVERIFY2(window.isVisible(), "Delete never closes the chooser");
            window.reject();
        });
        QVERIFY(!window.choose(chooser, "User picture selection", true).has_value());
        QVERIFY(!program->temp.exists("pics/Boat.dwb"));
    }

    // The main window with its real dialogs, for Ann.
    std::unique_ptr<TFMdraw> mainWindow()
    {
        auto main = std::make_unique<TFMdraw>(program->context);
        main->setSaveDialogs(new Tfmclearpict(main.get()), new TFmChecksave(main.get()), new Tfmwantsave(main.get()),
            new Tfmpictsave(main.get()), new Tfmnotsave(main.get()));
        main->setPictureChooser(new Tfmdwchoices(program->prompts, main.get()));
        main->setUserFolder(program->temp.makeFolder("Ann's folder/Dabwick"));
        return main;
    }

    void aFileThatCannotBeUsedLeavesABlankPad()
    {
        // A picture of the wrong size still finishes the load; a file the reader refuses ends it
        // at its warning, so Print and Clear stay off.
        struct Row {
            const char* file;
            int height;  // 0: not a picture at all
            const char* warning;
            bool printAndClear;
        };
        const Row rows[] = {
            {"Small.dwb", 444, "Invalid size error", true},
            {"Broken.dwb", 0, "Picture error", false},
        };
        for (const Row& row : rows) {
            init();
            const std::unique_ptr<TFMdraw> main = mainWindow();
            const std::string file = std::string("Ann's folder/Dabwick/") + row.file;
            if (row.height)
                writePicture(file, row.height);
            else
                program->temp.write(file, "BM no picture");
            ModalDriver driver;
            driver.click("OK").click("OK");  // the chooser, then the warning
            main->btnload->click();
            QVERIFY(driver.finished());
            QVERIFY2(driver.seen().at(1).startsWith(QString(row.warning) + " | "), qPrintable(driver.seen().at(1)));
            QCOMPARE(main->document().picture, main->document().blank);
            QCOMPARE(main->btnprint->isEnabled(), row.printAndClear);
            QCOMPARE(main->btnclear->isEnabled(), row.printAndClear);
            QVERIFY(main->freehandbutton->isChecked());
            QCOMPARE(main->windowTitle(), QString("Picture name: {Untitled}"));
        }
    }

    void loadWithAChangedPictureAndACancelledNameLoadsNothing()
    {
        writePicture("Ann's folder/Dabwick/Boat.dwb", 888);
        const std::unique_ptr<TFMdraw> window = mainWindow();
        TFMdraw& main = *window;
        main.document().picture.setPixel(1, 1, raster::kBlack);
        main.document().MarkChanged();

        ModalDriver driver;
        driver.click("Yes").click("Cancel");
        main.btnload->click();
        QVERIFY(driver.finished());
        QCOMPARE(
            driver.seen().first(), QString("Save prompt | Do you want to save this picture before loading a new one?"));
        QCOMPARE(main.document().picture.pixel(1, 1), raster::kBlack);
        QVERIFY(main.document().changed);

        // "&No" loads: the chooser opens, OK takes the only picture, the crayon is ready.
        ModalDriver load;
        load.click("No").click("OK");
        main.btnload->click();
        QVERIFY(load.finished());
        QCOMPARE(main.windowTitle(), QString("Picture name: {Boat}"));
        QCOMPARE(main.document().picture.pixel(1, 1), raster::Colour(0x3366CC));
        QVERIFY(main.crayonbutton->isChecked());
        QVERIFY(main.btnprint->isEnabled() && main.btnclear->isEnabled() && !main.btnsave->isEnabled());
        main.document().changed = false;
    }
};

QTEST_MAIN(PictureChooserTest)
#include "tst_picture_chooser.moc"
