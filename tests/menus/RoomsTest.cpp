#include "menus/FighterChoice.h"
#include "menus/MenuDriver.h"

#include <gtest/gtest.h>

TEST(MenuRooms, TheMarkHolderTakesADoorAndTheRoomSwitchesAtBlack)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    ASSERT_EQ(game.state, SceneState::MainHub);
    // The first visit already opens doors: P1 holds the mark.
    EXPECT_TRUE(game.world.players[0].advancing);
    EXPECT_FALSE(game.world.players[1].advancing);

    // P2 at the Play door gets its prompt but cannot open it.
    standAt(game, 0, 1100.f);
    standAt(game, 1, doorCentre(game.mainHub, DoorKind::Play));
    lookAt(game, 1100.f);
    driver.step();
    EXPECT_FALSE(game.mainHub.promptShown[0]);
    EXPECT_TRUE(game.mainHub.promptShown[1]);
    tapKey(driver, sf::Keyboard::Enter);
    EXPECT_FALSE(game.screenFade.active);

    // Once the mark has passed to P2 (a hub hit), P2's confirm opens the door.
    game.world.players[0].advancing = false;
    game.world.players[1].advancing = true;
    tapKey(driver, sf::Keyboard::Enter);
    EXPECT_TRUE(game.screenFade.darkening);
    EXPECT_EQ(game.mainHub.targetState, SceneState::ModeSelect);
    // Both fighters are already at their start places, on the floor.
    EXPECT_FLOAT_EQ(game.world.players[0].position.x, hubStartP1.x);
    EXPECT_FLOAT_EQ(game.world.players[1].position.x, hubStartP2.x);
    EXPECT_FLOAT_EQ(game.world.players[0].position.y, hubFloorY(game.mainHub, hubStartP1.x));
    driver.step(50);
    EXPECT_EQ(game.state, SceneState::MainHub);
    driver.step();
    EXPECT_EQ(game.state, SceneState::ModeSelect);
}

TEST(MenuRooms, ADoorReachesFarDownAndOnlyOverTheDoorsWidth)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    const Door& play = game.mainHub.doors[0];
    Player& p1 = game.world.players[0];
    const float halfHeight = frameBounds(p1).height / 2.f;
    p1.position = sf::Vector2f(doorCentre(game.mainHub, DoorKind::Play), doorTop + 1900.f + halfHeight);
    EXPECT_TRUE(atDoor(p1, play));
    p1.position.y = doorTop + 2000.f + halfHeight;
    EXPECT_FALSE(atDoor(p1, play));
    // Above the door's top, or beside it, does not count.
    p1.position.y = doorTop - 2.f * halfHeight - 1.f;
    EXPECT_FALSE(atDoor(p1, play));
    p1.position = sf::Vector2f(play.sprite.getPosition().x + play.sprite.getLocalBounds().width +
                                   frameBounds(p1).width / 2.f + 1.f,
                               doorTop + 100.f);
    EXPECT_FALSE(atDoor(p1, play));
}

TEST(MenuRooms, TabStepsForwardAndTheDirectionPadBothWaysOncePerQuarterSecond)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    game.state = SceneState::ModeSelect;
    Player& p1 = game.world.players[0];
    ASSERT_EQ(characterKind(p1), 1);
    const int kinds[3] = {2, 0, 1};
    for (int kind : kinds) {
        tapKey(driver, sf::Keyboard::Tab);
        EXPECT_EQ(characterKind(p1), kind);
        EXPECT_EQ(p1.character, &game.characterSets[characterSlot(0, kind)]);
    }
    EXPECT_EQ(p1.size, kindHitbox(1));
    // Gigachill from the keypad's Add for P2, with its two hit points.
    tapKey(driver, sf::Keyboard::Add);
    EXPECT_EQ(characterKind(game.world.players[1]), 2);
    EXPECT_EQ(game.world.players[1].hitPoints, 2);

    // P2's direction pad held right: a step now, the next one a quarter second later.
    driver.step(20);
    holdAxis(driver, 1, sf::Joystick::PovX, 100.f);
    EXPECT_EQ(characterKind(game.world.players[1]), 0);
    for (int frame = 0; frame < 14; ++frame)
        holdAxis(driver, 1, sf::Joystick::PovX, 100.f);
    EXPECT_EQ(characterKind(game.world.players[1]), 0);
    for (int frame = 0; frame < 2; ++frame)
        holdAxis(driver, 1, sf::Joystick::PovX, 100.f);
    EXPECT_EQ(characterKind(game.world.players[1]), 1);
    // Left goes back, past the first kind to the last; P1's pad is its own.
    driver.step(16);
    holdAxis(driver, 1, sf::Joystick::PovX, -100.f);
    EXPECT_EQ(characterKind(game.world.players[1]), 0);
    driver.step(16);
    holdAxis(driver, 1, sf::Joystick::PovX, -100.f);
    EXPECT_EQ(characterKind(game.world.players[1]), 2);
    EXPECT_EQ(characterKind(p1), 1);
}

