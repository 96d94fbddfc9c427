#include "app/Frame.h"

#include "app/Game.h"
#include "app/Latches.h"
#include "app/SceneUpdate.h"
#include "app/FixedSteps.h"
#include "menus/PauseMenu.h"
#include "replay/FightRecording.h"
#include "replay/ReplayWatching.h"

void runFrame(Game& game, float frameTime, const std::vector<sf::Event>& events, bool drawFrame)
{
    // 1. Time: the menus' clock runs in every frame; the world's clock
    // advances with the simulation that uses it. A stall counts as a bounded
    // frame, so that nothing jumps after it.
    game.frameTime = boundedFrameTime(frameTime);
    game.menuTime.now += game.frameTime;
    tellWorld(game);
    // 2. Events, all of them before the update; without focus only the
    // window's own (close, focus, size) and mouse moves count.
    for (const sf::Event& event : events)
        if (eventAllowed(game.input, event))
            routeEvent(game, event);
    // 3. Update.
    update(game);
    if (!drawFrame)
        return;
    // 4-6. Clear, draw, present. A window closed by this frame's events still
    // gets the frame's layers drawn; only the window calls are skipped.
    const bool windowOpen = game.window.isOpen();
    if (windowOpen)
        game.window.clear(sf::Color::Black);
    draw(game);
    if (windowOpen)
        game.window.display();
}

void update(Game& game)
{
    // 1. The curtain, whatever the scene.
    stepFade(game.screenFade);
    // 2. Latches whose buttons are up again.
    releaseLatches(game);
    // 3. A controller unplugged in a room or a running fight pauses the game.
    pauseOnLostPad(game);
    // 4-5. The world's clock, the shots in flight and the scene; the rooms
    // and the fight in fixed steps. Under the pause menus the world
    // stands still, so a fight resumes exactly where it stopped.
    // 6. A replay being watched plays its own steps, online play its own frame.
    if (game.outsidePlay && game.outsidePlay->update(game)) {
        consumeTaps(game.input);
    } else if (worldPaused(game)) {
        updateScene(game);
        consumeTaps(game.input);
    } else if (game.replay.watch.active) {
        watchFrame(game);
    } else {
        simulateFrame(game);
    }
    // 7. What the rules asked for outside the steps (a fight set up from a
    // menu); 8. a recorded fight left from the pause is written.
    applyStepEvents(game);
    followFightRecording(game);
    if (game.outsidePlay && game.outsidePlay->finished())
        game.outsidePlay.reset();
}
