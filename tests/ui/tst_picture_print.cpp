// Print on the main window: one portrait sheet through Qt's printing into a PDF file, the
// wait window around the job, and the main window given back enabled with the normal cursor.
// What the sheet says and where is tested on the logic and through a real print queue.
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/ModalDriver.h"
#include "support/TestProgram.h"
#include "ui/TFMdraw.h"
#include "ui/Tfmprintmessage.h"

class PicturePrintTest : public QObject {
    Q_OBJECT

private slots:
    void printsOneSheetWhileTheWaitWindowCountsDown()
    {
        TestProgram program;
        TFMdraw window(program.context);
        Tfmprintmessage message;
        window.setPrintMessage(&message);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        window.setPrinterSource([pdf] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFileName(pdf);
            printer->setPageSize(QPageSize(QPageSize::Letter));
            printer->setPageOrientation(QPageLayout::Landscape);  // Print must turn it portrait
            return printer;
        });
        window.show();
        window.document().MarkChanged();
        window.showDocumentState();
        ModalDriver driver;
        driver.click("Yes");
        window.btnprint->click();

        QVERIFY(!message.isVisible() && message.pbprint->value() == 100);
        QVERIFY(window.isEnabled() && QGuiApplication::overrideCursor() == nullptr);
        QFile sheet(pdf);
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        const QByteArray bytes = sheet.readAll();
        QVERIFY2(bytes.contains("/Count 1") && bytes.contains("/MediaBox [0 0 612.000000 792.000000]"),
            "one portrait sheet");
    }
};

QTEST_MAIN(PicturePrintTest)
#include "tst_picture_print.moc"
