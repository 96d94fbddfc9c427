// Online play as the game shows it: a game hosting through its online scene,
// joined by a match in the test over the loopback.
#include "app/SceneState.h"
#include "fighters/Bindings.h"
#include "net/NetPair.h"
#include "online/OnlineMatch.h"
#include "online/OnlineStart.h"
#include "render/hud/Hud.h"
#include "settings/KeyNames.h"
#include "support/Headless.h"
#include "world/JungleGround.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <unistd.h>

// The keys are the players' own, not the fight's: a match shown and left
// hands them back to the rooms as they were, and the game writes them at exit.
// Joined, the game plays the second side with its P1 keys: that side's Use
// Item hint names P1's key, and the host's side, played far away, names none.
TEST(OnlineScene, AJoinedMatchShowsOwnKeysAndLeavesThePlayersKeysAsTheyWere)
{
    HeadlessGame driver;
    Game& game = *driver.game;
    BindingTable keys[2] = {defaultBindings(1), defaultBindings(0)};  // the players swapped theirs
    for (int i = 0; i < 2; ++i)
        game.world.players[i].input.bindings = keys[i];

    OnlineRequest host;
    host.net.role = NetRole::Host;
    host.net.port = static_cast<std::uint16_t>(30000 + ::getpid() % 20000);
    host.setup.mode = ReplayMode::Caa;
    host.setup.levelName = "caa";
    std::string error;
    const std::unique_ptr<OnlineMatch> other = OnlineMatch::open(
        host, [](FightWorld& world, const FightChoice& choice) { setUpFight(world, jungleGround(), choice); }, error);
    ASSERT_TRUE(other) << error;
    OnlineRequest join = host;
    join.net.role = NetRole::Join;
    join.net.address = "127.0.0.1";
    startOnline(game, join);

    double now = 0.0;
    const auto frame = [&] {
        now += 1.0 / 60.0;
        driver.step(1, 1.f / 60.f);
        other->frame(now, [](const FightWorld& w, std::uint32_t step) { return scriptedPlay(w, 0, step); },
                     [](std::uint32_t, const StepEvents&) {});
        std::this_thread::sleep_for(std::chrono::microseconds(300));
    };
    for (int f = 0; f < 60 * 20 && !(game.state == SceneState::Fight && other->matchesStarted() == 1); ++f)
        frame();
    ASSERT_EQ(game.state, SceneState::Fight) << "the match opens in the fight scene";
    for (int f = 0; f < 60; ++f)
        frame();
    EXPECT_NE(game.world.match.matchTimer, 0.f);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(game.world.players[i].input.bindings.keys, keys[i].keys) << "P" << i + 1 << " while playing";
    const std::string p1UseKey = displayName(game.keyNames.keys, keys[0].keys[UseItemKey]);
    EXPECT_EQ(game.hud.useKeyTexts[1].getString().toAnsiString(), p1UseKey) << "this side plays with P1's keys";
    EXPECT_TRUE(game.hud.useKeyTexts[0].getString().isEmpty()) << "the host's keys are not this machine's";

    other->leave();
    for (int f = 0; f < 60 * 10 && game.state == SceneState::Fight; ++f)
        frame();
    EXPECT_NE(game.state, SceneState::Fight) << "back to the rooms once the other player left";
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(game.world.players[i].input.bindings.keys, keys[i].keys) << "P" << i + 1 << " back in the rooms";
    hudUpdate(game);
    EXPECT_EQ(game.hud.useKeyTexts[0].getString().toAnsiString(), p1UseKey) << "each side its own keys again";
}
