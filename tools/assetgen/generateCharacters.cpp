#include "AssetWriter.h"
#include "Generators.h"

#include "characters/CharacterSheet.h"
#include "characters/FighterLook.h"
#include "characters/FighterPainter.h"
#include "characters/FighterProps.h"
#include "characters/KindPoses.h"

#include <cstdio>
#include <sstream>
#include <string>

// The fighters: the roster and the eight character files are hand-written
// data (data/characters/); every frame picture they name is drawn here, in
// the pose of the clip that shows it. Also the swap markers and the shot.

namespace {

const char* const rosterFile = "persos.txt";
const char* const characterFolder = "Assets/Characters/";
const int slotCount = 8;
const int kindsPerPlayer = 4;

// The data file behind a character path of the roster.
std::string dataPathOf(const std::string& runPath)
{
    const std::string prefix = characterFolder;
    if (runPath.compare(0, prefix.size(), prefix) != 0)
        return {};
    return "characters/" + runPath.substr(prefix.size());
}

void drawSlot(AssetContext& ctx, int slot, const std::string& characterPath)
{
    const std::string dataPath = dataPathOf(characterPath);
    if (dataPath.empty()) {
        ++ctx.failures;
        std::printf("assetgen: %s is not under %s\n", characterPath.c_str(), characterFolder);
        return;
    }
    installDataFile(ctx, dataPath, characterPath);
    const CharacterSheet sheet = parseCharacterSheet(readFileBytes(ctx, ctx.dataDir / dataPath));
    const FighterLook look = fighterLook(static_cast<Kind>(slot % kindsPerPlayer), slot / kindsPerPlayer);
    for (int frame = 0; frame < static_cast<int>(sheet.framePaths.size()); ++frame) {
        const Pose pose = poseForFrame(look, slotOfFrame(sheet, frame));
        writePng(ctx, sheet.framePaths[static_cast<std::size_t>(frame)], paintFighter(look, pose));
    }
}

}  // namespace

void generateCharacters(AssetContext& ctx)
{
    installDataFile(ctx, std::string("characters/") + rosterFile, rosterFile);
    std::istringstream roster(readFileBytes(ctx, ctx.dataDir / "characters" / rosterFile));
    std::string characterPath;
    int slot = 0;
    while (slot < slotCount && roster >> characterPath)
        drawSlot(ctx, slot++, characterPath);
    if (slot < slotCount) {
        ++ctx.failures;
        std::printf("assetgen: %s names %d characters, %d needed\n", rosterFile, slot, slotCount);
    }
    writePng(ctx, "Assets/Placeholder/SummonB.png", markerPicture(0));
    writePng(ctx, "Assets/Placeholder/SummonR.png", markerPicture(1));
    writePng(ctx, "Assets/Sprites/Attack Distance/0.png", shotPicture());
}
