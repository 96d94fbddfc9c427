#pragma once

struct Game;
struct Player;

constexpr float matchTime = 300.f;          // s of a classic match
constexpr float countdownTime = 4.f;        // s before a fight goes live
constexpr float suddenDeathBanner = 1.f;    // s "SUDDEN DEATH" stays on screen
constexpr int caaNapolloKills = 2;          // kills at which a kill racer becomes Napollo
constexpr int caaGigachillKills = 4;        // ... and Gigachill
constexpr int caaWinningKills = 6;

// The match rules of both modes: set-up, reset, placement and win tests.
void resetMatch(Game& game);
// Each set-up is complete on its own: whatever scene it is called from, the
// level, flags, fighters, timer and countdown are ready for a new fight.
void setUpClassicFight(Game& game);
void setUpCaaFight(Game& game);
void placeForFight(Game& game);
void caaRules(Game& game);
void matchRules(Game& game);
// The start countdown and the classic match timer, run by the HUD update.
void updateCountdown(Game& game);
void updateTimer(Game& game);
void startSuddenDeath(Game& game);
// Player `winner` (0 or 1) wins the match: the result screen follows.
void declareWinner(Game& game, int winner);

// Stops the fight music (a capture and the kill race's end do).
void stopFightMusic();
// Whether the fighter's current clip has played to its end (a clip without
// length is over at once).
bool clipOver(const Player& player);
// A classic flag's distance, in sections, from the middle section.
int flagDistance(const Game& game, int flagIndex);
// At time-out a carried flag may still score: no decision is made then.
bool timeOutDeferred(const Game& game);
