// The fill pattern window: a button chooses its pattern, the close box leaves the fill solid.
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dabwick/DrawingEngine.h"
#include "dabwick/PictureDocument.h"
#include "ui/Tfmfillopt.h"

class FillStyleTest : public QObject {
    Q_OBJECT

private slots:
    void closeBoxResetsThePatternToSolidAndTheCursorToFill()
    {
        Tfmfillopt window(nullptr);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        dabwick::PictureDocument document;
        dabwick::DrawingEngine engine(document);
        engine.ResetTools();

        QTimer::singleShot(0, &window, [&] { window.findChild<QPushButton*>("fill3")->click(); });
        engine.chooseFillStyle(window.choosePattern());
        QCOMPARE(engine.fillStyle(), 6);
        QCOMPARE(engine.FillCursor, 29);

        QTimer::singleShot(0, &window, [&] { window.close(); });
        engine.chooseFillStyle(window.choosePattern());
        QCOMPARE(engine.fillStyle(), 0);
        QCOMPARE(engine.FillCursor, dabwick::CursorSlot::kFill);
    }
};

QTEST_MAIN(FillStyleTest)
#include "tst_fill_style.moc"
