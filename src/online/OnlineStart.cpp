#include "online/OnlineStart.h"

#include <iostream>

// Until the online match is in, a request is only acknowledged: the game
// stays where it is.
void startOnline(Game&, const OnlineRequest&)
{
    std::cout << "online play is not ready" << std::endl;
}
