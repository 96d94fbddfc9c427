#include "fighters/FighterWorld.h"

#include "app/FixedSteps.h"
#include "app/SceneUpdate.h"
#include "support/Headless.h"

namespace {

// Clips on the one placeholder frame, with lengths that keep STUN and DEFLECT
// running until the input step ends them.
void giveClips(Character& character)
{
    const struct {
        AnimState state;
        float duration;
        int mode;
    } clips[] = {
        {AnimState::RUNNING, 0.5f, 0},   {AnimState::JUMPING, 0.5f, 0}, {AnimState::FALLING, 0.5f, 0},
        {AnimState::IDLE, 1.f, 0},       {AnimState::ATTACKING, 0.1f, 1}, {AnimState::ATTACK_RUN, 0.1f, 1},
        {AnimState::DEATH, 1.f, 1},      {AnimState::PARRY, 0.2f, 1},   {AnimState::STUN, 2.f, 0},
        {AnimState::DEFLECT, 2.f, 0},
    };
    for (const auto& clip : clips)
        character.animations[static_cast<std::size_t>(clip.state)] = Animation{0, 1, clip.duration, clip.mode};
}

}  // namespace

void startTinyFight(Game& game, int floor)
{
    TileMap& map = game.tileMap;
    map.columns = classicColumns;
    game.world.sectionWidth = static_cast<float>(classicColumns * tileSize);
    TileColumn column;
    column.fill(emptyCode);
    if (floor >= 0)
        column[static_cast<std::size_t>(floor)] = 1;
    map.grid.assign(1, Section(classicColumns, column));
    map.lastSection = 0;
    map.sectionIndex = 0;
    game.world.sectionIndex = 0;
    map.solidTiles.clear();
    buildCollision(map);
    startFightNow(game);
}

void startFightNow(Game& game)
{
    game.state = SceneState::Fight;
    tellWorld(game);
    game.world.match.fightLive = true;
    game.screenFade.active = false;
    game.screenFade.darkening = false;
    game.screenFade.lightening = false;
    game.screenFade.clock.startedAt = -10.0;
    for (Player& p : game.world.players)
        p.deathTimer = 10.f;
}

void setTinyCell(Game& game, int column, int row, int code)
{
    game.tileMap.grid[0][static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] = code;
    game.tileMap.solidTiles.clear();
    buildCollision(game.tileMap);
}

FighterWorld::FighterWorld(bool floor)
{
    enterEmptyFolder();
    game = std::make_unique<Game>();
    startTinyFight(*game);
    game->world.camera.view.setCenter(960.f, 604.f);
    for (Character& character : game->characterSets)
        giveClips(character);
    for (Player& p : game->world.players) {
        p.keyboardMode = true;
        p.position = sf::Vector2f(-5000.f, -5000.f);
    }
    if (floor) {
        floorRow(15);
        standOn(p2(), 3500.f, 15);
    }
}

void FighterWorld::floorRow(int row)
{
    for (int column = 0; column < classicColumns; ++column)
        setTile(column, row, 0);
}

void FighterWorld::standOn(Player& player, float x, int row)
{
    player.position = sf::Vector2f(x, static_cast<float>(row * tileSize) - player.size.y / 2.f);
    player.velocity = sf::Vector2f(0.f, 0.f);
    player.onGround = true;
}

void FighterWorld::step(int frames, float dt)
{
    for (int i = 0; i < frames; ++i) {
        game->frameTime = dt;
        tellWorld(*game);
        game->world.time.now += dt;
        tellWorld(*game);
        tickPlayers(*game);
    }
}

void FighterWorld::key(sf::Keyboard::Key key, bool down)
{
    game->input.keys[key] = down;
}