TEST(MenuRooms, WhileTheCurtainFallsTheRoomTakesNoMoreInput)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    game.state = SceneState::ModeSelect;
    standAt(game, 0, doorCentre(game.modeSelectRoom, DoorKind::Caa));
    standAt(game, 1, doorCentre(game.modeSelectRoom, DoorKind::Back) + 300.f);
    lookAt(game, 1500.f);
    driver.step(5);
    tapKey(driver, sf::Keyboard::Enter);
    ASSERT_TRUE(game.screenFade.darkening);
    EXPECT_FALSE(game.world.match.caaMode);  // the kill race is set up at black
    EXPECT_FALSE(game.world.players[0].advancing);

    // The mark comes back (a hub hit) and P1 stands at the Back door: no
    // second door, no pause, no fighter change and no running or jumping.
    game.world.players[0].advancing = true;
    standAt(game, 0, doorCentre(game.modeSelectRoom, DoorKind::Back));
    tapKey(driver, sf::Keyboard::Enter);
    tapKey(driver, sf::Keyboard::Escape);
    tapKey(driver, sf::Keyboard::Tab);
    holdAxis(driver, 0, sf::Joystick::PovX, 100.f);
    driver.setKey(sf::Keyboard::A, true);
    driver.setKey(sf::Keyboard::W, true);
    driver.step(10);
    EXPECT_EQ(game.modeSelectRoom.targetState, SceneState::Fight);
    EXPECT_EQ(game.state, SceneState::ModeSelect);
    EXPECT_EQ(characterKind(game.world.players[0]), 1);
    EXPECT_EQ(game.world.players[0].velocity, sf::Vector2f(0.f, 0.f));
    driver.step(40);
    EXPECT_EQ(game.state, SceneState::Fight);
    EXPECT_TRUE(game.world.match.caaMode);
    EXPECT_FALSE(game.world.match.fightLive);
}

TEST(MenuRooms, TheQuitDoorAsksFirstAndClosesTheWindowOnASecondConfirm)
{
    HeadlessGame driver(true);
    Game& game = *driver.game;
    enterHub(driver);
    const float door = doorCentre(game.mainHub, DoorKind::Quit);
    standAt(game, 0, door);
    lookAt(game, game.world.players[0].position.x - 500.f);
    driver.step();
    tapKey(driver, sf::Keyboard::Enter);
    ASSERT_TRUE(game.window.isOpen());
    EXPECT_TRUE(game.mainHub.quitAsked);
    // Walking away, or pad B, takes the question back.
    standAt(game, 0, door - 600.f);
    driver.step();
    EXPECT_FALSE(game.mainHub.quitAsked);
    standAt(game, 0, door);
    driver.step();
    tapKey(driver, sf::Keyboard::Enter);
    tapButton(driver, 0, 1);
    EXPECT_FALSE(game.mainHub.quitAsked);
    EXPECT_TRUE(game.window.isOpen());
    tapKey(driver, sf::Keyboard::Enter);
    tapKey(driver, sf::Keyboard::Enter);
    EXPECT_FALSE(game.window.isOpen());
}

