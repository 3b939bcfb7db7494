// The screen cursor table: each named cursor in its slot with its hot spot, the arrow and no
// cursor around them.
#include <QPixmap>
#include <QTest>

#include "ui/CursorLib.h"

class CursorLibTest : public QObject {
    Q_OBJECT

private slots:
    void everySlotShowsItsOwnPictureAndTheArrowLiesAround();
};

// Each slot its own picture: a slot that loads the wrong name would repeat another's.
void CursorLibTest::everySlotShowsItsOwnPictureAndTheArrowLiesAround()
{
    RegisterCursors();
    const qint64 handPicture = screenCursor(dabwick::CursorSlot::kHand).pixmap().cacheKey();
    RegisterCursors();
    QCOMPARE(screenCursor(dabwick::CursorSlot::kHand).pixmap().cacheKey(), handPicture);

    QList<QImage> seen;
    for (int slot = 1; slot <= 47; ++slot) {
        const QCursor cursor = screenCursor(slot);
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        const QImage picture = cursor.pixmap().toImage();
        QVERIFY2(!seen.contains(picture), qPrintable(QString("slot %1").arg(slot)));
        seen << picture;
    }
    const std::pair<int, Qt::CursorShape> around[] = {
        {dabwick::CursorSlot::kDefault, Qt::ArrowCursor},
        {dabwick::CursorSlot::kHidden, Qt::BlankCursor},
        {48, Qt::ArrowCursor},
        {-2, Qt::ArrowCursor},
    };
    for (const auto& [slot, shape] : around)
        QCOMPARE(screenCursor(slot).shape(), shape);
    // The hot spot is the resource's first two bytes.
    const dabwick::Resource* hand = dabwick::builtInResources().find("hand", "CURSOR");
    QCOMPARE(screenCursor(dabwick::CursorSlot::kHand).hotSpot(), QPoint(hand->bytes[0], hand->bytes[1]));
}

QTEST_MAIN(CursorLibTest)
#include "tst_cursor_lib.moc"
