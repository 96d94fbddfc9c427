#include "AssetWriter.h"
#include "Generators.h"
#include "audio/Announcer.h"
#include "audio/SoundEffects.h"
#include "audio/Songs.h"

// Every sound of the game: the effects of the sound bank, the announcer's
// lines and the three music loops.

namespace {

void generateEffects(AssetContext& ctx)
{
    for (const std::vector<EffectRecipe>& group : {menuAndItemEffects(), fighterEffects()})
        for (const EffectRecipe& effect : group)
            writeWav(ctx, effect.path, effect.make());
}

void generateMusic(AssetContext& ctx)
{
    writeOgg(ctx, "Assets/Sounds/Music/Menu/TitleScreen.ogg", renderSong(titleSong()));
    writeOgg(ctx, "Assets/Sounds/Music/Menu/Menu.ogg", renderSong(menuSong()));
    writeOgg(ctx, "Assets/Sounds/Music/Jungle/Jungle.ogg", renderSong(jungleSong()));
}

}  // namespace

void generateAudio(AssetContext& ctx)
{
    generateEffects(ctx);
    generateAnnouncer(ctx);
    generateMusic(ctx);
}
