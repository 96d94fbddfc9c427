#include "online/OnlineScene.h"

#include "app/Cursor.h"
#include "app/FixedSteps.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "app/PlayerButtons.h"
#include "app/Victory.h"
#include "audio/Audio.h"
#include "render/hud/Hud.h"
#include "resources/Caption.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <iostream>
#include <limits>

namespace {

constexpr unsigned titleSize = 64;   // px
constexpr unsigned lineSize = 34;    // px
const sf::Color curtainColour(8, 10, 24, 235);
const sf::Color hintColour(255, 255, 255, 220);
const sf::Color warningColour(255, 210, 90);
constexpr float waitingY = 200.f;  // px: the waiting line's centre, over the fight
constexpr float hintY = 1040.f;    // px: the result's keys, near the bottom
constexpr float fightMessageY = 0.2f;  // of the window's height: an end's message
constexpr float hubMessageY = 0.47f;

bool leaveAsked(const sf::Event& event)
{
    return (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape) ||
           (event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
            event.joystickButton.button == buttonB);
}

bool rematchAsked(const sf::Event& event)
{
    return (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Space) ||
           (event.type == sf::Event::JoystickButtonPressed && event.joystickButton.joystickId == 0 &&
            event.joystickButton.button == buttonA);
}

std::string waitingLine(const OnlineRequest& request, std::uint16_t port)
{
    if (request.net.role == NetRole::Host)
        return "hosting on port " + std::to_string(port) + " (UDP): the other player joins this machine's address";
    return "connecting to " + request.net.address + ":" + std::to_string(request.net.port);
}

// The match's live world as the fight scene shows it. The players' key
// bindings ride in the world's fighters but are the game's own: a world set
// up for the match has none, and they are what the game writes back at exit.
void showWorld(Game& game, const FightWorld& world)
{
    const BindingTable kept[2] = {game.world.players[0].input.bindings, game.world.players[1].input.bindings};
    game.world = world;
    for (int i = 0; i < 2; ++i)
        game.world.players[i].input.bindings = kept[i];
}

// This machine plays its side with its P1 keys, so that side's Use Item hint
// names P1's key; the other side's keys are the other player's, so none shows.
void showOwnKeyHints(Game& game, int ownSide)
{
    game.hud.useKeysOf[ownSide] = 0;
    game.hud.useKeysOf[1 - ownSide] = -1;
}

void leaveForHub(Game& game)
{
    game.hud.useKeysOf[0] = 0;
    game.hud.useKeysOf[1] = 1;
    returnToHub(game);
}

}  // namespace

OnlineScene::OnlineScene(Game& game, const OnlineRequest& request)
    : request_(request), own_(game.world.players[0].input)
{
    std::string error;
    match_ = OnlineMatch::open(request, [&game](FightWorld& world, const FightChoice& choice) {
        setUpFight(world, game.fightSetting, game.characterSets, choice);
    }, error, std::numeric_limits<double>::infinity());
    if (!match_)
        endWith(game, "online play could not start: " + error);
}

bool OnlineScene::takeEvent(Game& game, const sf::Event& event)
{
    if (!message_.empty())
        return !inHub_;
    if (leaveAsked(event)) {
        match_->leave();
        game.latchB = true;
    } else if (rematchAsked(event) && match_->stage() == OnlineStage::Result && !rematchAsked_) {
        match_->askRematch();
        rematchAsked_ = true;
    }
    return event.type == sf::Event::KeyPressed || event.type == sf::Event::JoystickButtonPressed;
}

