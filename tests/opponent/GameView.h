#pragma once

#include "app/Game.h"
#include "opponent/OpponentView.h"
#include "world/FightInput.h"

// Today's game seen as the opponent sees a fight, field by field, and its
// buttons handed to a fighter as held keys: how the opponent is tried in real
// Jungle matches until fights are a value of their own.
OpponentView viewOfGame(const Game& game);
// Holds the keys of `player`'s bindings that `input` presses; releases the others.
template <class Driver>
void holdButtons(Driver& driver, const Player& player, FightInput input);

template <class Driver>
void holdButtons(Driver& driver, const Player& player, FightInput input)
{
    const FightButton order[] = {ButtonLeft, ButtonRight, ButtonJump, ButtonAttack, ButtonParry, ButtonSkill, ButtonItem};
    for (int action = 0; action < 7; ++action)
        driver.setKey(static_cast<sf::Keyboard::Key>(player.input.bindings.keys[static_cast<std::size_t>(action)]),
                      input.held(order[action]));
}
