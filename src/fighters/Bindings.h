#pragma once

#include <string>
#include <vector>

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

// Whether `key` is one of the player's keyboard bindings.
bool keyBelongsToPlayer(const Player& player, int key);
