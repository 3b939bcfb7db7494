// The colour controls of the side panel, the custom colour dialog, the palette chooser's list and
// the self-painted colour button.
#include <QAbstractItemView>
#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "dabwick/DataFolderContent.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/Palettes.h"
#include "dabwick/PictureDocument.h"
#include "raster/BmpCodec.h"
#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "ui/BitmapView.h"
#include "ui/ColourBar.h"
#include "ui/TColorBtn.h"
#include "ui/TEnhCombo.h"

namespace {

QColor colourOf(const QWidget* image)
{
    return image->palette().color(QPalette::Window);
}

}  // namespace

class ColourBarTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<dabwick::PictureDocument> document;
    std::unique_ptr<dabwick::DrawingEngine> engine;
    std::unique_ptr<QFrame> pancolorbar;
    ColourBar* bar = nullptr;

    void installPalettes()
    {
        const dabwick::DataFolderContent content {
            program->context.resources, program->context.record, program->temp.path()};
        dabwick::InstallPalettes(content);
        bar->ListPalettes();
    }

    void useTool(dabwick::ToolButton button)
    {
        engine->pressToolButton(button);
        bar->showState();
    }

    raster::Colour stripPixel(int x, int y) const { return bar->impalmain->bitmap()->pixel(x, y); }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName("Dabwick"); }

    void init()
    {
        program = std::make_unique<TestProgram>();
        document = std::make_unique<dabwick::PictureDocument>();
        engine = std::make_unique<dabwick::DrawingEngine>(*document);
        engine->ResetTools();
        pancolorbar = std::make_unique<QFrame>();
        pancolorbar->resize(105, 564);
        bar = new ColourBar(pancolorbar.get(), *engine, program->context);
        pancolorbar->show();
        QVERIFY(QTest::qWaitForWindowExposed(pancolorbar.get()));
    }

    void cleanup()
    {
        pancolorbar.reset();
        engine.reset();
        document.reset();
        program.reset();
    }

    void chooserTakesAPickedOrTypedPaletteAndAddsNothing()
    {
        installPalettes();
        QCOMPARE(bar->cbpalette->count(), 9);
        QCOMPARE(bar->cbpalette->currentText(), QString("<Main>"));
        const auto corner = [&](const char* resource) {
            return raster::readBmp(program->context.resources.find(resource, "palette")->bytes).value->pixel(1, 1);
        };
        bar->cbpalette->setCurrentIndex(bar->cbpalette->findText("Shades of grey"));
        QCOMPARE(stripPixel(3 + 1, 37 + 1), corner("palette7"));
        QCOMPARE(stripPixel(4, 19), raster::Colour::rgb(255, 0, 0));

        bar->cbpalette->lineEdit()->selectAll();
        QTest::keyClicks(bar->cbpalette->lineEdit(), "ocean");
        QCOMPARE(stripPixel(3 + 1, 37 + 1), corner("palette5"));
        QTest::keyClick(bar->cbpalette->lineEdit(), Qt::Key_Return);
        QCOMPARE(bar->cbpalette->count(), 9);
    }

    // The dialog starts at the current colour. Its answer is taken lifted off pure black and
    // zero channels; cancelled, the current colour is taken so, whatever the dialog showed.
    void customColourDialogStartsAtTheCurrentColourAndItsAnswerIsLifted()
    {
        useTool(dabwick::ToolButton::crayonbutton);
        QTest::mouseMove(bar->impalmain, QPoint(8, 22));
        QTest::mouseClick(bar->impalmain, Qt::LeftButton, {}, QPoint(8, 22));  // pure red
        const struct {
            bool accept;
            QColor startedAt;
            QColor taken;
        } rows[] = {
            {false, QColor(255, 0, 0), QColor(255, 1, 1)},
            {true, QColor(255, 1, 1), QColor(1, 1, 1)},
        };
        for (const auto& row : rows) {
            QColor startedAt;
            ModalDriver driver;
            driver.run([&](QWidget* window) {
                auto* dialog = qobject_cast<QColorDialog*>(window);
                startedAt = dialog->currentColor();
                QVERIFY(!dialog->testOption(QColorDialog::ShowAlphaChannel));
                dialog->setCurrentColor(Qt::black);
                row.accept ? dialog->accept() : dialog->reject();
            });
            QSignalSpy chosen(bar, &ColourBar::colourChosen);
            bar->btncustom->click();
            QVERIFY(driver.finished());
            QCOMPARE(startedAt, row.startedAt);
            QCOMPARE(colourOf(bar->imcpen), row.taken);
            QCOMPARE(chosen.count(), 1);
        }
    }

    void dropDownListIsWideEnoughForItsLongestItemAndStaysOnScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QString longest = "A palette with a very long name indeed";
        TEnhCombo box;
        box.addItems({"<Main>", longest});
        box.resize(97, 21);
        box.move(screen.left() + 10, screen.top() + 10);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.showPopup();
        QVERIFY(box.view()->window()->width() > box.fontMetrics().horizontalAdvance(longest));
        box.hidePopup();

        // Near the right edge the list ends 2 pixels short of it, still under the box's left edge.
        box.move(screen.right() + 1 - 120, screen.top() + 10);
        QTRY_VERIFY(box.mapToGlobal(QPoint(0, 0)).x() >= screen.right() + 1 - 120);
        box.showPopup();
        QCOMPARE(box.view()->window()->geometry().right() + 1, screen.right() + 1 - 2);
        QCOMPARE(box.view()->window()->x(), box.mapToGlobal(QPoint(0, 0)).x());
        box.hidePopup();
    }

    // The clip maker's colour buttons: the face in its colour, and a double click counted as a
    // second click.
    void colourButtonPaintsItsFaceAndCountsEveryClick()
    {
        TColorBtn button("X");
        button.resize(40, 30);
        button.setButtonColor(QColor(200, 40, 40));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QCOMPARE(button.grab().toImage().pixelColor(6, 6), QColor(200, 40, 40));

        QSignalSpy clicks(&button, &QPushButton::clicked);
        // What the system sends for a double click: the second press comes with a double click.
        const QPointF at(10, 10);
        const QPointF global = button.mapToGlobal(at);
        const std::pair<QEvent::Type, Qt::MouseButtons> events[] = {
            {QEvent::MouseButtonPress, Qt::LeftButton},
            {QEvent::MouseButtonRelease, Qt::NoButton},
            {QEvent::MouseButtonPress, Qt::LeftButton},
            {QEvent::MouseButtonDblClick, Qt::LeftButton},
            {QEvent::MouseButtonRelease, Qt::NoButton},
        };
        for (const auto& [type, held] : events) {
            QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(&button, &event);
        }
        QCOMPARE(clicks.count(), 2);
    }
};

QTEST_MAIN(ColourBarTest)
#include "tst_colour_bar.moc"
