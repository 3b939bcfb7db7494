// The instructions window: tabs and paging, the built-in pages and their pictures, size
// limits and Print Page.
#include <QAbstractButton>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cstring>
#include <map>
#include <span>
#include <stdexcept>

#include "support/ScriptedPrompts.h"
#include "support/TextFit.h"
#include "ui/CursorLib.h"
#include "ui/TFmInstructions.h"

namespace {

const std::array<const char*, 15> kCaptions = {
    "1. Getting started",
    "2. Drawing",
    "3. Palettes",
    "4. Crayons",
    "5. Markers",
    "6. Fill tools",
    "7.Color replacer",
    "8. Color picker",
    "9. Tool Size",
    "10. Picture modifiers",
    "11. User pictures",
    "12. Coloring pages",
    "13. Clips",
    "14. Printing",
    "15. Animating",
};
const std::array<const char*, 15> kHeadings = {
    "GETTING STARTED:",
    "DRAWING:",
    "PALETTES:",
    "CRAYONS:",
    "MARKERS:",
    "FILL TOOLS:",
    "COLOR REPLACER:",
    "COLOR PICKER:",
    "TOOL SIZE:",
    "PICTURE MODIFIERS:",
    "USER PICTURES:",
    "COLORING PAGES:",
    "CLIPS:",
    "PRINTING:",
    "ANIMATING:",
};
const char* const kPrintQuestion = "Depending on your computer and printer it may take a minuet or \n"
                                   "two to print this page. Are you sure you want to print this page?\n\n"
                                   "If you want to print click OK and please wait.\n"
                                   "If you do not want to print this page now click NO.";

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
    void panelsButtonsHintsAndFontsOfTheWindow();
    void tabsHaveTheirCaptionsAndTheHandCursor();
    void everyTabShowsItsIllustratedPage_data();
    void everyTabShowsItsIllustratedPage();
    void pagingWrapsRound_data();
    void pagingWrapsRound();
    void titleSaysGettingStartedUntilThePageChanges();
    void reopeningShowsTheLastPage();
    void missingPageLeavesTheShownPage();
    void allTabsStayReadableAtTheSmallestSize();
    void windowSizeStaysBetweenItsLimits();
    void sizeLimitNeedsAWindowAsOwner();
    void sizeLimitGivesBackTheOwnersLimits();
    void answeringNoPrintsNothing();
    void answeringYesPrintsTheWholePagePortrait();
    void noPrinterGivesOnlyAWarning();
    void defaultPrinterIsMissingOnAComputerWithoutPrinters();

private:
    ScriptedPrompts prompts_;
};

void TestInstructions::panelsButtonsHintsAndFontsOfTheWindow()
{
    TFmInstructions window(prompts_);
    QCOMPARE(window.windowTitle(), QString("Dabwick <instructions>"));
    QCOMPARE(window.size(), QSize(800, 600));
    window.show();  // lays the panels out
    QCOMPARE(firstCutLine(&window), QString());
    QCOMPARE(window.Panel1->height(), 41);
    QCOMPARE(window.Panel3->width(), 160);
    QCOMPARE(window.Panel2->width(), 215);
    QCOMPARE(window.paninstructions->toolTip(), QString("Shows title of currently selected page"));
    QCOMPARE(window.paninstructions->font().pixelSize(), 16);
    QVERIFY(window.paninstructions->font().bold());
    QVERIFY(window.reInstructions->isReadOnly());
    QCOMPARE(window.reInstructions->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(window.reInstructions->palette().color(QPalette::Base), QColor(Qt::white));

    struct Expected {
        QAbstractButton* button;
        QRect geometry;
        const char* hint;
        const char* caption;
    };
    const Expected expected[] = {
        {window.btnFirst, {11, 8, 27, 25}, "Go to first page (Getting started)", ""},
        {window.btnBack, {51, 8, 27, 25}, "Go to previous page", ""},
        {window.btnForward, {83, 8, 27, 25}, "Go to next page", ""},
        {window.btnLast, {123, 8, 27, 25}, "Go to last page (Final notes)", ""},
        {window.BitBtn2, {16, 8, 89, 25}, "", "Print Page"},
        {window.BitBtn1, {123, 8, 75, 25}, "", "Close"},
    };
    for (const Expected& control : expected) {
        QCOMPARE(control.button->geometry(), control.geometry);
        QCOMPARE(control.button->toolTip(), QString(control.hint));
        QCOMPARE(control.button->text(), QString(control.caption));
        QVERIFY2(!control.button->icon().isNull(), "every button shows its glyph");
    }
}

void TestInstructions::tabsHaveTheirCaptionsAndTheHandCursor()
{
    RegisterCursors();
    TFmInstructions window(prompts_);
    const QImage hand = screenCursor(dabwick::CursorSlot::kHand).pixmap().toImage();
    for (int i = 0; i < TFmInstructions::kPageCount; ++i) {
        QCOMPARE(window.tab(i)->text(), QString(kCaptions[std::size_t(i)]));
        QCOMPARE(window.tab(i)->cursor().pixmap().toImage(), hand);
    }
}

void TestInstructions::everyTabShowsItsIllustratedPage_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < TFmInstructions::kPageCount; ++i)
        QTest::newRow(kCaptions[std::size_t(i)]) << i;
}

