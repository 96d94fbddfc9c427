#include "app/FightAssets.h"
#include "app/Input.h"
#include "app/PlayerButtons.h"
#include "fighters/BindsFile.h"
#include "support/Headless.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// A game started in an empty folder (its pictures are boxes): the binds file is the test's.
struct EmptyGame {
    std::unique_ptr<Game> game;
    EmptyGame()
    {
        enterEmptyFolder();
        game = std::make_unique<Game>();
    }
};

const char* const bindsFile = "Assets/settings/Binds.txt";

std::string loadWithFile(Game& game, const std::string* text)
{
    std::filesystem::create_directories("Assets/settings");
    if (text)
        writeTestFile(bindsFile, *text);
    else
        std::filesystem::remove(bindsFile);
    testing::internal::CaptureStdout();
    loadBindings(game);
    return testing::internal::GetCapturedStdout();
}

void expectDefaults(const Game& game)
{
    for (int i = 0; i < 2; ++i) {
        const BindingTable expected = defaultBindings(i);
        EXPECT_EQ(game.world.players[i].input.bindings.keys, expected.keys);
        EXPECT_EQ(game.world.players[i].input.bindings.buttons, expected.buttons);
    }
}

}  // namespace

// One game reads a missing, a short and a good file, saves, and reads its own file back.
TEST(Bindings, TheGameTakesTheFileValuesDefaultsWhereTheFileFailsAndSavesInPlace)
{
    EmptyGame world;
    Game& game = *world.game;
    EXPECT_EQ(loadWithFile(game, nullptr), "Load error");
    expectDefaults(game);
    EXPECT_FALSE(game.playerFiles.binds.damaged);
    const std::string shortFile = "0 2 1 3 5\n16 3 25 5 6 7 17\n0 2 1 3\n";
    loadWithFile(game, &shortFile);
    EXPECT_EQ(game.world.players[0].input.bindings.keys, (std::vector<int>{16, 3, 25, 5, 6, 7, 17}));
    EXPECT_EQ(game.world.players[1].input.bindings.keys, defaultBindings(1).keys);
    EXPECT_TRUE(game.playerFiles.binds.damaged);  // kept as Binds.txt.bad when replaced

    const std::string seeded = "9 8 7 6 5\n0 1 2 3 4 5 6\n4 3 2 1 0\n10 11 12 13 14 15 16\n";
    loadWithFile(game, &seeded);
    EXPECT_EQ(game.world.players[1].input.bindings.keys, (std::vector<int>{10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(game.world.players[0].input.bindings.buttons, (std::vector<int>{9, 8, 7, 6, 5}));
    game.world.players[0].input.bindings.keys[JumpKey] = sf::Keyboard::Space;
    game.world.players[1].input.bindings.buttons[ParryButton] = 11;
    testing::internal::CaptureStdout();
    saveBindings(game);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    // "binds.txt" is written into the existing "Binds.txt", never beside it.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator("Assets/settings"))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
    const std::string saved = readTestFile(bindsFile);
    EXPECT_EQ(saved, "9 8 7 6 5 \n0 1 57 3 4 5 6 \n4 3 11 1 0 \n10 11 12 13 14 15 16 \n");
    // Read back from the defaults, as a fresh start would: the same bindings.
    const BindingTable kept[2] = {game.world.players[0].input.bindings, game.world.players[1].input.bindings};
    for (int i = 0; i < 2; ++i)
        game.world.players[i].input.bindings = defaultBindings(i);
    loadWithFile(game, &saved);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(game.world.players[i].input.bindings.keys, kept[i].keys);
        EXPECT_EQ(game.world.players[i].input.bindings.buttons, kept[i].buttons);
    }
}

TEST(Bindings, NumbersTheInputSourceDoesNotKnowAreUnbound)
{
    InputController c;
    c.bindings.keys = {-5, 100000, sf::Keyboard::KeyCount, -1, 2147483647, -2147483647, 999};
    c.bindings.buttons = {32, -1, 1000000, 77, -9};
    InputState input;
    for (int k = 0; k < sf::Keyboard::KeyCount; ++k)
        input.keys[k] = true;  // everything held
    for (bool& button : input.joysticks[0].buttons)
        button = true;
    EXPECT_EQ(readPlayerButtons(input, c).buttons, 0u);
    Player p;
    p.input = c;
    EXPECT_FALSE(keyBelongsToPlayer(p, 100000));
    EXPECT_FALSE(keyBelongsToPlayer(p, -1));
    // A short list (as a damaged table could be) reads as unbound too.
    c.bindings.keys.resize(2);
    c.bindings.buttons.clear();
    EXPECT_EQ(readPlayerButtons(input, c).buttons, 0u);
}
