#pragma once

struct Game;
struct Player;

// Right of way, section changes and the flags of the classic mode.
void updateChaseSituation(Game& game);
// A player that went down loses the right of way; the other one, standing,
// takes it (unless both are down). Run by the camera's follow step.
void rightOfWay(Game& game);
// Puts the goal on the floor of the middle section (the classic fight's arrival).
void placeGoal(Game& game);
// The flags' update and carrier following, each fight frame.
void updateFlags(Game& game);

// The players' tick hooks of the classic match (nothing happens outside it).
// Whether flag `flagIndex` touches the goal.
bool flagTouchesGoal(const Game& game, int flagIndex);
// The player takes its own flag when it reaches it with the right of way.
void tryPickUp(Player& player);
// The fight's screen and section edges for one player.
void sectionEdges(Player& player);
// A fallen player drops the flag it carries.
void dropIfDown(Player& player);
