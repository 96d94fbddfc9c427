#include "characters/CharacterSheet.h"

#include <sstream>

CharacterSheet parseCharacterSheet(const std::string& text)
{
    CharacterSheet sheet;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word == "SPRITES") {
            int count = 0;
            if (!(words >> count) || count < 0)
                break;
            sheet.framePaths.clear();
            std::string path;
            for (int i = 0; i < count && words >> path; ++i)
                sheet.framePaths.push_back(path);
        } else if (word == "ANIM") {
            Clip clip;
            std::string mode;
            if (!(words >> clip.name >> clip.first >> clip.last >> clip.duration >> mode))
                break;
            clip.once = mode == "ONCE";
            sheet.clips.push_back(clip);
        }
    }
    return sheet;
}

FrameSlot slotOfFrame(const CharacterSheet& sheet, int frame)
{
    for (const Clip& clip : sheet.clips)
        if (frame >= clip.first && frame < clip.last)
            return {clip.name, frame - clip.first, clip.last - clip.first, frame};
    return {"IDLE", 0, 1, frame};
}
