#pragma once

#include "app/SceneState.h"
#include "online/OnlineStart.h"
#include "resources/Button.h"
#include "screens/HostPage.h"
#include "screens/JoinPage.h"
#include "screens/MenuCommand.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Window/Event.hpp>

#include <functional>
#include <string>

struct FrameTarget;
struct Game;

enum class OnlinePage { Choice, Host, Join };

// The way into online play, behind the mode room's ONLINE door: host or
// join, then the host's or the joiner's page, whose Start hands the request
// to online play. Keys and the first pad drive it alike; Escape or B goes a
// page back, and from the choice back to the mode room.
struct OnlineMenu {
    Game* game = nullptr;
    OnlinePage page = OnlinePage::Choice;
    int choice = 0;  // the choice page's button: 0 HOST, 1 JOIN
    HostPage host;
    JoinPage join;
    std::string message;  // why the last Start was refused, until the next key or press
    PadDirections pad;
    SceneState targetState = SceneState::OnlineMenu;  // its own: no switch pending
    bool armed = false;
    Button hostButton, joinButton, startButton;
    sf::Sprite field;  // the slot behind a row's value: idle, then chosen
    // What Start calls with the request: online play (a test records instead).
    std::function<void(Game&, const OnlineRequest&)> start = startOnline;
};

void initOnlineMenu(OnlineMenu& menu, Game& game);
// Taking the ONLINE door: the choice page, nothing refused, no switch pending.
void openOnlineMenu(OnlineMenu& menu);
// Each frame: the buttons' pictures, then the way back once the curtain is black.
void updateOnlineMenu(OnlineMenu& menu);
void drawOnlineMenu(OnlineMenu& menu, FrameTarget& frame);

// The events of the screen; a curtain on its way takes none.
void onlineMenuKey(OnlineMenu& menu, sf::Keyboard::Key key);
void onlineMenuText(OnlineMenu& menu, unsigned codePoint);
void onlineMenuJoystick(OnlineMenu& menu, const sf::Event& event);

// This side's fighter: the one on P1's card, as the fight doors take it.
std::uint8_t ownFighter(const Game& game);
