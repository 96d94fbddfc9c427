#pragma once

#include <SFML/Window/Event.hpp>

namespace sf {
class RenderTarget;
}

struct Game;

// The frame loop lent to a feature above the game's own scenes (online play):
// while one is set on the game, it sees the events first, may run a frame in
// place of the scene's own steps, and draws over the finished frame. The
// frame loop lets it go once it says it is finished.
struct OutsidePlay {
    virtual ~OutsidePlay() = default;
    // True when the event is its own: the scene does not see it.
    virtual bool takeEvent(Game& game, const sf::Event& event) = 0;
    // True when it ran this frame in place of the scene's steps.
    virtual bool update(Game& game) = 0;
    virtual void drawOver(Game& game, sf::RenderTarget& window) = 0;
    virtual bool finished() const = 0;
};
