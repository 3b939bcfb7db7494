#include "ui/TFmInstructions.h"
#include "ui/CursorLib.h"

#include <QApplication>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "dabwick/Prompts.h"
#include "ui/DefaultPrinter.h"
#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"

namespace {

constexpr std::array<const char*, TFmInstructions::kPageCount> kTabCaptions = {
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
constexpr const char* kPageType = "RTF";
constexpr const char* kPictureType = "INSTIMAGE";
constexpr const char* kGlyphType = "GLYPH";
constexpr const char* kFirstTitle = "Getting started";
constexpr const char* kPrintCaption = "Print page";
constexpr const char* kPrintQuestion = "Depending on your computer and printer it may take a minuet or \n"
                                       "two to print this page. Are you sure you want to print this page?\n\n"
                                       "If you want to print click OK and please wait.\n"
                                       "If you do not want to print this page now click NO.";
constexpr const char* kNoPrinter = "There is no printer installed on this computer, so this page cannot be printed.";

// The look of every page lives here, so the pages themselves stay plain text and pictures.
constexpr const char* kPageStyle = "body { font-size: 12pt; }"
                                   "h1 { color: #1d4f91; font-size: 20pt; }"
                                   "h2 { color: #1d4f91; font-size: 14pt; }"
                                   ".grown { color: #505050; font-size: 10pt; }"
                                   "img { vertical-align: middle; }";

// A picture drawn for the instructions, or else the glyph of the button of that name.
QImage builtInPicture(const dabwick::ResourceTable& resources, const QString& name)
{
    const dabwick::Resource* found = resources.find(name.toStdString(), kPictureType);
    if (found == nullptr)
        found = resources.find(name.toStdString(), kGlyphType);
    return found != nullptr ? readPng(found->bytes) : QImage();
}

// Pages name their pictures by resource name; they never reach the file system.
class PageBrowser : public QTextBrowser {
public:
    PageBrowser(const dabwick::ResourceTable& resources, QWidget* parent)
        : QTextBrowser(parent)
        , resources_(resources)
    {
    }

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type != QTextDocument::ImageResource)
            return {};
        const QImage picture = builtInPicture(resources_, name.toString());
        return picture.isNull() ? QVariant() : QVariant(picture);
    }

private:
    const dabwick::ResourceTable& resources_;
};

// Lays the tab buttons out in as few rows as the width allows, as a multi-line tab control
// does: the rows hold about equal shares of the tabs and each is stretched to the full width.
class TabRowsLayout : public QLayout {
public:
    explicit TabRowsLayout(QWidget* parent)
        : QLayout(parent)
    {
        setContentsMargins(0, 0, 0, 0);
        setSpacing(1);
    }
    ~TabRowsLayout() override
    {
        while (QLayoutItem* item = TabRowsLayout::takeAt(0))
            delete item;
    }

    void addItem(QLayoutItem* item) override { items_.push_back(item); }
    int count() const override { return int(items_.size()); }
    QLayoutItem* itemAt(int index) const override
    {
        return index >= 0 && index < count() ? items_[std::size_t(index)] : nullptr;
    }
    QLayoutItem* takeAt(int index) override
    {
        if (index < 0 || index >= count())
            return nullptr;
        QLayoutItem* item = items_[std::size_t(index)];
        items_.erase(items_.begin() + index);
        return item;
    }
    Qt::Orientations expandingDirections() const override { return Qt::Horizontal; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return arrange(QRect(0, 0, width, 0), false); }
    QSize minimumSize() const override
    {
        int widest = 0;
        for (const QLayoutItem* item : items_)
            widest = std::max(widest, item->sizeHint().width());
        return {widest, heightForWidth(widest)};
    }
    QSize sizeHint() const override { return minimumSize(); }
    void setGeometry(const QRect& area) override
    {
        QLayout::setGeometry(area);
        arrange(area, true);
    }

private:
    using Rows = std::vector<std::vector<QLayoutItem*>>;

    // Fills each row until the next tab would pass `limit`.
    Rows wrap(int limit) const
    {
        Rows rows(1);
        int used = 0;
        for (QLayoutItem* item : items_) {
            const int width = item->sizeHint().width();
            if (!rows.back().empty() && used + spacing() + width > limit) {
                rows.emplace_back();
                used = 0;
            }
            used += (rows.back().empty() ? 0 : spacing()) + width;
            rows.back().push_back(item);
        }
        return rows;
    }

