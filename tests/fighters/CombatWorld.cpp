#include "fighters/CombatWorld.h"

#include "audio/Audio.h"
#include "fighters/BoxFrames.h"
#include "fighters/FighterWorld.h"
#include "app/FixedSteps.h"
#include "app/SceneUpdate.h"
#include "fighters/Projectile.h"
#include "match/Camera.h"

#include <cmath>

namespace {

// The clips come from the game's own character files, also when the run
// folder has none yet (their pictures are then boxes).
void loadMissingClips(Character& character, int slot)
{
    if (character.animations[static_cast<std::size_t>(AnimState::IDLE)].duration > 0.f)
        return;
    static const char* const kinds[kindCount] = {"Napollo", "Atoola", "Gigachill", "Swapper"};
    const std::string folder = std::string(KESTRELFALL_SOURCE_DIR) + "/data/characters/P" +
                               std::to_string(slot / kindCount + 1) + "/";
    character.files.assign(characterSlotCount, "");
    character.files[static_cast<std::size_t>(slot)] = folder + kinds[slot % kindCount] + ".txt";
    loadCharacter(character, slot);
}

}  // namespace

CombatWorld::CombatWorld(int kindP1, int kindP2) : headless(), game(*headless.game)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        loadMissingClips(game.characterSets[slot], slot);
        fillMissingFrames(game.characterSets[slot], kindHitbox(slot % kindCount), 70, boxes);
    }
    startTinyFight(game, floorRow);
    game.world.camera.reset();
    setKind(0, kindP1);
    setKind(1, kindP2);
    stand(p1(), 1000.f, 1);
    stand(p2(), 1040.f, -1);
}

void CombatWorld::setKind(int index, int kind)
{
    Player& p = game.world.players[index];
    p.character = &game.characterSets[characterSlot(index, kind)];
    selectSkill(p.skill, p, kind);
    applyCharacterStats(p);
}

void CombatWorld::setCell(int column, int row, int code)
{
    setTinyCell(game, column, row, code);
}

void CombatWorld::stand(Player& p, float x, int facing)
{
    p.position = sf::Vector2f(x, floorTop - p.size.y / 2.f);
    p.velocity = sf::Vector2f(0.f, 0.f);
    p.onGround = true;
    setFacingScale(p, static_cast<float>(facing), 1.f);
    showFrame(p, p.frame);
}

void CombatWorld::showFrame(Player& p, int frame)
{
    p.frame = frame;
    placeFrame(p);
}

void CombatWorld::frames(int count, float dt)
{
    for (int i = 0; i < count; ++i) {
        game.frameTime = dt;
        tellWorld(game);
        game.world.time.now += dt;
        tellWorld(game);
        updateProjectiles(game.world);
        updateCamera(game.world.camera);
        tickPlayers(game);
        applyStepEvents(game);
    }
}

void giveSound(const std::string& key)
{
    SoundEntry& entry = soundEntry(key);
    std::vector<sf::Int16> samples(44100, 0);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<sf::Int16>(8000.0 * std::sin(static_cast<double>(i) * 0.06));
    entry.buffer = std::make_unique<sf::SoundBuffer>();
    entry.buffer->loadFromSamples(samples.data(), samples.size(), 1, 44100);
    entry.voice.setBuffer(*entry.buffer);
}

bool soundPlaying(const std::string& key)
{
    return soundEntry(key).voice.getStatus() == sf::Sound::Playing;
}
