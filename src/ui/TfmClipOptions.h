#pragma once

#include <QDialog>

#include "dabwick/ClipManager.h"

struct ProgramContext;
class BitmapView;
class QListWidget;
class QPushButton;
class TFmClipMaker;

// The clip manager: the signed-in child's own clips with a preview, and New, Edit, Copy and
// Delete. Every showing and every action reads the child's folder again.
class TfmClipOptions : public QDialog {
    Q_OBJECT
public:
    TfmClipOptions(ProgramContext& program, TFmClipMaker& clipMaker, QWidget* parent);

    // Shows the window modally for the child's clips; an empty name is nobody signed in.
    void showFor(const std::string& clipOwner);

    QListWidget* lbClips;
    BitmapView* impreview;
    QPushButton* btnNew;
    QPushButton* btnEdit;
    QPushButton* btnCopy;
    QPushButton* btnDelete;
    QPushButton* BitBtn4;

    void RefreshClipList();
    void lbClipsClick();
    void btnNewClick();
    void btnEditClick();
    void btnCopyClick();
    void btnDeleteClick();

private:
    // Opens the clip maker once an opener has prepared it, then reads the folder again.
    void runClipMaker();
    // Copies the manager's list onto the list box, then its state.
    void showList();
    void showState();

    ProgramContext& program_;
    TFmClipMaker& clipMaker_;
    dabwick::ClipManager manager_;
};
