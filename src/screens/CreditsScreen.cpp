#include "screens/CreditsScreen.h"

#include "app/Game.h"
#include "render/fight/ShotDrawing.h"
#include "resources/Loading.h"

void initCredits(CreditsScreen& credits, Game& game)
{
    credits.game = &game;
}

void drawCredits(CreditsScreen& credits)
{
    Game& game = *credits.game;
    // A whole screen's picture that few players open: it is loaded the first
    // time the credits show, not held from the start.
    if (!credits.picture.getTexture()) {
        credits.picture = loadSprite("Assets/Sprites/Credits/BackgroundCredits.png", false, false);
        credits.picture.setPosition(0.f, 0.f);
    }
    // Nothing new goes into the background layer: it still shows the hub.
    game.backgroundLayer.setView(game.world.camera.view);
    game.screenLayer.draw(game.backgroundLayerSprite);
    drawProjectiles(game.world, game.projectiles, game.screenLayer);
    game.screenLayer.draw(credits.picture);
}
