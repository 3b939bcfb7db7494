#include "dabwick/ClipSaver.h"

#include "dabwick/ChildName.h"
#include "dabwick/ClipMaker.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/FirstRunRecord.h"
#include "dabwick/Names.h"
#include "dabwick/Prompts.h"
#include "raster/BmpCodec.h"

namespace dabwick {

std::string userClipsFolder(const std::string& dataFolder, const std::string& owner)
{
    return resolveIgnoringCase(dataFolder + owner + "'s folder/Dabwick/user's clips/");
}

bool ClipSaver::btnsaveClick(const ClipMaker& maker)
{
    if (maker.ClipOwner.empty()) {
        saveTempClip(maker);
        return false;
    }
    if (maker.ClipName == kNoClipName)
        return saveNewClip(maker);
    return replaceClip(maker);
}

void ClipSaver::saveTempClip(const ClipMaker& maker)
{
    const std::string path = resolveIgnoringCase(dataFolder_ + "TempClip.dwc");
    if (prompts_.AskYesNo("Saved in", "This clip will be saved under the following:\n" + path))
        writeClip(maker, path, "Your clip has now been saved.");
}

bool ClipSaver::saveNewClip(const ClipMaker& maker)
{
    for (;;) {
        const std::optional<std::string> typed = names_.askClipName();
        if (!typed)
            return false;
        // The dialog refuses these characters as they are typed; pasted text must not reach
        // another folder either. Spaces at either end are kept: they are part of the name.
        const std::string name = cleanName(*typed);
        if (isBlankName(name)) {
            prompts_.ShowWarning("Name error", "You must enter a name to continue!");
            continue;
        }
        const std::string path = userClipsFolder(dataFolder_, maker.ClipOwner) + name + ".dwc";
        if (existsIgnoringCase(path)) {
            prompts_.ShowWarning("Name error",
                "You already have a clip named  '" + toUpperAscii(name)
                    + "'  in your folder. \nPlease select a different name and try again.");
            continue;
        }
        return writeClip(maker, path, "Your clip has now been saved.");
    }
}

bool ClipSaver::replaceClip(const ClipMaker& maker)
{
    const std::string question = "You are about to replace '" + toUpperAscii(maker.ClipName)
        + "' with this edited\nversion. Once this is done your old version will be gone forever!\n"
          "Do you wish to continue?\n\nIf you are not sure what to do click NO.";
    if (!prompts_.AskYesNo(maker.ClipName, question))
        return false;
    const std::string path = maker.editedFile.empty()
        ? userClipsFolder(dataFolder_, maker.ClipOwner) + maker.ClipName + ".dwc"
        : resolveIgnoringCase(maker.editedFile);
    writeClip(maker, path, "Your clip has now been replaced.");
    return true;
}

bool ClipSaver::writeClip(const ClipMaker& maker, const std::string& path, const char* doneNotice)
{
    if (!WriteDataFile(path, raster::encodeBmp24(maker.preview()))) {
        prompts_.ShowWarning("Save error", "We are sorry but this clip could not be saved!");
        record_.RecordLastError("");
        return false;
    }
    prompts_.ShowNotice(doneNotice);
    return true;
}

}  // namespace dabwick
