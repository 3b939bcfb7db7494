// The screen cursor table: each named cursor in its slot with its hot spot, the arrow and no
// cursor around them, and a resource table that lacks or spoils a cursor.
#include <QPixmap>
#include <QTest>

#include "ui/CursorLib.h"

class CursorLibTest : public QObject {
    Q_OBJECT

private slots:
    void everySlotShowsItsOwnPictureAndTheArrowLiesAround();
    void aMissingOrSpoiltCursorLeavesTheArrow();
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
}

void CursorLibTest::aMissingOrSpoiltCursorLeavesTheArrow()
{
    const dabwick::Resource* hand = dabwick::builtInResources().find("hand", "CURSOR");
    const std::uint8_t hotSpotOnly[] = {13, 23};
    const std::uint8_t notAPicture[] = {2, 29, 'G', 'I', 'F', '8', '9', 'a'};
    const dabwick::Resource entries[] = {
        {"HAND", "cursor", hand->bytes},  // names and types in any letter case
        {"draw", "CURSOR", hotSpotOnly},
        {"pen", "CURSOR", notAPicture},
        {"brush", "GLYPH", hand->bytes},
    };
    ScreenCursors cursors;
    cursors.load(dabwick::ResourceTable(entries));

    QCOMPARE(cursors.cursor(dabwick::CursorSlot::kHand).shape(), Qt::BitmapCursor);
    QCOMPARE(cursors.cursor(dabwick::CursorSlot::kHand).hotSpot(), QPoint(hand->bytes[0], hand->bytes[1]));
    for (int slot : {dabwick::CursorSlot::kDraw, dabwick::CursorSlot::kPen, dabwick::CursorSlot::kBrush,
             dabwick::CursorSlot::kCrayon})
        QCOMPARE(cursors.cursor(slot).shape(), Qt::ArrowCursor);
}

QTEST_MAIN(CursorLibTest)
#include "tst_cursor_lib.moc"
