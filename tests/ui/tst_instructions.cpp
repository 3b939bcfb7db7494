// The instructions window: tabs and paging, the built-in pages and their pictures, and Print
// Page.
#include <QAbstractButton>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include "support/ModalDriver.h"
#include "support/TextFit.h"
#include "ui/CursorLib.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/TFmInstructions.h"

namespace {

// The heading a page begins with: its tab's caption without the number, in capitals.
QString headingOf(const QAbstractButton* tab)
{
    return tab->text().section('.', 1).trimmed().toUpper() + ":";
}

QString pageText(const TFmInstructions& window)
{
    return window.reInstructions->toPlainText();
}

}  // namespace

class TestInstructions : public QObject {
    Q_OBJECT
private slots:
    void everyTabShowsItsOwnIllustratedPageUnderTheHand();
    void pagingWrapsRound();
    void theTitleSaysGettingStartedUntilThePageChangesAndOutlivesClosing();
    void printPageAsksFirstOrWarnsWithoutAPrinter();

private:
    MessageBoxPrompts prompts_;
};

void TestInstructions::everyTabShowsItsOwnIllustratedPageUnderTheHand()
{
    RegisterCursors();
    TFmInstructions window(prompts_);
    window.show();
    QCOMPARE(firstCutLine(&window), QString());
    const QImage hand = screenCursor(dabwick::CursorSlot::kHand).pixmap().toImage();
    for (int i = 0; i < TFmInstructions::kPageCount; ++i) {
        QAbstractButton* tab = window.tab(i);
        QCOMPARE(tab->cursor().pixmap().toImage(), hand);
        tab->click();
        QCOMPARE(window.tabIndex(), i);
        QVERIFY2(pageText(window).startsWith(headingOf(tab)), qPrintable(pageText(window).left(40)));

        const QTextDocument& page = *window.reInstructions->document();
        auto pictures = QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(page.toHtml());
        QVERIFY2(pictures.hasNext(), "every page is illustrated");
        while (pictures.hasNext()) {
            const QString name = pictures.next().captured(1);
            const QVariant picture = page.resource(QTextDocument::ImageResource, QUrl(name));
            QVERIFY2(picture.canConvert<QImage>() && !picture.value<QImage>().isNull(), qPrintable(name));
        }
    }
}

void TestInstructions::pagingWrapsRound()
{
    TFmInstructions window(prompts_);
    window.show();
    const struct {
        int start;
        QAbstractButton* button;
        int expected;
    } steps[] = {
        {0, window.btnBack, 14},
        {14, window.btnForward, 0},
        {5, window.btnBack, 4},
        {9, window.btnFirst, 0},
        {2, window.btnLast, 14},
    };
    for (const auto& step : steps) {
        window.tab(step.start)->click();
        step.button->click();
        QCOMPARE(window.tabIndex(), step.expected);
        QVERIFY(window.tab(step.expected)->isChecked());
        QCOMPARE(window.paninstructions->text(), window.tab(step.expected)->text());
    }
}

// Closing only hides the window: the next opening shows the same page under the same title.
void TestInstructions::theTitleSaysGettingStartedUntilThePageChangesAndOutlivesClosing()
{
    TFmInstructions window(prompts_);
    QStringList titles;
    for (const int clicked : {0, 5, 5}) {  // tab 0 is selected already: no change
        QTimer::singleShot(0, &window, [&] {
            titles << window.paninstructions->text();
            window.tab(clicked)->click();
            window.BitBtn1->click();
        });
        window.showModally();
    }
    QCOMPARE(titles, (QStringList {"Getting started", "Getting started", window.tab(5)->text()}));
    QCOMPARE(window.tabIndex(), 5);
    QVERIFY(pageText(window).startsWith(headingOf(window.tab(5))));
}

// Print Page asks first, and warns when there is no printer; what Yes prints is read off a real
// queue by the print e2e test.
void TestInstructions::printPageAsksFirstOrWarnsWithoutAPrinter()
{
    for (const bool printerThere : {false, true}) {
        TFmInstructions window(prompts_);
        window.setPrinterSource(
            [&]() -> std::unique_ptr<QPrinter> { return printerThere ? std::make_unique<QPrinter>() : nullptr; });
        window.show();
        ModalDriver driver;
        driver.click(printerThere ? "No" : "OK");
        window.BitBtn2->click();
        QVERIFY(driver.finished());
        QCOMPARE(driver.seen().size(), 1);
        QVERIFY2(driver.seen().at(0).startsWith(printerThere ? "Print page | Depending on your computer"
                                                             : "Print page | There is no printer installed"),
            qPrintable(driver.seen().at(0)));
    }
}

QTEST_MAIN(TestInstructions)
#include "tst_instructions.moc"
