#pragma once

struct AssetContext;

// The announcer's three lines, "FIGHT", "P1WINS" and "P2WINS", spoken by the
// espeak-ng speech synthesiser and timed for the game. Without espeak-ng the
// lines are replaced by synthesised signals and the generator says so.
void generateAnnouncer(AssetContext& ctx);
