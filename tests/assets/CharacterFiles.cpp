#include "assets/CharacterFiles.h"

#include "resources/Paths.h"

#include <sstream>

const char* const kindNames[kindCount] = {"Napollo", "Atoola", "Gigachill", "Swapper"};

const KindFrames kindFrames[kindCount] = {
    {{{20, 23}, {34, 36}}, {46, 47}, "SHOOT"},
    {{{20, 23}, {33, 35}}, {46, 47}, "DASH"},
    {{{17, 19}, {27, 29}}, {38, 39}, "SEISME"},
    {{}, {54, 57}, ""},
};

std::vector<std::string> readRoster()
{
    std::string text;
    std::vector<std::string> paths;
    if (!readWholeFile("persos.txt", text))
        return paths;
    std::istringstream words(text);
    std::string word;
    while (words >> word)
        paths.push_back(word);
    return paths;
}

CharacterFile readCharacterFile(const std::string& path)
{
    CharacterFile file;
    std::string text;
    if (!readWholeFile(path, text))
        return file;
    file.opened = true;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word == "SPRITES") {
            words >> file.declaredFrames;
            std::string frame;
            for (int i = 0; i < file.declaredFrames && words >> frame; ++i)
                file.frames.push_back(frame);
        } else if (word == "ANIM") {
            std::string name;
            ClipLine clip;
            words >> name >> clip.first >> clip.last >> clip.duration >> clip.mode;
            file.clips[name] = clip;
        }
    }
    return file;
}
