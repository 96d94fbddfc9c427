#pragma once

#include "app/OutsidePlay.h"
#include "fighters/InputController.h"
#include "online/ComputerSide.h"
#include "online/OnlineMatch.h"

#include <memory>
#include <string>

// Online play in the game's window: a screen while the two sides connect
// and agree, then each match in the fight scene with the HUD (this side
// played by the P1 keys and first pad, or the computer when P1's card says
// so; the other fighter by the network),
// the result with rematch or leave, and any end's message, back in the hub.

constexpr double endMessageSeconds = 0.8;  // s the message shows over the fight before the hub
constexpr double hubMessageSeconds = 5.0;  // s it stays over the hub
constexpr double netFrameSeconds = 1.0 / 60.0;  // s: one frame of the match (five fixed steps)
constexpr int mostNetFramesAtOnce = 15;         // a slower frame than 1/4 s plays only this much

class OnlineScene : public OutsidePlay {
public:
    OnlineScene(Game& game, const OnlineRequest& request);

    bool takeEvent(Game& game, const sf::Event& event) override;
    bool update(Game& game) override;
    void drawOver(Game& game, sf::RenderTarget& window) override;
    bool finished() const override { return finished_; }

    const OnlineMatch* match() const { return match_.get(); }

private:
    void enterFight(Game& game);
    void endWith(Game& game, const std::string& message);

    OnlineRequest request_;
    std::unique_ptr<OnlineMatch> match_;
    InputController own_;  // P1's keys and first pad, as they were when online play began
    ComputerSide computer_;  // plays this side instead when P1's card says the computer does
    int matchShown_ = 0;
    int matchReported_ = 0;  // the last match whose result and wire summary went to standard error
    bool rematchAsked_ = false;
    std::string message_;  // why online play ended; "" while it runs
    double endedAt_ = 0.0;
    double carried_ = 0.0;  // s of frame time not played yet: the match runs in frames of 1/60 s
    bool inHub_ = false;
    bool finished_ = false;
};
