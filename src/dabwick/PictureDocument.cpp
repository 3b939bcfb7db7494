#include "dabwick/PictureDocument.h"

namespace dabwick {

PictureDocument::PictureDocument()
    : picture(kPadWidth, kPadHeight), lineArt(kPadWidth, kPadHeight), blank(kPadWidth, kPadHeight)
{
    history.reset(blank);
}

void PictureDocument::ResetPicture()
{
    buttons.clear = false;
    loaded = false;
    changed = false;
    buttons.save = false;
    buttons.undo = false;
    history.reset(blank);
    lineArt = blank;
    picture = blank;
    caption_ = "Picture name: {Untitled}";
}

void PictureDocument::StartNewDrawing()
{
    kind = PictureKind::NewDrawing;
    pictureName = "Untitled";
    ResetPicture();
    buttons.print = false;
    buttons.clear = false;
}

void PictureDocument::MarkChanged()
{
    changed = true;
    buttons.save = true;
    buttons.print = true;
    buttons.clear = true;
}

void PictureDocument::RecordUndoStep()
{
    history.record(picture, lineArt);
    buttons.undo = true;
}

void PictureDocument::UndoLastChange()
{
    if (history.count() == 0)
        return;  // nothing recorded: the button is off, but a stray call must not wrap the ring
    buttons.clear = true;
    history.stepBack(picture, lineArt);
    if (history.count() > 0)
        return;
    buttons.undo = false;
    if (!history.historyFlag())
        return;
    changed = false;
    buttons.save = false;
    if (kind != PictureKind::ChildPicture)
        buttons.clear = false;
    if (kind == PictureKind::NewDrawing)
        buttons.print = false;
}

void PictureDocument::MarkSaved(const std::string& name)
{
    setCaptionName(name);
    changed = false;
    buttons.save = false;
    kind = PictureKind::ChildPicture;
}

}  // namespace dabwick