    // The fewest rows the width allows, wrapped at the narrowest limit that still needs no
    // more of them, so that the last row is not left with a tab or two.
    Rows balancedRows(int width) const
    {
        const std::size_t fewest = wrap(width).size();
        int narrow = 0, wide = width;
        while (narrow + 1 < wide) {
            const int middle = (narrow + wide) / 2;
            if (wrap(middle).size() > fewest)
                narrow = middle;
            else
                wide = middle;
        }
        return wrap(wide);
    }

    // Returns the height the rows take; places the items only when asked to.
    int arrange(const QRect& area, bool place) const
    {
        const Rows rows = balancedRows(area.width());
        int rowHeight = 0;
        for (const QLayoutItem* item : items_)
            rowHeight = std::max(rowHeight, item->sizeHint().height());

        int y = area.y();
        for (const auto& row : rows) {
            const int n = int(row.size());
            int spare = area.width() - spacing() * (n - 1);
            for (const QLayoutItem* item : row)
                spare -= item->sizeHint().width();
            int x = area.x();
            for (int i = 0; i < n; ++i) {
                const int width = row[std::size_t(i)]->sizeHint().width() + spare / n + (i < spare % n ? 1 : 0);
                if (place)
                    row[std::size_t(i)]->setGeometry(QRect(x, y, width, rowHeight));
                x += width + spacing();
            }
            y += rowHeight + spacing();
        }
        return y - spacing() - area.y();
    }

    std::vector<QLayoutItem*> items_;
};

// Tabs drawn as tabs: rounded tops, the selected one white like the page below it.
constexpr const char* kTabStyle = "QToolButton { border: 1px solid #8c8c8c; border-bottom: none;"
                                  " border-top-left-radius: 5px; border-top-right-radius: 5px;"
                                  " background: #e3e3e3; padding: 4px 8px; }"
                                  "QToolButton:hover { background: #eef4fc; }"
                                  "QToolButton:checked { background: #ffffff; color: #1d4f91; }";

}  // namespace

TFmInstructions::TFmInstructions(dabwick::Prompts& prompts, QWidget* parent, const dabwick::ResourceTable& resources)
    : QDialog(parent)
    , prompts_(prompts)
    , resources_(resources)
    , printerSource_(defaultPrinter)
{
    FormCreate();
}

void TFmInstructions::FormCreate()
{
    setWindowTitle("Dabwick <instructions>");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
        | Qt::WindowCloseButtonHint);

    tcInstructions = new QWidget(this);
    auto* tabControl = new QVBoxLayout(tcInstructions);
    tabControl->setContentsMargins(6, 6, 6, 4);
    tabControl->setSpacing(0);
    tabControl->addWidget(createTabRows());
    reInstructions = new PageBrowser(resources_, tcInstructions);
    reInstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette white = reInstructions->palette();
    white.setColor(QPalette::Base, Qt::white);
    reInstructions->setPalette(white);
    reInstructions->document()->setDefaultStyleSheet(kPageStyle);
    tabControl->addWidget(reInstructions, 1);

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);
    form->addWidget(tcInstructions, 1);
    form->addWidget(createBottomBar());

    FormSizeLimit1.setMinWidth(640);
    FormSizeLimit1.setMinHeight(480);
    FormSizeLimit1.setActive(true);

    resize(800, 600);
    centreOnScreen(this);
}

QWidget* TFmInstructions::createTabRows()
{
    auto* rows = new QWidget(tcInstructions);
    rows->setStyleSheet(kTabStyle);
    auto* layout = new TabRowsLayout(rows);
    tabGroup_ = new QButtonGroup(this);
    for (int i = 0; i < kPageCount; ++i) {
        auto* button = new QToolButton(rows);
        button->setText(kTabCaptions[std::size_t(i)]);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        button->setCheckable(true);
        button->setCursor(screenCursor(dabwick::CursorSlot::kHand));
        layout->addWidget(button);
        tabGroup_->addButton(button, i);
    }
    tab(0)->setChecked(true);
    connect(tabGroup_, &QButtonGroup::idClicked, this, [this](int index) {
        // Clicking the tab already selected changes nothing, as with any tab control.
        if (index == currentTab_)
            return;
        currentTab_ = index;
        tcInstructionsChange();
    });
    return rows;
}

