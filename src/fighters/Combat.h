#pragma once

struct Player;

// Which frames of the current attack can hit (and its sound).
void attackFrames(Player& player);
// Whether the current frame lies in the kind's parry window.
void parryFrames(Player& player);
// A swing of `attacker` against `defender`: the fight rule and the hub rule.
void resolveHit(Player& attacker, Player& defender);
void resolveHubHit(Player& attacker, Player& defender);
