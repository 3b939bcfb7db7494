#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "dabwick/Resources.h"
#include "ui/DefaultPrinter.h"
#include "ui/TFormSizeLimit.h"

class QAbstractButton;
class QButtonGroup;
class QFrame;
class QIcon;
class QLabel;
class QPrinter;
class QPushButton;
class QTextBrowser;
class QToolButton;

namespace dabwick {
class Prompts;
}

// The instructions window: fifteen illustrated pages behind numbered tabs, four buttons that
// page through them (wrapping round at both ends) and Print Page. It is created once and
// shown modally as often as asked; closing only hides it, so the tab, the page and the title
// are still there at the next opening.
//
// The tabs are rows of tab buttons that wrap to the window's width, the nearest thing Qt has
// to a multi-line tab control: every caption stays readable at any width the window allows.
class TFmInstructions : public QDialog {
    Q_OBJECT
public:
    using PrinterSource = ::PrinterSource;

    static constexpr int kPageCount = 15;

    // Pages and their pictures come from `resources`; the print question and the warnings go
    // through `prompts`. Print Page prints on the default printer until setPrinterSource.
    explicit TFmInstructions(dabwick::Prompts& prompts, QWidget* parent = nullptr,
        const dabwick::ResourceTable& resources = dabwick::builtInResources());

    // Shows the window modally, as Help and the about window's Instructions button do, and
    // returns once the child has closed it.
    void showModally();
    // Print Page asks `source` for its printer instead of taking the default printer.
    void setPrinterSource(PrinterSource source);
    // Prints the whole page now shown, portrait, over as many sheets as it needs, with the
    // title panel's text as the job's title.
    void printPage(QPrinter& printer);

    // The selected tab, 0 to 14; tab i shows page "inst" + i.
    int tabIndex() const { return currentTab_; }
    // The tab button of page `index`.
    QAbstractButton* tab(int index) const;

    // Handlers, run by the window's own events and buttons.
    void FormShow();
    void tcInstructionsChange();
    void btnFirstClick();
    void btnBackClick();
    void btnForwardClick();
    void btnLastClick();
    void BitBtn2Click();

    QWidget* tcInstructions = nullptr;
    QTextBrowser* reInstructions = nullptr;
    QFrame* Panel1 = nullptr;
    QWidget* Panel3 = nullptr;
    QToolButton* btnFirst = nullptr;
    QToolButton* btnBack = nullptr;
    QToolButton* btnForward = nullptr;
    QToolButton* btnLast = nullptr;
    QLabel* paninstructions = nullptr;
    QWidget* Panel2 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    TFormSizeLimit FormSizeLimit1 {this};

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    QWidget* createTabRows();
    QFrame* createBottomBar();
    QToolButton* createPageButton(QWidget* panel, int left, const char* glyph, const char* hint);
    QIcon glyph(const char* name) const;
    void selectTab(int index);
    void ShowInstructionPage();
    void LoadRtfResource(const std::string& name, QTextBrowser& box) const;

    dabwick::Prompts& prompts_;
    const dabwick::ResourceTable& resources_;
    PrinterSource printerSource_;
    QButtonGroup* tabGroup_ = nullptr;
    int currentTab_ = 0;
};