TEST(MenuRooms, TheJungleDoorKeepsTheRoomWholeUntilBlackThenOpensOnTheCountdown)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    game.state = SceneState::MapSelect;
    game.customMapChosen = true;  // left over from a custom fight
    standAt(game, 0, doorCentre(game.mapSelectRoom, DoorKind::Jungle));
    lookAt(game, game.world.players[0].position.x);
    driver.step();
    const sf::Vector2f roomView = game.world.camera.view.getCenter();
    const sf::Vector2f places[2] = {game.world.players[0].position, game.world.players[1].position};
    tapKey(driver, sf::Keyboard::Enter);
    // While the room can still be seen, the camera and both fighters stay in it.
    driver.step(50);
    ASSERT_EQ(game.state, SceneState::MapSelect);
    EXPECT_NEAR(game.world.camera.view.getCenter().x, roomView.x, 64.f);
    for (int i = 0; i < 2; ++i)
        EXPECT_NEAR(game.world.players[i].position.x, places[i].x, 64.f);
    driver.step();
    ASSERT_EQ(game.state, SceneState::Fight);
    EXPECT_FALSE(game.customMapChosen);
    EXPECT_FALSE(game.world.match.fightLive);
    EXPECT_EQ(game.world.sectionIndex, 2);
    EXPECT_FLOAT_EQ(game.world.camera.view.getCenter().x, 2.5f * game.world.sectionWidth);
    EXPECT_FALSE(game.world.players[0].advancing);
    driver.step(60);
    EXPECT_LT(game.world.match.countdown, 4.f);
    EXPECT_FALSE(game.world.match.fightLive);
}

TEST(MenuRooms, TheKillRaceStartsWithBothAtoolasAtTheirPlacesThoughP1HeldLeft)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    game.state = SceneState::ModeSelect;
    tapKey(driver, sf::Keyboard::Tab);  // P1 takes Gigachill first
    standAt(game, 0, doorCentre(game.modeSelectRoom, DoorKind::Caa));
    lookAt(game, game.world.players[0].position.x);
    driver.step();
    tapKey(driver, sf::Keyboard::Enter);
    driver.setKey(sf::Keyboard::A, true);
    driver.step(51);
    ASSERT_EQ(game.state, SceneState::Fight);
    driver.step(51);  // the reveal
    const float centre = game.world.sectionWidth / 2.f;
    for (int i = 0; i < 2; ++i) {
        const Player& p = game.world.players[i];
        EXPECT_EQ(characterKind(p), 1);
        EXPECT_NEAR(p.position.x, centre + (i == 0 ? -750.f : 750.f), 64.f);
        EXPECT_EQ(p.velocity.x, 0.f);
    }
}

TEST(MenuRooms, TheHintsShowTheBoundKeysOnTheFirstVisitAndAfterEightStillSeconds)
{
    HeadlessGame driver;
    driver.drawEachFrame = false;
    Game& game = *driver.game;
    enterHub(driver);
    driver.step();
    EXPECT_TRUE(hubHintsShown(game));
    game.world.players[0].input.bindings.keys[JumpKey] = sf::Keyboard::Space;
    const HintLines lines = hubHintLines(game, game.world.players[0]);
    EXPECT_EQ(lines.move, "P1: " + displayName(game.keyNames.keys, game.world.players[0].input.bindings.keys[MoveLeftKey]) +
                              " / " +
                              displayName(game.keyNames.keys, game.world.players[0].input.bindings.keys[MoveRightKey]) +
                              " move");
    EXPECT_EQ(lines.act.rfind(displayName(game.keyNames.keys, sf::Keyboard::Space) + " jump", 0), 0u) << lines.act;

    driver.setKey(sf::Keyboard::D, true);  // P1 runs: the hints go
    driver.step(5);
    driver.setKey(sf::Keyboard::D, false);
    EXPECT_FALSE(hubHintsShown(game));
    driver.step(static_cast<int>(hintIdleTime / testFrame) - 60);
    EXPECT_FALSE(hubHintsShown(game));
    driver.step(120);  // still long enough: they come back
    EXPECT_TRUE(hubHintsShown(game));
}
