#include "screens/OnlineMenu.h"

#include "app/FadeSwitch.h"
#include "app/Game.h"
#include "audio/Audio.h"
#include "resources/Loading.h"
#include "world/WorldRandom.h"

namespace {

const char* const hostPicture = "Assets/Sprites/Online/HostButton.png";
const char* const joinPicture = "Assets/Sprites/Online/JoinButton.png";
const char* const startPicture = "Assets/Sprites/Online/StartButton.png";
const char* const fieldPicture = "Assets/Sprites/Online/Field.png";
constexpr float buttonPressTime = 0.2f;  // s the pressed frame shows

Button makeButton(const char* picture)
{
    Button button(picture, {0.f, 0.f}, 3);
    prepareButton(button, stripFrameSize(button), buttonPressTime);
    return button;
}

// A new match's seed, from the world's own generator.
std::uint64_t drawSeed(Game& game)
{
    const std::uint64_t high = nextRandom(game.world.random);
    return high << 32 | nextRandom(game.world.random);
}

void showPage(OnlineMenu& menu, OnlinePage page)
{
    menu.page = page;
    menu.message.clear();
    if (page == OnlinePage::Host)
        openHostPage(menu.host);
    else if (page == OnlinePage::Join)
        openJoinPage(menu.join);
}

// Back to the mode room, through the curtain.
void leaveForRoom(OnlineMenu& menu)
{
    startFade(menu.game->screenFade);
    menu.targetState = SceneState::ModeSelect;
}

PageOutcome choiceCommand(OnlineMenu& menu, const MenuCommand& command)
{
    switch (command.kind) {
    case MenuCommandKind::Up:
    case MenuCommandKind::Down:
    case MenuCommandKind::Left:
    case MenuCommandKind::Right:
        menu.choice = 1 - menu.choice;
        playSound("HOVER", 100.f);
        return PageOutcome::Stay;
    case MenuCommandKind::Confirm: return PageOutcome::Start;
    case MenuCommandKind::Back: return PageOutcome::Back;
    default: return PageOutcome::Stay;
    }
}

// The button a confirm on the present page presses.
Button& confirmedButton(OnlineMenu& menu)
{
    switch (menu.page) {
    case OnlinePage::Choice: return menu.choice == 0 ? menu.hostButton : menu.joinButton;
    case OnlinePage::Host: return menu.startButton;
    case OnlinePage::Join: return menu.joinButton;
    }
    return menu.joinButton;
}

// Start on the host or the join page: the request goes to online play, or
// the page says what is wrong and nothing is sent.
void startFromPage(OnlineMenu& menu)
{
    Game& game = *menu.game;
    std::string problem;
    const std::optional<OnlineRequest> request =
        menu.page == OnlinePage::Host ? hostRequest(menu.host, ownFighter(game), drawSeed(game), problem)
                                      : joinRequest(menu.join.address.text, ownFighter(game), problem);
    menu.message = request ? "" : problem;
    if (request)
        menu.start(game, *request);
}

void runCommand(OnlineMenu& menu, const MenuCommand& command)
{
    if (command.kind == MenuCommandKind::None || menu.game->screenFade.darkening)
        return;
    // 1. A refusal stands until the player does something about it; then
    // the page makes what it will of the command.
    if (command.kind != MenuCommandKind::Confirm)
        menu.message.clear();
    PageOutcome outcome = PageOutcome::Stay;
    switch (menu.page) {
    case OnlinePage::Choice: outcome = choiceCommand(menu, command); break;
    case OnlinePage::Host: outcome = hostCommand(menu.host, command); break;
    case OnlinePage::Join: outcome = joinCommand(menu.join, command); break;
    }
    // 2. Start or back: to the next page, to online play, a page back or out.
    if (outcome == PageOutcome::Stay)
        return;
    playSound("CONFIRM", 100.f);
    if (outcome == PageOutcome::Back) {
        if (menu.page == OnlinePage::Choice)
            leaveForRoom(menu);
        else
            showPage(menu, OnlinePage::Choice);
        return;
    }
    confirmedButton(menu).clicked = true;
    if (menu.page == OnlinePage::Choice)
        showPage(menu, menu.choice == 0 ? OnlinePage::Host : OnlinePage::Join);
    else
        startFromPage(menu);
}

}  // namespace

void initOnlineMenu(OnlineMenu& menu, Game& game)
{
    menu.game = &game;
    menu.hostButton = makeButton(hostPicture);
    menu.joinButton = makeButton(joinPicture);
    menu.startButton = makeButton(startPicture);
    menu.field = loadSprite(fieldPicture, false, false);
}

void openOnlineMenu(OnlineMenu& menu)
{
    showPage(menu, OnlinePage::Choice);
    menu.choice = 0;
    menu.targetState = SceneState::OnlineMenu;
    menu.pad = PadDirections{};
}

void updateOnlineMenu(OnlineMenu& menu)
{
    Game& game = *menu.game;
    // 1. The chosen button is lit.
    const bool lit[3] = {menu.page == OnlinePage::Choice && menu.choice == 0,
                         menu.page == OnlinePage::Join || (menu.page == OnlinePage::Choice && menu.choice == 1),
                         menu.page == OnlinePage::Host && menu.host.row == HostRow::Start};
    Button* const buttons[3] = {&menu.hostButton, &menu.joinButton, &menu.startButton};
    for (int i = 0; i < 3; ++i) {
        buttons[i]->hovered = lit[i];
        animateButton(buttons[i]->animator, buttons[i]->sprite, buttons[i]->hovered, buttons[i]->clicked,
                      game.frameTime);
    }
    // 2. Back in the mode room once the curtain is black.
    if (menu.targetState != SceneState::OnlineMenu)
        fadeDrivenSwitch(game, menu.armed, menu.targetState);
}

void onlineMenuKey(OnlineMenu& menu, sf::Keyboard::Key key)
{
    runCommand(menu, menuKeyCommand(key));
}

void onlineMenuText(OnlineMenu& menu, unsigned codePoint)
{
    runCommand(menu, menuTextCommand(codePoint));
}

void onlineMenuJoystick(OnlineMenu& menu, const sf::Event& event)
{
    runCommand(menu, menuPadCommand(*menu.game, menu.pad, event));
}

std::uint8_t ownFighter(const Game& game)
{
    const int kind = characterKind(game.world.players[0]);
    return static_cast<std::uint8_t>(kind >= 0 && kind < replayKindCount ? kind : 1);
}
