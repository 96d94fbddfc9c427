#include "app/Latches.h"

#include "app/Game.h"

void releaseLatches(Game& game)
{
    const InputState& input = game.input;
    if (!input.buttonDown(0, buttonA))
        game.latchA = false;
    if (!input.buttonDown(0, buttonB))
        game.latchB = false;
    if (!input.buttonDown(0, buttonStart) && !input.buttonDown(1, buttonStart))
        game.latchStart = false;
    if (!input.buttonDown(0, buttonLB))
        game.latchLB = false;
    if (!input.buttonDown(0, buttonRB))
        game.latchRB = false;
    game.backHeld = input.buttonDown(0, buttonBack) || input.buttonDown(1, buttonBack);
}
