#include "AssetWriter.h"
#include "Generators.h"
#include "audio/Announcer.h"
#include "audio/SoundEffects.h"

// Every sound of the game: the effects of the sound bank and the announcer's
// lines.

namespace {

void generateEffects(AssetContext& ctx)
{
    for (const std::vector<EffectRecipe>& group : {menuAndItemEffects(), fighterEffects()})
        for (const EffectRecipe& effect : group)
            writeWav(ctx, effect.path, effect.make());
}

}  // namespace

void generateAudio(AssetContext& ctx)
{
    generateEffects(ctx);
    generateAnnouncer(ctx);
}