bool OnlineScene::update(Game& game)
{
    const double now = game.menuTime.now;
    // 1. After an end: its message over the fight, then over the hub; our
    // goodbye still goes out meanwhile.
    if (!message_.empty()) {
        if (match_)
            match_->frame(now, [](const FightWorld&, std::uint32_t) { return FightInput{}; },
                          [](std::uint32_t, const StepEvents&) {});
        if (!inHub_ && now - endedAt_ >= endMessageSeconds) {
            leaveForHub(game);
            inHub_ = true;
        }
        finished_ = inHub_ && now - endedAt_ >= hubMessageSeconds;
        return !inHub_;
    }
    // 2. A frame of the connection and the match: this side's buttons from
    // its P1 keys and pad, sounds of confirmed steps only.
    const PlayerControl& card = game.playerControls.players[0];
    const OwnButtons buttons = [&game, &card, this](const FightWorld& world, std::uint32_t step) {
        if (card.computer)
            return computer_.buttons(card.strength, match_->side()->session.localPlayer(), world, step);
        const FightInput read = readPlayerButtons(game.input, own_);
        consumeTaps(game.input);
        return read;
    };
    const ConfirmedUse use = [&game](std::uint32_t, const StepEvents& events) {
        game.world.events = events;
        applyStepEvents(game);
    };
    // Frames of 1/60 s as the time shown asks, whatever the window's frame rate.
    carried_ = std::min(carried_ + game.frameTime, mostNetFramesAtOnce * netFrameSeconds);
    for (; carried_ >= netFrameSeconds; carried_ -= netFrameSeconds) {
        match_->frame(now, buttons, use);
        if (match_->end() != OnlineEnd::Playing) {
            endWith(game, match_->endMessage());
            return true;
        }
    }
    // 3. A new match (the first, or a rematch) opens the fight scene; the
    // live world is what it shows.
    if (match_->matchesStarted() != matchShown_)
        enterFight(game);
    if (match_->side() && matchShown_ > 0) {
        showWorld(game, match_->side()->world);
        hudUpdate(game);
    }
    if (match_->outcome() && game.state == SceneState::Fight)
        game.state = SceneState::Victory;
    // 4. Each match's result once, with how it went on the wire.
    if (match_->outcome() && matchReported_ != matchShown_) {
        matchReported_ = matchShown_;
        std::cerr << "kestrelfall: online match " << matchShown_ << ": " << outcomeLine(*match_->outcome()) << "; "
                  << match_->wireSummary() << std::endl;
    }
    return true;
}

void OnlineScene::enterFight(Game& game)
{
    matchShown_ = match_->matchesStarted();
    rematchAsked_ = false;
    game.state = SceneState::Fight;
    game.screenFade.active = false;
    game.customMapChosen = false;
    game.scriptedButtons.playing = false;
    game.replay.recording.phase = RecordingPhase::NotRecorded;  // the online match keeps its own
    game.victoryTime = 0.f;
    showWorld(game, match_->side()->world);
    showOwnKeyHints(game, request_.net.role == NetRole::Host ? 0 : 1);
    setCursorVisible(game, false);
    if (isMusicPlaying("MENU"))
        stopMusic("MENU");
}

void OnlineScene::endWith(Game& game, const std::string& message)
{
    message_ = message;
    endedAt_ = game.menuTime.now;
    // Nothing was on screen but the waiting: straight back to the hub.
    if (matchShown_ == 0) {
        leaveForHub(game);
        inHub_ = true;
    }
}

void OnlineScene::drawOver(Game& game, sf::RenderTarget& window)
{
    window.setView(window.getDefaultView());
    const sf::Vector2f size(window.getSize());
    const float middle = size.x / 2.f;
    if (!message_.empty()) {
        // Under the HUD over the fight; under the emblem, clear of the cards, over the hub.
        drawCaption(window, game.font, message_, lineSize, {middle, size.y * (inHub_ ? hubMessageY : fightMessageY)},
                    warningColour);
        return;
    }
    if (matchShown_ == 0) {
        sf::RectangleShape curtain(size);
        curtain.setFillColor(curtainColour);
        window.draw(curtain);
        drawCaption(window, game.font, "WAITING FOR THE OTHER PLAYER", titleSize, {middle, size.y * 0.4f});
        drawCaption(window, game.font, waitingLine(request_, match_->port()), lineSize, {middle, size.y * 0.52f},
                    hintColour);
        drawCaption(window, game.font, "Esc / B: leave", lineSize, {middle, size.y * 0.62f}, hintColour);
        return;
    }
    if (match_->stage() == OnlineStage::Result) {
        const std::string keys = rematchAsked_ ? "rematch asked: waiting for the other player   Esc / B: leave"
                                               : "Space / A: rematch   Esc / B: leave";
        drawCaption(window, game.font, keys, lineSize, {middle, size.y * hintY / 1080.f}, hintColour);
    } else if (match_->waitingForPeer()) {
        drawCaption(window, game.font, "waiting for the other player", lineSize, {middle, size.y * waitingY / 1080.f},
                    warningColour);
    }
}