QFrame* TFmInstructions::createBottomBar()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(41);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(0);

    Panel3 = new QWidget(Panel1);
    Panel3->setFixedWidth(160);
    btnFirst = createPageButton(Panel3, 11, "first.png", "Go to first page (Getting started)");
    btnBack = createPageButton(Panel3, 51, "back.png", "Go to previous page");
    btnForward = createPageButton(Panel3, 83, "forward.png", "Go to next page");
    btnLast = createPageButton(Panel3, 123, "last.png", "Go to last page (Final notes)");
    connect(btnFirst, &QToolButton::clicked, this, &TFmInstructions::btnFirstClick);
    connect(btnBack, &QToolButton::clicked, this, &TFmInstructions::btnBackClick);
    connect(btnForward, &QToolButton::clicked, this, &TFmInstructions::btnForwardClick);
    connect(btnLast, &QToolButton::clicked, this, &TFmInstructions::btnLastClick);
    bar->addWidget(Panel3);

    paninstructions = new QLabel(kFirstTitle, Panel1);
    paninstructions->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paninstructions->setAlignment(Qt::AlignCenter);
    paninstructions->setToolTip("Shows title of currently selected page");
    QFont title = paninstructions->font();
    title.setPixelSize(16);
    title.setBold(true);
    paninstructions->setFont(title);
    auto* middle = new QVBoxLayout;
    middle->setContentsMargins(0, 6, 0, 6);
    middle->addWidget(paninstructions);
    bar->addLayout(middle, 1);

    Panel2 = new QWidget(Panel1);
    Panel2->setFixedWidth(215);
    BitBtn2 = new QPushButton(glyph("printpage.png"), "Print Page", Panel2);
    BitBtn2->setGeometry(16, 8, 89, 25);
    BitBtn1 = new QPushButton(glyph("close.png"), "Close", Panel2);
    BitBtn1->setGeometry(123, 8, 75, 25);
    // Enter must not start printing or close the window by accident.
    BitBtn2->setAutoDefault(false);
    BitBtn1->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TFmInstructions::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    bar->addWidget(Panel2);
    return Panel1;
}

QToolButton* TFmInstructions::createPageButton(QWidget* panel, int left, const char* glyphName, const char* hint)
{
    auto* button = new QToolButton(panel);
    button->setGeometry(left, 8, 27, 25);
    button->setIcon(glyph(glyphName));
    button->setToolTip(hint);
    return button;
}

QIcon TFmInstructions::glyph(const char* name) const
{
    return QIcon(QPixmap::fromImage(builtInPicture(resources_, name)));
}

QAbstractButton* TFmInstructions::tab(int index) const
{
    return tabGroup_->button(index);
}

void TFmInstructions::showModally()
{
    exec();
}

void TFmInstructions::setPrinterSource(PrinterSource source)
{
    printerSource_ = std::move(source);
}

void TFmInstructions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window coming back from being minimised, not a new opening.
    if (!event->spontaneous())
        FormShow();
}

void TFmInstructions::FormShow()
{
    ShowInstructionPage();
    if (const QScreen* shown = screen()) {
        constexpr int kLargest = std::numeric_limits<std::uint16_t>::max();
        FormSizeLimit1.setMaxWidth(std::uint16_t(std::min(shown->size().width(), kLargest)));
        FormSizeLimit1.setMaxHeight(std::uint16_t(std::min(shown->size().height(), kLargest)));
    }
}

void TFmInstructions::tcInstructionsChange()
{
    paninstructions->setText(kTabCaptions[std::size_t(currentTab_)]);
    ShowInstructionPage();
}

void TFmInstructions::selectTab(int index)
{
    currentTab_ = index;
    tab(index)->setChecked(true);
    tcInstructionsChange();
}

void TFmInstructions::btnFirstClick()
{
    selectTab(0);
}

void TFmInstructions::btnBackClick()
{
    selectTab(currentTab_ == 0 ? kPageCount - 1 : currentTab_ - 1);
}

void TFmInstructions::btnForwardClick()
{
    selectTab(currentTab_ == kPageCount - 1 ? 0 : currentTab_ + 1);
}

void TFmInstructions::btnLastClick()
{
    selectTab(kPageCount - 1);
}

void TFmInstructions::ShowInstructionPage()
{
    LoadRtfResource("inst" + std::to_string(currentTab_), *reInstructions);
}

void TFmInstructions::LoadRtfResource(const std::string& name, QTextBrowser& box) const
{
    // A missing page leaves whatever the box shows.
    if (const dabwick::Resource* page = resources_.find(name, kPageType))
        box.setHtml(
            QString::fromUtf8(reinterpret_cast<const char*>(page->bytes.data()), qsizetype(page->bytes.size())));
}

void TFmInstructions::BitBtn2Click()
{
    const std::unique_ptr<QPrinter> printer = printerSource_();
    if (printer == nullptr) {
        prompts_.ShowWarning(kPrintCaption, kNoPrinter);
        return;
    }
    if (prompts_.AskYesNo(kPrintCaption, kPrintQuestion))
        printPage(*printer);
}

void TFmInstructions::printPage(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(paninstructions->text());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    reInstructions->document()->print(&printer);
    QApplication::restoreOverrideCursor();
}
