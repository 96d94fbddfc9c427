#include "assets/GeneratorRun.h"
#include "support/Headless.h"

#include <SFML/Window/Keyboard.hpp>

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::vector<int> numbersOf(const std::string& line)
{
    std::istringstream in(line);
    std::vector<int> numbers;
    int number = 0;
    while (in >> number)
        numbers.push_back(number);
    return numbers;
}

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override { enterFreshRunFolder(); }
};

}  // namespace

// Four lines, P1 buttons, P1 keys, P2 buttons, P2 keys, each number followed by
// one blank: the same shape the game writes back at exit. 24 values, no key
// bound twice, no button bound to two actions of one player, Escape left free.
TEST_F(SettingsFiles, DefaultBindingsAreCompleteAndNeverShared)
{
    const std::vector<std::string> lines = linesOf(fileBytes("Assets/settings/Binds.txt"));
    ASSERT_EQ(lines.size(), 4u);
    std::set<int> keysInUse;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].back(), ' ') << "line " << i;
        const std::vector<int> values = numbersOf(lines[i]);
        const bool keys = i % 2 == 1;
        EXPECT_EQ(values.size(), keys ? 7u : 5u) << "line " << i;
        if (!keys) {
            EXPECT_EQ(std::set<int>(values.begin(), values.end()).size(), values.size()) << "line " << i;
        }
        for (int value : values) {
            EXPECT_GE(value, 0);
            EXPECT_LT(value, keys ? int(sf::Keyboard::KeyCount) : 32);
            if (keys) {
                EXPECT_NE(value, int(sf::Keyboard::Escape)) << "Escape pauses and leaves screens";
                EXPECT_TRUE(keysInUse.insert(value).second) << "key " << value << " bound twice";
            }
        }
    }
}

TEST_F(SettingsFiles, NameFilesAndDefaultSettings)
{
    // One key name a line, in the keyboard enumeration's order.
    const std::vector<std::string> keys = linesOf(fileBytes("Assets/settings/keynames.txt"));
    ASSERT_EQ(keys.size(), 101u);
    for (const std::string& name : keys)
        EXPECT_TRUE(!name.empty() && name.find(' ') == std::string::npos) << name;
    EXPECT_EQ(keys[sf::Keyboard::A], "A");
    EXPECT_EQ(keys[sf::Keyboard::Escape], "Escape");
    EXPECT_EQ(keys[sf::Keyboard::Numpad0], "Numpad0");
    EXPECT_EQ(keys[sf::Keyboard::Pause], "Pause");
    // Controller buttons 0 to 31.
    const std::vector<std::string> buttons = linesOf(fileBytes("Assets/settings/controllerbuttonnames.txt"));
    EXPECT_EQ(buttons.size(), 32u);
    for (const std::string& name : buttons)
        EXPECT_TRUE(!name.empty() && name.find(' ') == std::string::npos) << name;
    // Full screen, volumes at their defaults.
    EXPECT_EQ(fileBytes("Assets/settings/gamesettings.txt"), "1\n0.5\n1\n");
}
