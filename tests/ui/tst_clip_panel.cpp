// The clip panel's layout, and the clip tool wired from the tool button through the browser to
// a stamp on the pad.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "dabwick/DataFolderContent.h"
#include "support/TestProgram.h"
#include "ui/BitmapView.h"
#include "ui/ClipPanel.h"
#include "ui/ClipView.h"
#include "ui/TEnhCombo.h"
#include "ui/TFMdraw.h"

class ClipPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<TFMdraw> window;
    ClipPanel* panel = nullptr;

private slots:
    void init()
    {
        program = std::make_unique<TestProgram>();
        window = std::make_unique<TFMdraw>(program->context);
        window->document().history.setHistoryFlag();
        window->show();
        panel = window->clipPanel;
        panel->BuildClipCatalogue({program->context.resources, program->context.record, program->temp.path()});
    }

    void cleanup()
    {
        window->document().changed = false;
        window.reset();
    }

    void layoutMatchesTheTable()
    {
        QCOMPARE(window->panclips->geometry(), QRect(0, 0, 105, 564));
        QVERIFY(window->panclips->isHidden());
        QCOMPARE(panel->cbclips->geometry(), QRect(4, 6, 97, 21));
        QCOMPARE(panel->Panel4->geometry(), QRect(6, 30, 93, 393));
        const int tops[] = {8, 77, 147, 216, 285};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(panel->panclip[std::size_t(k)]->geometry(), QRect(12, tops[k], 68, 68));
            QCOMPARE(panel->clip[std::size_t(k)]->geometry(), QRect(2, 2, 64, 64));
        }
        const QList<std::tuple<QToolButton*, QRect, QString>> buttons = {
            {panel->BitBtn3, {17, 360, 25, 25}, "Go back to the last five clips."},
            {panel->BitBtn2, {49, 360, 25, 25}, "Go forward to the next five clips."},
            {panel->btnflipud, {6, 96, 25, 25}, "Flip selected clip top to bottom."},
            {panel->btnfliplr, {34, 96, 25, 25}, "Flip selected clip left to right."},
            {panel->btnrotate, {62, 96, 25, 25}, "Rotate selected clip in a circle."},
        };
        for (const auto& [button, place, hint] : buttons) {
            QCOMPARE(button->geometry(), place);
            QCOMPARE(button->toolTip(), hint);
        }
        QCOMPARE(panel->panselected->geometry(), QRect(6, 427, 93, 134));
        QCOMPARE(panel->panselected->text(), QString("None"));
        QCOMPARE(panel->Label2->pos(), QPoint(14, 5));
        QVERIFY(panel->Label2->geometry().right() < 93);
        QCOMPARE(panel->impreviewclip->geometry(), QRect(14, 20, 64, 64));
        QCOMPARE(panel->cbclips->currentText(), QString("<Text>"));
        QCOMPARE(panel->cbclips->itemText(1), QString("<User's clips>"));
        QCOMPARE(panel->cbclips->count(), 12);
        QVERIFY(!panel->BitBtn3->isEnabled() && panel->BitBtn2->isEnabled());
    }

    void clipToolSelectsAndStamps()
    {
        window->btnclip->click();
        QVERIFY(window->panclips->isVisible() && !window->pancolorbar->isVisible());
        panel->cbclips->setCurrentText("Shapes");
        QCOMPARE(panel->clip[0]->toolTip(), QString("Arrow"));
        QCOMPARE(panel->panclip[0]->text(), QString());
        QTest::mouseClick(panel->clip[0], Qt::LeftButton);
        QCOMPARE(panel->panselected->text(), QString());
        QTest::mouseClick(panel->btnfliplr, Qt::LeftButton);

        QTest::mouseMove(window->IMpad, {200, 150});
        QCOMPARE(window->IMpad->cursor().shape(), Qt::BlankCursor);
        QTest::mouseClick(window->IMpad, Qt::LeftButton, {}, {200, 150});
        QCOMPARE(window->document().history.count(), 1);
        QVERIFY(window->document().lineArt != window->document().blank);
        QVERIFY(window->btnsave->isEnabled());

        window->crayonbutton->click();
        QVERIFY(!window->panclips->isVisible() && window->pancolorbar->isVisible());
    }
};

QTEST_MAIN(ClipPanelTest)
#include "tst_clip_panel.moc"
