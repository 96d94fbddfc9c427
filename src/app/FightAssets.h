#pragma once

struct Game;

// Start-up of the fight's pieces in the game: the tileset and the Jungle
// level, the eight character slots and both fighters with their bindings,
// the flags and the shot pictures, and the read-only setting the world
// points at.
void initTileMap(Game& game);
void initFighters(Game& game);
void initFlags(Game& game);
void initShotPictures(Game& game);
// Points `game.world` at the game's level, characters and masks.
void linkFightSetting(Game& game);

// Reads "assets/settings/Binds.txt" into both players (the reading rules are
// `parseBindings`'s). A file that cannot be read prints "Load error" and
// gives both players their default bindings; problems go to standard error.
void loadBindings(Game& game);
// Writes both players' bindings to "assets/settings/binds.txt" (the same
// file), replacing it in one step, keeping a damaged file as "Binds.txt.bad"
// and leaving a read-only one. Prints "file error\n" when it cannot write.
void saveBindings(Game& game);
// Window-event hooks: a bound key press puts its player in keyboard mode;
// in a fight, a controller event of joystick 0 or 1 takes its player out.
void noteKeyPressed(Game& game, int key);
void noteJoystickEvent(Game& game, unsigned joystick);
