#pragma once

#include <string>
#include <vector>

struct Game;
struct Player;

// Keyboard actions, in the order of `BindingTable::keys` and the binds file.
enum KeyAction { MoveLeftKey = 0, MoveRightKey, JumpKey, AttackKey, ParryKey, SkillKey, UseItemKey, keyActionCount };
// Controller actions, in the order of `BindingTable::buttons`; moving is the stick's job.
enum ButtonAction { JumpButton = 0, AttackButton, ParryButton, SkillButton, UseItemButton, buttonActionCount };

// One player's bindings: keyboard key codes and controller button numbers.
// A number the input source does not know is simply never pressed.
struct BindingTable {
    std::vector<int> keys;     // 7, by KeyAction
    std::vector<int> buttons;  // 5, by ButtonAction
};

// The bindings a player gets when the binds file cannot give them.
BindingTable defaultBindings(int playerIndex);
// The binds file's text for both players' bindings.
std::string bindingsText(const BindingTable& first, const BindingTable& second);

// Reads "assets/settings/Binds.txt" into both players (the reading rules are
// `parseBindings`'s). A file that cannot be read prints "Load error" and
// gives both players their default bindings; problems go to standard error.
void loadBindings(Game& game);
// Writes both players' bindings to "assets/settings/binds.txt" (the same
// file), replacing it in one step, keeping a damaged file as "Binds.txt.bad"
// and leaving a read-only one. Prints "file error\n" when it cannot write.
void saveBindings(Game& game);

// Whether `key` is one of the player's keyboard bindings.
bool keyBelongsToPlayer(const Player& player, int key);
// Window-event hooks: a bound key press puts its player in keyboard mode;
// in a fight, a controller event of joystick 0 or 1 takes its player out.
void noteKeyPressed(Game& game, int key);
void noteJoystickEvent(Game& game, unsigned joystick);
