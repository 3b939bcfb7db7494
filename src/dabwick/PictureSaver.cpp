#include "dabwick/PictureSaver.h"

#include "dabwick/ChildName.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/Names.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/Prompts.h"
#include "dabwick/SavePrompts.h"
#include "raster/Blit.h"
#include "raster/BmpCodec.h"

namespace dabwick {

bool PictureSaver::SaveCurrentPicture()
{
    if (!document_.changed)
        return false;
    for (;;) {
        // Each attempt presets the box again, so a refused name is not offered a second time.
        const std::string preset = document_.kind == PictureKind::NewDrawing ? std::string() : document_.pictureName;
        const std::optional<std::string> typed = dialogs_.askPictureName(preset);
        if (!typed)
            return false;
        const std::string name = cleanName(*typed);
        if (isBlankName(name)) {
            prompts_.ShowWarning("Name needed", "You must enter a name for your picture!");
            continue;
        }
        if (existsIgnoringCase(userFolder_ + name + ".dwb") && !dialogs_.askReplace(name))
            continue;
        document_.pictureName = name;
        return WritePictureFiles();
    }
}

bool PictureSaver::WritePictureFiles()
{
    const std::string base = userFolder_ + document_.pictureName;
    dialogs_.showBusy(true);
    const bool copyWritten = WriteDataFile(base + ".bmp", raster::encodeBmp24(document_.picture));
    raster::Bitmap combined(kPadWidth, kPadHeight * 2);
    raster::copyBitmap(combined, {0, 0}, document_.picture);
    raster::copyBitmap(combined, {0, kPadHeight}, document_.lineArt);
    const bool pictureWritten = WriteDataFile(base + ".dwb", raster::encodeBmp24(combined));
    dialogs_.showBusy(false);

    if (!copyWritten)
        record_.RecordLastError("");
    if (!pictureWritten) {
        prompts_.ShowWarning("Save error", "We are sorry but this picture could not be saved! You may\n"
                                           "want to click save again and select a different name.");
        record_.RecordLastError("");
        return false;
    }
    prompts_.ShowNotice(toUpperAscii(document_.pictureName) + " has now been saved.");
    document_.MarkSaved(document_.pictureName);
    return true;
}

bool PictureSaver::mayDiscardPicture(SaveQuestion question)
{
    if (!document_.changed)
        return true;
    switch (dialogs_.askSaveFirst(question)) {
    case SaveAnswer::Yes: return SaveCurrentPicture();
    case SaveAnswer::No: return true;
    case SaveAnswer::Cancel: return false;
    }
    return false;
}

}  // namespace dabwick