void TestInstructions::everyTabShowsItsIllustratedPage()
{
    QFETCH(int, index);
    TFmInstructions window(prompts_);
    window.show();
    if (index != 0)
        window.tab(index)->click();

    QCOMPARE(window.tabIndex(), index);
    QVERIFY(window.tab(index)->isChecked());
    QVERIFY2(pageText(window).startsWith(kHeadings[std::size_t(index)]), qPrintable(pageText(window).left(40)));

    const QTextDocument& page = *window.reInstructions->document();
    const QStringList pictures = pictureNames(page);
    QVERIFY2(!pictures.isEmpty(), "every page is illustrated");
    for (const QString& name : pictures) {
        const QVariant picture = page.resource(QTextDocument::ImageResource, QUrl(name));
        QVERIFY2(picture.canConvert<QImage>() && !picture.value<QImage>().isNull(), qPrintable(name));
    }
}

void TestInstructions::pagingWrapsRound_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");

    QTest::newRow("back from the first page") << 0 << "btnBack" << 14;
    QTest::newRow("forward from the last page") << 14 << "btnForward" << 0;
    QTest::newRow("back") << 5 << "btnBack" << 4;
    QTest::newRow("forward") << 5 << "btnForward" << 6;
    QTest::newRow("first") << 9 << "btnFirst" << 0;
    QTest::newRow("last") << 2 << "btnLast" << 14;
    QTest::newRow("first while on the first page") << 0 << "btnFirst" << 0;
    QTest::newRow("last while on the last page") << 14 << "btnLast" << 14;
}

void TestInstructions::pagingWrapsRound()
{
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, expected);
    TFmInstructions window(prompts_);
    window.show();
    if (start != 0)
        window.tab(start)->click();

    const std::map<QString, QAbstractButton*> buttons = {{"btnFirst", window.btnFirst}, {"btnBack", window.btnBack},
        {"btnForward", window.btnForward}, {"btnLast", window.btnLast}};
    buttons.at(button)->click();

    QCOMPARE(window.tabIndex(), expected);
    QVERIFY(window.tab(expected)->isChecked());
    QCOMPARE(window.paninstructions->text(), QString(kCaptions[std::size_t(expected)]));
    QVERIFY(pageText(window).startsWith(kHeadings[std::size_t(expected)]));
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

    int shownTab = -1;
    QString shownTitle, shownPage;
    QTimer::singleShot(0, &window, [&] {
        shownTab = window.tabIndex();
        shownTitle = window.paninstructions->text();
        shownPage = pageText(window);
        window.BitBtn1->click();
    });
    window.showModally();
    QCOMPARE(shownTab, 5);
    QCOMPARE(shownTitle, QString("6. Fill tools"));
    QVERIFY(shownPage.startsWith("FILL TOOLS:"));
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
        QVERIFY2(tab->isVisible(), kCaptions[std::size_t(i)]);
        QVERIFY2(tab->width() >= tab->sizeHint().width(), kCaptions[std::size_t(i)]);
        QVERIFY2(tab->mapTo(window.tcInstructions, QPoint(tab->width(), 0)).x() <= width, kCaptions[std::size_t(i)]);
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

void TestInstructions::sizeLimitNeedsAWindowAsOwner()
{
    QWidget form;
    QWidget* const child = new QWidget(&form);
    for (QWidget* owner : {child, static_cast<QWidget*>(nullptr)}) {
        try {
            TFormSizeLimit limit(owner);
            QFAIL("a size limit accepted an owner that is not a window");
        } catch (const std::invalid_argument& error) {
            QCOMPARE(QString(error.what()), QString("A Form MUST be the owner"));
        }
    }
}

void TestInstructions::sizeLimitGivesBackTheOwnersLimits()
{
    QWidget form;
    form.setMinimumSize(50, 60);
    form.setMaximumSize(900, 700);
    {
        TFormSizeLimit limit(&form);
        limit.setMinWidth(300);
        limit.setMinHeight(200);
        QCOMPARE(form.minimumSize(), QSize(50, 60));  // not active yet

        limit.setActive(true);
        QCOMPARE(form.minimumSize(), QSize(300, 200));
        QCOMPARE(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));  // no maximum set
        limit.setMaxWidth(500);
        limit.setMaxHeight(400);
        QCOMPARE(form.maximumSize(), QSize(500, 400));

        limit.setActive(false);
        QCOMPARE(form.minimumSize(), QSize(50, 60));
        QCOMPARE(form.maximumSize(), QSize(900, 700));
        limit.setActive(true);
    }
    QCOMPARE(form.minimumSize(), QSize(50, 60));
    QCOMPARE(form.maximumSize(), QSize(900, 700));
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
    QCOMPARE(prompts.shown()[0].text, std::string(kPrintQuestion));
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

void TestInstructions::defaultPrinterIsMissingOnAComputerWithoutPrinters()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this computer has a printer");
    ScriptedPrompts prompts;
    TFmInstructions window(prompts);
    window.BitBtn2->click();
    QCOMPARE(prompts.shown().size(), std::size_t(1));
    QCOMPARE(prompts.shown()[0].kind, ScriptedPrompts::Kind::Warning);
}

QTEST_MAIN(TestInstructions)
#include "tst_instructions.moc"
