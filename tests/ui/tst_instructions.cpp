// The instructions window: tabs and paging, the built-in pages and their pictures, size
// limits and Print Page.
#include <QAbstractButton>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <cstring>
#include <span>

#include "support/ScriptedPrompts.h"
#include "support/TextFit.h"
#include "ui/CursorLib.h"
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

// The names of the pictures the shown page places.
QStringList pictureNames(const QTextDocument& page)
{
    QStringList names;
    for (QTextBlock block = page.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    }
    return names;
}

// A printer that writes a PDF file, for Print Page to print on.
TFmInstructions::PrinterSource pdfPrinter(const QString& path)
{
    return [path] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageOrientation(QPageLayout::Landscape);  // Print Page must turn it portrait.
        return printer;
    };
}

// Opens the instructions, presses Print Page and answers the question; the page, if printed,
// goes to a PDF file in the folder, whose path comes back.
QString pressPrintPage(ScriptedPrompts& prompts, bool answer, const QTemporaryDir& folder)
{
    const QString pdf = folder.filePath("page.pdf");
    prompts.answer({answer});
    TFmInstructions window(prompts);
    window.setPrinterSource(pdfPrinter(pdf));
    window.show();
    window.BitBtn2->click();
    return pdf;
}

// Runs a poppler tool on a file; empty when the tool is not installed.
QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::span<const std::uint8_t> bytes(const char* text)
{
    return {reinterpret_cast<const std::uint8_t*>(text), std::strlen(text)};
}

}  // namespace

class TestInstructions : public QObject {
    Q_OBJECT
private slots:
    void everyTabShowsItsOwnIllustratedPageUnderTheHand();
    void pagingWrapsRound();
    void titleSaysGettingStartedUntilThePageChanges();
    void reopeningShowsTheLastPage();
    void missingPageLeavesTheShownPage();
    void allTabsStayReadableAtTheSmallestSize();
    void windowSizeStaysBetweenItsLimits();
    void answeringNoPrintsNothing();
    void answeringYesPrintsTheWholePagePortrait();
    void noPrinterGivesOnlyAWarning();

private:
    ScriptedPrompts prompts_;
};

