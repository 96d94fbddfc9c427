#include "screens/TitleScreen.h"

#include "app/Game.h"
#include "audio/Audio.h"
#include "menus/MenuRooms.h"

#include <cmath>

namespace {

void pulsePrompt(Game& game)
{
    game.titlePulseTime += game.frameTime;
    const auto alpha = static_cast<sf::Uint8>(std::fabs(std::cos(game.titlePulseTime)) * 255.f);
    sf::Text& text = game.pressStartText;
    text.setFillColor(sf::Color(255, 255, 255, alpha));
    text.setOutlineColor(sf::Color(0, 0, 0, alpha));
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.width / 2.f, bounds.height / 2.f);
    text.setPosition(game.resolution.x / 2.f, game.resolution.y / titleTextHeightDivisor);
}

void bobLogo(Game& game)
{
    sf::Sprite& logo = game.titleLogo;
    const float step = titleBobSpeed * game.frameTime;
    const float restY = game.resolution.y / 4.f;
    if (!game.titleBobRising) {
        logo.move(0.f, step);
        if (logo.getPosition().y >= restY + game.titleBobAmplitude)
            game.titleBobRising = true;
    } else {
        logo.move(0.f, -step);
        if (logo.getPosition().y <= restY - game.titleBobAmplitude)
            game.titleBobRising = false;
    }
}

}  // namespace

void updateTitle(Game& game)
{
    game.backgroundLayer.setView(game.backgroundLayer.getDefaultView());
    if (isMusicPlaying("MENU"))
        stopMusic("MENU");
    playMusic("TITLESCREEN", 100.f);
    animateTitle(game);
}

void animateTitle(Game& game)
{
    pulsePrompt(game);
    bobLogo(game);
}

void drawTitle(Game& game)
{
    game.backgroundLayer.draw(game.titleBackground);
    // Brings the layer's texture up to date before it is drawn from.
    game.backgroundLayer.display();
    game.screenLayer.draw(game.backgroundLayerSprite);
    game.screenLayer.draw(game.pressStartText);
    game.screenLayer.draw(game.titleLogo);
}

void enterHubFromTitle(Game& game)
{
    placeAtHubStart(game);
    // P1 holds the hub mark, so the doors open on the very first visit.
    game.world.players[0].advancing = true;
    game.world.players[1].advancing = false;
    game.state = SceneState::MainHub;
}
