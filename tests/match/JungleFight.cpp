#include "match/JungleFight.h"

#include "world/FightStep.h"

namespace {

constexpr int stepsPerFrame = 5;  // 1/60 s of 1/300 s steps

}  // namespace

JungleFight::JungleFight(const FightChoice& choice)
{
    setUp(choice);
}

void JungleFight::setUp(const FightChoice& choice)
{
    setUpFight(world, jungleGround(), choice);
    won = false;
    musicStopped = false;
}

void JungleFight::frames(int count)
{
    for (int i = 0; i < count * stepsPerFrame && !won; ++i) {
        const StepEvents& events = stepFight(world, inputs);
        won = events.matchWon;
        musicStopped = musicStopped || events.music == FightMusic::Stops;
        for (int k = 0; k < 2; ++k)
            victories[k] += events.victories[k];
    }
}

void JungleFight::goLive()
{
    runUntil([this] { return world.match.fightLive; }, 5.f);
}

bool JungleFight::runAcross(int index, FightButton button, int section)
{
    inputs[index].buttons = button;
    runUntil([&] { return world.sectionIndex == section; }, 3.f);
    inputs[index].buttons = 0;
    return world.sectionIndex == section;
}

void standOnCell(Player& p, int section, int column, int row)
{
    p.position = sf::Vector2f(cellCentreX(section, column), static_cast<float>(row * 64) - p.size.y / 2.f);
    p.velocity = sf::Vector2f(0.f, 0.f);
    p.knockbackLock = false;
}

float cellCentreX(int section, int column)
{
    return static_cast<float>(section) * 3840.f + static_cast<float>(column * 64 + 32);
}