void TestInstructions::everyTabShowsItsOwnIllustratedPageUnderTheHand()
{
    RegisterCursors();
    TFmInstructions window(prompts_);
    window.show();
    QCOMPARE(firstCutLine(&window), QString());
    const QImage hand = screenCursor(dabwick::CursorSlot::kHand).pixmap().toImage();
    QSet<QString> pages;
    for (int i = 0; i < TFmInstructions::kPageCount; ++i) {
        QAbstractButton* tab = window.tab(i);
        QCOMPARE(tab->cursor().pixmap().toImage(), hand);
        tab->click();
        QCOMPARE(window.tabIndex(), i);
        QVERIFY(tab->isChecked());
        QVERIFY2(pageText(window).startsWith(headingOf(tab)), qPrintable(pageText(window).left(40)));
        pages.insert(pageText(window));

        const QTextDocument& page = *window.reInstructions->document();
        const QStringList pictures = pictureNames(page);
        QVERIFY2(!pictures.isEmpty(), "every page is illustrated");
        for (const QString& name : pictures) {
            const QVariant picture = page.resource(QTextDocument::ImageResource, QUrl(name));
            QVERIFY2(picture.canConvert<QImage>() && !picture.value<QImage>().isNull(), qPrintable(name));
        }
    }
    QCOMPARE(pages.size(), TFmInstructions::kPageCount);
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
        {0, window.btnBack, 14}, {14, window.btnForward, 0}, {5, window.btnBack, 4}, {9, window.btnFirst, 0},
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

void TestInstructions::titleSaysGettingStartedUntilThePageChanges()
{
    TFmInstructions window(prompts_);
    window.show();
    QCOMPARE(window.paninstructions->text(), QString("Getting started"));
    window.tab(0)->click();  // already selected: no change
    QCOMPARE(window.paninstructions->text(), QString("Getting started"));
    window.hide();
    window.show();
    QCOMPARE(window.paninstructions->text(), QString("Getting started"));
    window.tab(2)->click();
    QCOMPARE(window.paninstructions->text(), QString("3. Palettes"));
    window.tab(0)->click();
    QCOMPARE(window.paninstructions->text(), QString("1. Getting started"));
}

void TestInstructions::reopeningShowsTheLastPage()
{
    TFmInstructions window(prompts_);
    QTimer::singleShot(0, &window, [&] {
        window.tab(5)->click();
        window.BitBtn1->click();
    });
    window.showModally();
    QVERIFY(!window.isVisible());

    QString shownTitle;
    QTimer::singleShot(0, &window, [&] {
        shownTitle = window.paninstructions->text();
        window.BitBtn1->click();
    });
    window.showModally();
    QCOMPARE(shownTitle, QString("6. Fill tools"));
    QCOMPARE(window.tabIndex(), 5);
    QVERIFY(pageText(window).startsWith("FILL TOOLS:"));
}

void TestInstructions::missingPageLeavesTheShownPage()
{
    const dabwick::Resource entries[] = {
        {"inst0", "RTF", bytes("<h1>FIRST</h1>")},
        {"inst2", "RTF", bytes("<h1>THIRD</h1>")},
        {"inst3", "palette", bytes("<h1>NOT A PAGE</h1>")},
    };
    const dabwick::ResourceTable table(entries);
    TFmInstructions window(prompts_, nullptr, table);
    window.show();
    QCOMPARE(pageText(window), QString("FIRST"));

    window.tab(1)->click();
    QCOMPARE(window.paninstructions->text(), QString("2. Drawing"));
    QCOMPARE(pageText(window), QString("FIRST"));
    window.btnForward->click();
    QCOMPARE(pageText(window), QString("THIRD"));
    window.btnForward->click();
    QCOMPARE(pageText(window), QString("THIRD"));

    const dabwick::ResourceTable empty({});
    TFmInstructions blank(prompts_, nullptr, empty);
    blank.show();
    QCOMPARE(pageText(blank), QString());
}

void TestInstructions::allTabsStayReadableAtTheSmallestSize()
{
    TFmInstructions window(prompts_);
    window.show();
    window.resize(640, 480);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int width = window.tcInstructions->width();
    for (int i = 0; i < TFmInstructions::kPageCount; ++i) {
        const QAbstractButton* tab = window.tab(i);
        QVERIFY2(tab->isVisible(), qPrintable(tab->text()));
        QVERIFY2(tab->width() >= tab->sizeHint().width(), qPrintable(tab->text()));
        QVERIFY2(tab->mapTo(window.tcInstructions, QPoint(tab->width(), 0)).x() <= width, qPrintable(tab->text()));
        for (int j = 0; j < i; ++j)
            QVERIFY(!tab->geometry().intersects(window.tab(j)->geometry()));
    }
    QVERIFY(window.reInstructions->geometry().top() > 0);
}

void TestInstructions::windowSizeStaysBetweenItsLimits()
{
    TFmInstructions window(prompts_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize screen = window.screen()->size();
    QCOMPARE(QSize(window.FormSizeLimit1.MinWidth(), window.FormSizeLimit1.MinHeight()), QSize(640, 480));
    QCOMPARE(QSize(window.FormSizeLimit1.MaxWidth(), window.FormSizeLimit1.MaxHeight()), screen);

    window.resize(100, 100);
    QCOMPARE(window.frameGeometry().size(), QSize(640, 480));
    window.resize(screen * 3);
    QCOMPARE(window.frameGeometry().size(), screen);
}

void TestInstructions::answeringNoPrintsNothing()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    const QString pdf = pressPrintPage(prompts, false, folder);

    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(prompts.shown().size(), std::size_t(1));
    QCOMPARE(prompts.shown()[0].kind, ScriptedPrompts::Kind::Question);
    QCOMPARE(prompts.shown()[0].caption, std::string("Print page"));
    QVERIFY(QString::fromStdString(prompts.shown()[0].text).contains("Are you sure you want to print this page?"));
}

void TestInstructions::answeringYesPrintsTheWholePagePortrait()
{
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    const QString pdf = pressPrintPage(prompts, true, folder);

    QVERIFY(prompts.allAnswersUsed());
    QFile printed(pdf);
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.size() > 10000);
    QCOMPARE(printed.read(5), QByteArray("%PDF-"));

    const QString text = popplerOutput("pdftotext", {pdf, "-"});
    const QString info = popplerOutput("pdfinfo", {pdf});
    const QString pictures = popplerOutput("pdfimages", {"-list", pdf});
    if (text.isEmpty() || info.isEmpty() || pictures.isEmpty())
        QSKIP("poppler-utils are not installed; the PDF's content is not checked");
    QVERIFY(text.contains("GETTING STARTED:"));
    QVERIFY2(text.contains("For grown-ups"), "the whole page, not only what the window showed");
    QVERIFY2(info.contains(QRegularExpression("Title:\\s+Getting started\\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Pages:\\s+[2-9]\\n")), "the page runs over more than one sheet");
    const QRegularExpressionMatch size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    QVERIFY(size.hasMatch());
    QVERIFY2(size.captured(1).toDouble() < size.captured(2).toDouble(), "portrait");
    QVERIFY2(pictures.count('\n') > 2, "the page's pictures are printed");
}

void TestInstructions::noPrinterGivesOnlyAWarning()
{
    ScriptedPrompts prompts;
    TFmInstructions window(prompts);
    window.setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
    window.BitBtn2->click();

    QCOMPARE(prompts.shown().size(), std::size_t(1));
    QCOMPARE(prompts.shown()[0].kind, ScriptedPrompts::Kind::Warning);
    QCOMPARE(prompts.shown()[0].caption, std::string("Print page"));
    QVERIFY(QString::fromStdString(prompts.shown()[0].text).contains("no printer"));
}

QTEST_MAIN(TestInstructions)
#include "tst_instructions.moc"
