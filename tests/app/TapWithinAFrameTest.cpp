// A key pressed and released between two frames still counts, once, in the
// first step after it: doors, the pause and the fighters' actions.
#include "match/JungleMatch.h"
#include "menus/MenuDriver.h"

#include "app/Frame.h"

#include <gtest/gtest.h>

namespace {

// Press and release of `key` delivered in one frame of `frame` seconds, as the
// program's event poll delivers them.
void tapWithinFrame(Game& game, sf::Keyboard::Key key, float frame)
{
    sf::Event press = keyPressedEvent(key);
    sf::Event release = press;
    release.type = sf::Event::KeyReleased;
    trackInputEvent(game.input, press);
    trackInputEvent(game.input, release);
    runFrame(game, frame, {press, release}, false);
}

}  // namespace

TEST(TapWithinAFrame, EnterOpensADoorEscapePausesAndTheAttackKeySwings)
{
    for (float frame : {1.f / 60.f, 0.2f}) {
        SCOPED_TRACE(frame);
        {
            HeadlessGame driver;
            Game& game = *driver.game;
            enterHub(driver);
            standAt(game, 0, doorCentre(game.mainHub, DoorKind::Play));
            lookAt(game, doorCentre(game.mainHub, DoorKind::Play));
            driver.step();
            tapWithinFrame(game, sf::Keyboard::Enter, frame);
            EXPECT_TRUE(game.screenFade.darkening) << "Enter at a door";
        }
        JungleMatch f;
        f.goLive();
        Player& p1 = f.p1();
        const auto attackKey = static_cast<sf::Keyboard::Key>(p1.input.bindings.keys[AttackKey]);
        const double before = p1.input.attackClock.startedAt;
        tapWithinFrame(f.game, attackKey, frame);
        EXPECT_NE(p1.input.attackClock.startedAt, before) << "the attack key swings";
        tapWithinFrame(f.game, sf::Keyboard::Escape, frame);
        EXPECT_EQ(f.game.state, SceneState::Pause) << "Escape pauses";
    }
}
