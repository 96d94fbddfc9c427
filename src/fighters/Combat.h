#pragma once

struct Player;

// Which frames of the current attack can hit; plays the kind's swing sound.
void attackFrames(Player& player);
// A parry counts only while the frame lies in the kind's parry window.
void parryFrames(Player& player);
// A wound. Lethal (spikes): the fighter dies whatever its hit points. Not
// lethal: one hit point (Gigachill loses its shield first). A dashing fighter
// takes neither.
void loseHitPoint(Player& player, bool lethal);
// A swing of `attacker` reaching `defender` in the fight: clash, parry,
// wound, or Napollo's launch.
void resolveHit(Player& attacker, Player& defender);
// The same in the hub rooms: hits only knock back and pass the right of way.
void resolveHubHit(Player& attacker, Player& defender);

// The facing tests of a swing (x = hitbox centre, w = hitbox width).
// F1, parry and clash: the attacker faces the defender.
bool facesForParry(const Player& attacker, const Player& defender);
// F2, a wounding hit.
bool facesForWound(const Player& attacker, const Player& defender);
// F3, Napollo's launch in the fight (`hub` false) and every hub hit (`hub` true).
bool facesForKnock(const Player& attacker, const Player& defender, bool hub);
