#pragma once

#include "level/HeldLevel.h"

#include <string>

struct FightWorld;
struct Player;

constexpr float matchTime = 300.f;          // s of a classic match
constexpr float countdownTime = 4.f;        // s before a fight goes live
constexpr float suddenDeathBanner = 1.f;    // s "SUDDEN DEATH" stays on screen
constexpr int caaNapolloKills = 2;          // kills at which a kill racer becomes Napollo
constexpr int caaGigachillKills = 4;        // ... and Gigachill
constexpr int caaWinningKills = 6;

// The match rules of both modes: set-up, placement and win tests.
// The classic level on 60 columns, as the world's level.
// With `held`, its files come from memory (an online match's level).
void loadClassicLevel(FightWorld& world, const std::string& path, const HeldLevel* held = nullptr);
// Each set-up is complete on its own: whatever scene it is called from, the
// level, flags, fighters, timer and countdown are ready for a new fight.
// `customLevel` empty: the Jungle; with `held`, the custom level's files are those.
void setUpClassicFight(FightWorld& world, const std::string& customLevel, const HeldLevel* held = nullptr);
void setUpCaaFight(FightWorld& world);
void placeForFight(FightWorld& world);
void caaRules(FightWorld& world);
void matchRules(FightWorld& world);
// The start countdown and the classic match timer (not in the kill race), each fight step.
void updateMatchClock(FightWorld& world);
void updateCountdown(FightWorld& world);
void updateTimer(FightWorld& world);
void startSuddenDeath(FightWorld& world);
// Player `winner` (0 or 1) wins the match: the result screen follows.
void declareWinner(FightWorld& world, int winner);

// Whether the fighter's current clip has played to its end (a clip without
// length is over at once).
bool clipOver(const Player& player);
// A classic flag's distance, in sections, from the middle section.
int flagDistance(const FightWorld& world, int flagIndex);
// At time-out a carried flag may still score: no decision is made then.
bool timeOutDeferred(const FightWorld& world);
