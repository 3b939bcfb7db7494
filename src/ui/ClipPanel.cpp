#include "ui/ClipPanel.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

#include "dabwick/ClipCatalogue.h"
#include "ui/ClipView.h"
#include "ui/CursorLib.h"
#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"
#include "ui/TEnhCombo.h"

namespace {

constexpr int kCategoryLines = 15;
constexpr int kSlotTops[dabwick::kClipSlots] = {8, 77, 147, 216, 285};

// A panel whose caption shows in its middle, behind whatever image lies on it.
QLabel* captionPanel(QWidget* parent, const QRect& place, QFrame::Shadow shadow, const char* caption)
{
    auto* panel = new QLabel(QString::fromUtf8(caption), parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | shadow);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

}  // namespace

ClipPanel::ClipPanel(QFrame* panclips, dabwick::ClipBrowser& browser) : QObject(panclips), browser_(browser)
{
    cbclips = new TEnhCombo(panclips);
    cbclips->setObjectName("cbclips");
    cbclips->setGeometry(4, 6, 97, 21);
    cbclips->setMaxVisibleItems(kCategoryLines);
    cbclips->setDropDownFixedWidth(0);
    listCategories();

    Panel4 = makePanel(panclips, {6, 30, 93, 393}, QFrame::Raised);
    for (int k = 0; k < dabwick::kClipSlots; ++k) {
        const std::size_t i = std::size_t(k);
        panclip[i] = captionPanel(Panel4, {12, kSlotTops[k], 68, 68}, QFrame::Sunken, dabwick::kEmptySlot);
        panclip[i]->setObjectName(QString("panclip%1").arg(k + 1));
        clip[i] = new ClipView(panclip[i]);
        clip[i]->setObjectName(QString("clip%1").arg(k + 1));
        clip[i]->setGeometry(2, 2, dabwick::kClipSize, dabwick::kClipSize);
        connect(clip[i], &ClipView::clicked, this, [this, k] {
            browser_.clipClick(k + 1);
            showState();
        });
    }
    BitBtn3 = addClipButton(Panel4, "BitBtn3", 17, 360, "Go back to the last five clips.", &dabwick::ClipBrowser::BitBtn3Click);
    BitBtn2 = addClipButton(Panel4, "BitBtn2", 49, 360, "Go forward to the next five clips.", &dabwick::ClipBrowser::BitBtn2Click);

    panselected = captionPanel(panclips, {6, 427, 93, 134}, QFrame::Raised, "None");
    panselected->setObjectName("panselected");
    Label2 = new QLabel("Selected clip:", panselected);
    Label2->setObjectName("Label2");
    Label2->setFont(fontFitting(Label2->font(), {Label2->text()}, 93 - 14 - 2));
    Label2->move(14, 5);
    Label2->adjustSize();
    impreviewclip = new ClipView(panselected);
    impreviewclip->setObjectName("impreviewclip");
    impreviewclip->setGeometry(14, 20, dabwick::kClipSize, dabwick::kClipSize);
    btnflipud = addClipButton(panselected, "btnflipud", 6, 96, "Flip selected clip top to bottom.",
                          &dabwick::ClipBrowser::btnflipudClick);
    btnfliplr = addClipButton(panselected, "btnfliplr", 34, 96, "Flip selected clip left to right.",
                          &dabwick::ClipBrowser::btnfliplrClick);
    btnrotate = addClipButton(panselected, "btnrotate", 62, 96, "Rotate selected clip in a circle.",
                          &dabwick::ClipBrowser::btnrotateClick);

    // Picked or typed, every change of the text is a category to show.
    connect(cbclips, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        browser_.cbclipsChange(text.toStdString());
        showState();
    });
    showState();
}

QToolButton* ClipPanel::addClipButton(QWidget* parent, const char* name, int left, int top, const char* hint,
                                  void (dabwick::ClipBrowser::*click)())
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(left, top, 25, 25);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(glyphIcon(name));
    button->setIconSize({18, 18});
    giveHint(button, hint);
    connect(button, &QToolButton::clicked, this, [this, click] {
        (browser_.*click)();
        showState();
    });
    return button;
}

void ClipPanel::listCategories()
{
    const QSignalBlocker quiet(cbclips);
    cbclips->clear();
    for (const std::string& category : browser_.categories())
        cbclips->addItem(QString::fromStdString(category));
    cbclips->setEditText(QString::fromStdString(browser_.categoryText()));
}

void ClipPanel::BuildClipCatalogue(const std::string& dataFolder)
{
    dabwick::BuildClipCatalogue(browser_, dataFolder);
    listCategories();
    showState();
}

void ClipPanel::LoadClipCategory()
{
    browser_.LoadClipCategory();
    showState();
}

void ClipPanel::showState()
{
    for (std::size_t i = 0; i < panclip.size(); ++i) {
        const dabwick::ClipSlot& slot = browser_.pageSlots()[i];
        panclip[i]->setText(QString::fromStdString(slot.caption));
        clip[i]->showClip(slot.picture);
        clip[i]->setToolTip(QString::fromStdString(slot.hint));
        clip[i]->setCursor(screenCursor(browser_.slotCursor(int(i) + 1)));
    }
    BitBtn2->setEnabled(browser_.nextEnabled());
    BitBtn3->setEnabled(browser_.backEnabled());
    impreviewclip->showClip(browser_.preview());
    panselected->setText(QString::fromStdString(browser_.selectedCaption()));
    emit stateChanged();
}
