#include "AssetWriter.h"
#include "Generators.h"

#include <cstdio>
#include <filesystem>
#include <string>

// The hand-written text data (shaders, settings defaults, name files) and the
// game's font, which comes from the system's font package.

namespace {

const char* const shaderNames[] = {"GreyLevel.frag", "RedLevel.frag",   "Water.frag",
                                   "uv.frag",        "trounoirIn.frag", "trounoirOut.frag"};

const char* const fontSource = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf";
const char* const fontLicence = "/usr/share/doc/fonts-league-spartan/copyright";

// Seeds a player's file from data/<dataPath>; an unreadable source is a
// failure of the build, never an empty file in the player's place.
void seedFromData(AssetContext& ctx, const std::string& dataPath, const std::string& runPath)
{
    const std::string bytes = readFileBytes(ctx, ctx.dataDir / dataPath);
    if (!bytes.empty())
        seedUserFile(ctx, runPath, bytes);
}

void installShaders(AssetContext& ctx)
{
    for (const char* name : shaderNames)
        installDataFile(ctx, std::string("shaders/") + name, std::string("Assets/Shaders/") + name);
}

// The name files are the game's own data; the settings and bindings are the
// player's, so they are only put in place when the player has none yet.
void installSettings(AssetContext& ctx)
{
    installDataFile(ctx, "settings/keynames.txt", "Assets/settings/keynames.txt");
    installDataFile(ctx, "settings/controllerbuttonnames.txt", "Assets/settings/controllerbuttonnames.txt");
    seedFromData(ctx, "settings/gamesettings.txt", "Assets/settings/gamesettings.txt");
    seedFromData(ctx, "settings/Binds.txt", "Assets/settings/Binds.txt");
}

void installFont(AssetContext& ctx)
{
    std::error_code error;
    if (!std::filesystem::exists(fontSource, error)) {
        ++ctx.failures;
        std::printf("assetgen: the font %s is missing; install the Debian package fonts-league-spartan "
                    "(bash scripts/setup.sh)\n",
                    fontSource);
        return;
    }
    writeGenerated(ctx, "Assets/Fonts/SelectionFont.otf", readFileBytes(ctx, fontSource));
    writeGenerated(ctx, "Assets/Fonts/SelectionFont-LICENSE.txt", readFileBytes(ctx, fontLicence));
}

}  // namespace

void generateTextData(AssetContext& ctx)
{
    installShaders(ctx);
    installSettings(ctx);
    installFont(ctx);
}
