#pragma once

struct AssetContext;

// The announcer's three lines, "FIGHT", "P1WINS" and "P2WINS", spoken by the
// espeak-ng speech synthesiser and timed for the game. Without espeak-ng, or
// when it fails, the lines are synthesised signals and the generator says so:
// the build goes on either way.
void generateAnnouncer(AssetContext& ctx);
