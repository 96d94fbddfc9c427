#include "menus/MenuDriver.h"
#include "settings/PlayerControl.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

const char* const controlsFile = "Assets/settings/Players.txt";

PlayerControl computer(Strength strength)
{
    return {true, strength};
}

// Reads the file as the game does at start; returns what it said.
std::string loadSaying(PlayerControls& controls)
{
    testing::internal::CaptureStderr();
    loadPlayerControls(controls);
    return testing::internal::GetCapturedStderr();
}

}  // namespace

// The card's cycle and its words: person -> EASY -> NORMAL -> HARD -> person.
TEST(PlayerControls, TheCycleAndItsWords)
{
    PlayerControl control;
    const char* labels[] = {"CPU EASY", "CPU NORMAL", "CPU HARD", "PERSON"};
    const char* words[] = {"easy", "normal", "hard", "person"};
    for (int i = 0; i < 4; ++i) {
        control = nextControl(control);
        EXPECT_STREQ(controlLabel(control), labels[i]);
        PlayerControl read;
        EXPECT_TRUE(parseControlWord(words[i], read));
        EXPECT_EQ(read, control);
    }
    Strength strength = Strength::Easy;
    EXPECT_TRUE(parseStrengthWord("hard", strength));
    EXPECT_EQ(strength, Strength::Hard);
    EXPECT_FALSE(parseStrengthWord("person", strength));
    EXPECT_FALSE(parseStrengthWord("HARD", strength));
}

// The file: a missing one is two persons without a word; a good one is read
// back as written; anything wrong says file and line and leaves two persons,
// and the damaged file is kept beside before it is replaced.
TEST(PlayerControls, TheFileReadsBackAndABadOneFallsBackToPersons)
{
    enterEmptyFolder();
    PlayerControls controls;
    controls.players = {computer(Strength::Hard), computer(Strength::Easy)};
    EXPECT_EQ(loadSaying(controls), "");
    EXPECT_EQ(controls.players[0], PlayerControl{});
    EXPECT_EQ(controls.players[1], PlayerControl{});

    writeTestFile(controlsFile, "");
    controls.players = {PlayerControl{}, computer(Strength::Normal)};
    savePlayerControls(controls);
    EXPECT_EQ(readTestFile(controlsFile), "person\nnormal\n");
    controls.players = {};
    EXPECT_EQ(loadSaying(controls), "");
    EXPECT_EQ(controls.players[1], computer(Strength::Normal));

    struct Bad {
        const char* text;
        const char* where;
    };
    const Bad bads[] = {
        {"hard\nbogus\n", ":2: \"bogus\" is not person"},
        {"hard\n", ":2: the line for P2 is missing"},
        {"hard normal\n", ":1: \"normal\" is not person"},
        {"hard\nnormal\nperson\n", ":3: \"person\" follows the two players"},
        {"\xff\xfe\n", ":1: \"\\xFF\\xFE\" is not person"},
    };
    for (const Bad& bad : bads) {
        writeTestFile(controlsFile, bad.text);
        controls.players = {computer(Strength::Hard), computer(Strength::Hard)};
        const std::string said = loadSaying(controls);
        EXPECT_NE(said.find(std::string("Players.txt") + bad.where), std::string::npos) << said;
        EXPECT_NE(said.find("both fighters are played by persons"), std::string::npos) << said;
        EXPECT_EQ(controls.players[0], PlayerControl{}) << bad.text;
        EXPECT_EQ(controls.players[1], PlayerControl{}) << bad.text;
    }
    testing::internal::CaptureStderr();
    savePlayerControls(controls);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(readTestFile(std::string(controlsFile) + ".bad"), bads[4].text);
    EXPECT_EQ(readTestFile(controlsFile), "person\nperson\n");
}

// In the rooms F1 and F2 step each side's choice, Back on the first pad steps
// P2's, and the choice is saved at exit with the other files.
TEST(PlayerControls, F1F2AndBackStepTheChoiceInTheRoomsAndItIsSavedAtExit)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    enterHub(driver);
    tapKey(driver, sf::Keyboard::F1);
    EXPECT_EQ(game.playerControls.players[0], computer(Strength::Easy));
    EXPECT_EQ(game.playerControls.players[1], PlayerControl{});
    game.state = SceneState::ModeSelect;
    tapKey(driver, sf::Keyboard::F2);
    tapButton(driver, 0, 6);
    tapButton(driver, 1, 6);  // the second pad's Back is not it
    EXPECT_EQ(game.playerControls.players[1], computer(Strength::Normal));
    saveOnExit(game);
    EXPECT_EQ(readTestFile(controlsFile), "easy\nnormal\n");
}
