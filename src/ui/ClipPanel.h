#pragma once

#include <QObject>
#include <array>

#include "dabwick/ClipBrowser.h"

class ClipView;
class QFrame;
class QLabel;
class QToolButton;
class TEnhCombo;

// The clip browser's controls on the panel `panclips`: the category list, five slots with the
// paging buttons, and the selected clip with its three turning buttons. A thin shell over
// dabwick::ClipBrowser: each handler runs the browser's step, then shows the browser's state.
class ClipPanel : public QObject {
    Q_OBJECT
public:
    ClipPanel(QFrame* panclips, dabwick::ClipBrowser& browser);

    // Lists the categories and shows "<Text>", once the start-up has written the clip files.
    void BuildClipCatalogue(const std::string& dataFolder);
    // Page 1 of the category shown, nothing selected: for when clips may have changed on disk,
    // as after the clip manager closes.
    void LoadClipCategory();
    // Copies the browser's state onto the controls.
    void showState();

    TEnhCombo* cbclips;
    QFrame* Panel4;
    std::array<QLabel*, dabwick::kClipSlots> panclip;
    std::array<ClipView*, dabwick::kClipSlots> clip;
    QToolButton* BitBtn3;
    QToolButton* BitBtn2;
    QLabel* panselected;
    QLabel* Label2;
    ClipView* impreviewclip;
    QToolButton* btnflipud;
    QToolButton* btnfliplr;
    QToolButton* btnrotate;

signals:
    // The selection or the pad's cursor changed: the main window shows its tool state again.
    void stateChanged();

private:
    QToolButton* addClipButton(QWidget* parent, const char* name, int left, int top, const char* hint,
                           void (dabwick::ClipBrowser::*click)());
    void listCategories();

    dabwick::ClipBrowser& browser_;
};
