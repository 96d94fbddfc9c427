#include "assets/GeneratorRun.h"
#include "support/Headless.h"

#include <SFML/Window/Keyboard.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> wordsOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    std::string word;
    while (in >> word)
        words.push_back(word);
    return words;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

struct PlayerBindings {
    std::vector<int> buttons;  // Jump, Attack, Parry, Skill, Use Item
    std::vector<int> keys;     // Move Left, Move Right, Jump, Attack, Parry, Skill, Use Item
};

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override { enterFreshRunFolder(); }
};

}  // namespace

// Four lines, P1 buttons, P1 keys, P2 buttons, P2 keys, each number followed by
// one blank: the same shape the game writes back at exit.
TEST_F(SettingsFiles, DefaultBindingsAreCompleteAndNeverShared)
{
    const std::string text = fileBytes("Assets/settings/Binds.txt");
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), 4u);
    PlayerBindings players[2];
    for (int player = 0; player < 2; ++player) {
        for (const std::string& word : wordsOf(lines[std::size_t(player * 2)]))
            players[player].buttons.push_back(std::stoi(word));
        for (const std::string& word : wordsOf(lines[std::size_t(player * 2 + 1)]))
            players[player].keys.push_back(std::stoi(word));
        EXPECT_EQ(players[player].buttons.size(), 5u);
        EXPECT_EQ(players[player].keys.size(), 7u);
    }
    for (const std::string& line : lines)
        EXPECT_EQ(line.back(), ' ');

    std::set<int> keysInUse;
    for (const PlayerBindings& player : players) {
        for (int key : player.keys) {
            EXPECT_GE(key, 0);
            EXPECT_LT(key, int(sf::Keyboard::KeyCount));
            EXPECT_NE(key, int(sf::Keyboard::Escape)) << "Escape pauses and leaves screens";
            EXPECT_TRUE(keysInUse.insert(key).second) << "key " << key << " bound twice";
        }
        const std::set<int> buttons(player.buttons.begin(), player.buttons.end());
        EXPECT_EQ(buttons.size(), 5u) << "a button bound to two actions";
        for (int button : player.buttons) {
            EXPECT_GE(button, 0);
            EXPECT_LT(button, 32);
        }
    }
}

TEST_F(SettingsFiles, KeyNamesFollowTheKeyboardEnumeration)
{
    const std::string text = fileBytes("Assets/settings/keynames.txt");
    const std::vector<std::string> lines = linesOf(text);
    ASSERT_EQ(lines.size(), std::size_t(sf::Keyboard::KeyCount));
    ASSERT_EQ(wordsOf(text).size(), lines.size()) << "one word per line, no blanks";
    EXPECT_EQ(lines[sf::Keyboard::A], "A");
    EXPECT_EQ(lines[sf::Keyboard::Num0], "Num0");
    EXPECT_EQ(lines[sf::Keyboard::Escape], "Escape");
    EXPECT_EQ(lines[sf::Keyboard::Space], "Space");
    EXPECT_EQ(lines[sf::Keyboard::Left], "Left");
    EXPECT_EQ(lines[sf::Keyboard::Numpad0], "Numpad0");
    EXPECT_EQ(lines[sf::Keyboard::F1], "F1");
    EXPECT_EQ(lines[sf::Keyboard::Pause], "Pause");
}

TEST_F(SettingsFiles, ControllerButtonNamesCoverButtons0To31)
{
    const std::string text = fileBytes("Assets/settings/controllerbuttonnames.txt");
    EXPECT_EQ(linesOf(text).size(), 32u);
    EXPECT_EQ(wordsOf(text).size(), 32u);
}

TEST_F(SettingsFiles, GameSettingsStartFullScreenWithDefaultVolumes)
{
    EXPECT_EQ(fileBytes("Assets/settings/gamesettings.txt"), "1\n0.5\n1\n");
}

// Settings and bindings belong to the player once they exist: a rebuild
// leaves them alone, and only fills in what is missing.
TEST_F(SettingsFiles, RebuildKeepsThePlayersFiles)
{
    const std::string folder = enterEmptyFolder();
    fs::create_directories("Assets/settings");
    std::ofstream("Assets/settings/Binds.txt") << "1 2 3 \n";
    std::ofstream("Assets/settings/gamesettings.txt") << "0\n0.25\n0.8\n";
    ASSERT_EQ(runAssetGenerator(folder, "text").status, 0);
    EXPECT_EQ(fileBytes("Assets/settings/Binds.txt"), "1 2 3 \n");
    EXPECT_EQ(fileBytes("Assets/settings/gamesettings.txt"), "0\n0.25\n0.8\n");
    EXPECT_EQ(linesOf(fileBytes("Assets/settings/keynames.txt")).size(), std::size_t(sf::Keyboard::KeyCount));
}
