#include "online/OnlineStart.h"

#include "app/Game.h"
#include "online/OnlineScene.h"

void startOnline(Game& game, const OnlineRequest& request)
{
    game.outsidePlay = std::make_unique<OnlineScene>(game, request);
}
