// Print on the main window: the sheet printed to a PDF file through Qt's printing, the wait
// window around the job and the main window given back enabled with the normal cursor.
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmprintmessage.h"

namespace {

QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    QProcess run;
    run.start(tool, arguments);
    run.waitForFinished();
    return QString::fromUtf8(run.readAllStandardOutput());
}

}  // namespace

class PicturePrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgram> program;
    std::unique_ptr<TFMdraw> window;
    std::unique_ptr<Tfmprintmessage> message;
    QTemporaryDir folder;

    // Presses Print, with `driver` answering the boxes, printing to the file `pdf` on letter
    // paper at `dotsPerInch`.
    void print(int dotsPerInch, ModalDriver& driver, const QString& pdf)
    {
        window->setPrinterSource([pdf, dotsPerInch] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            printer->setResolution(dotsPerInch);
            printer->setPageSize(QPageSize(QPageSize::Letter));
            printer->setPageOrientation(QPageLayout::Landscape);  // Print must turn it portrait
            printer->setPageMargins(QMarginsF());
            return printer;
        });
        window->btnprint->click();
        QVERIFY2(driver.finished(), qPrintable(driver.seen().join('\n')));
        QVERIFY(window->isEnabled());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

private slots:
    void init()
    {
        program = std::make_unique<TestProgram>();
        window = std::make_unique<TFMdraw>(program->context);
        message = std::make_unique<Tfmprintmessage>();
        window->setPrintMessage(message.get());
        window->setChildName("Ann");
        window->show();
        window->document().picture.setPixel(3, 3, raster::Colour(0x00FF00));
        window->document().MarkChanged();
        window->showDocumentState();
    }

    void cleanup()
    {
        window->document().changed = false;
        window.reset();
    }

    void printsOneSheetWhileTheWaitWindowCountsDown()
    {
        QCOMPARE(message->size(), QSize(253, 106));
        QCOMPARE(message->windowTitle(), QString("Preparing picture"));
        QSignalSpy closed(message.get(), &Tfmprintmessage::closed);
        ModalDriver driver;
        driver.click("Yes");
        const QString pdf = folder.filePath("sheet.pdf");
        print(300, driver, pdf);

        QCOMPARE(closed.count(), 1);
        QCOMPARE(message->pbprint->value(), 100);
        QVERIFY(!message->isVisible());
        const QString info = popplerOutput("pdfinfo", {pdf});
        if (info.isEmpty())
            QSKIP("poppler-utils are not installed; the sheet is not read");
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Title:\\s+Untitled\\n")), qPrintable(info));
        QVERIFY2(info.contains("612 x 792 pts"), "portrait letter");
        const QString text = popplerOutput("pdftotext", {pdf, "-"});
        for (const char* line : {"UNTITLED", "By: Ann", "Printed: ", "Powered by \"Dabwick\""})
            QVERIFY2(text.contains(line), qPrintable(text));
    }

    void aLetterSheetAt150DotsPerInchIsTooShort()
    {
        ModalDriver driver;
        driver.click("Yes").click("OK");
        const QString pdf = folder.filePath("short.pdf");
        print(150, driver, pdf);
        QCOMPARE(driver.seen().size(), 2);
        QVERIFY(driver.seen()[1].startsWith("Page Size error"));
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(PicturePrintTest)
#include "tst_picture_print.moc"
