#pragma once

namespace sf {
class RenderTarget;
}
struct Game;
struct MainHub;

// The Quit door asks before it ends the game: the first confirm there puts
// the question over the door, a second one quits. Pad B, or nobody standing
// at the door any more, takes the question back; a player who walked in by
// mistake loses nothing.

// The confirm at the Quit door: true when the game is to end now.
bool quitConfirmed(MainHub& hub);
// Each hub frame: the question goes when nobody stands at the Quit door.
void watchQuitQuestion(MainHub& hub);
// Pad B pressed in the hub.
void cancelQuitQuestion(MainHub& hub);
// Over the Quit door, on the tile layer in the camera's view.
void drawQuitQuestion(const Game& game, sf::RenderTarget& target);
