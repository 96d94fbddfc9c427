#include "screens/CustomMapScreen.h"

#include "app/FadeSwitch.h"
#include "app/Game.h"
#include "app/Latches.h"
#include "app/MousePosition.h"
#include "editor/EditorLevelFiles.h"
#include "render/fight/ShotDrawing.h"
#include "level/CustomLevelList.h"
#include "match/MatchFlow.h"
#include "match/Sections.h"
#include "render/Layers.h"
#include "resources/Caption.h"
#include "resources/Loading.h"
#include "resources/TextFile.h"

#include <algorithm>
#include <iostream>

namespace {

constexpr unsigned listTextSize = 40;
constexpr float nameHeightDivisor = 2.5f;     // a name sits at this fraction of the thumbnail's height
constexpr float messageY = 1060.f;            // px, the refusal line under the grid
const sf::Vector2f roomPicturePlaces[2] = {{1920.f, 64.f}, {0.f, 64.f}};  // room pictures 2 and 3
const sf::Color messageColour(255, 226, 140);
constexpr float nameMargin = 12.f;            // px kept free on each side of a thumbnail
constexpr unsigned helpSize = 30;             // px
const sf::Vector2f backLinePlace{150.f, 50.f};  // px, the top-left corner's "Esc: back"
constexpr float listProblemY = 60.f;          // px, the damaged list's line, top centre

sf::Vector2f thumbnailSize(const CustomMapScreen& screen)
{
    const sf::Texture* texture = screen.placeholder.getTexture();
    return texture ? sf::Vector2f(texture->getSize()) : sf::Vector2f();
}

void centreText(sf::Text& text, sf::Vector2f at)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    text.setPosition(at);
}

void showRefusal(CustomMapScreen& screen, const std::string& reason)
{
    screen.messageText.setString(reason);
    std::cout << reason << std::endl;
}

bool backRequested(const Game& game)
{
    return (game.input.buttonDown(0, buttonB) && !game.latchB) || game.input.keyDown(sf::Keyboard::Escape);
}

// The classic set-up on the picked level, as the Jungle door runs it on its own.
void startCustomFight(CustomMapScreen& screen, const std::string& path)
{
    Game& game = *screen.game;
    game.customMapPath = path;
    game.customMapChosen = true;
    setUpClassicFight(game.world, game.customMapChosen ? game.customMapPath : std::string());
    placeGoal(game.world);
    startFade(game.screenFade);
    screen.targetState = SceneState::Fight;
}

void pickUnderMouse(CustomMapScreen& screen)
{
    Game& game = *screen.game;
    if (!game.input.mouseButtons[sf::Mouse::Left]) {
        screen.refusedSlot = -1;
        return;
    }
    const int slot = customSlotAt(screen, mouseOnScreen(game));
    const int shown = std::min(static_cast<int>(screen.paths.size()), customGridSlots);
    if (slot < 0 || slot >= shown || slot == screen.refusedSlot)
        return;
    const std::string& path = screen.paths[static_cast<std::size_t>(slot)];
    const std::string problem = playableLevelProblem(path, screen.names[static_cast<std::size_t>(slot)]);
    if (!problem.empty()) {
        screen.refusedSlot = slot;
        showRefusal(screen, problem);
        return;
    }
    startCustomFight(screen, path);
}

}  // namespace

void initCustomMapSelect(CustomMapScreen& screen, Game& game)
{
    screen.game = &game;
    screen.placeholder = loadSprite("Assets/Placeholder/CustomMap.png", false, false);
    setupText(screen.counterText, game.font, "0/9", listTextSize, true, sf::Color::White);
    setupText(screen.messageText, game.font, "", listTextSize / 2 + 8, true, messageColour);
    rebuildList(screen);
}

sf::FloatRect customSlotRect(const CustomMapScreen& screen, int slot)
{
    const sf::Vector2f size = thumbnailSize(screen);
    const int row = slot / customGridSize, column = slot % customGridSize;
    return sf::FloatRect(customGridOrigin.x + static_cast<float>(column) * (size.x + customGridGap),
                         customGridOrigin.y + static_cast<float>(row) * (size.y + customGridGap), size.x, size.y);
}

int customSlotAt(const CustomMapScreen& screen, sf::Vector2f point)
{
    for (int slot = 0; slot < customGridSlots; ++slot) {
        const sf::FloatRect cell = customSlotRect(screen, slot);
        if (point.x >= cell.left && point.x < cell.left + cell.width && point.y >= cell.top &&
            point.y < cell.top + cell.height)
            return slot;
    }
    return -1;
}

void rebuildList(CustomMapScreen& screen)
{
    screen.targetState = SceneState::CustomMapSelect;
    screen.refusedSlot = -1;
    screen.paths.clear();
    screen.names.clear();
    const CustomLevelList list = loadCustomLevelList();
    reportProblems(shownPath(customListPath), list.problems);
    screen.listProblem.clear();
    if (list.damaged)
        screen.listProblem = "Custom.txt is damaged" +
                             (list.problems.empty() ? std::string() : ": " + list.problems.front().what);
    for (const CustomLevelEntry& entry : list.entries) {
        screen.paths.push_back(entry.path);
        screen.names.push_back(entry.displayName);
    }
    // Texts change only here, never per frame.
    screen.counterText.setString(std::to_string(screen.paths.size()) + "/" + std::to_string(maxCustomLevels));
    screen.messageText.setString("");
    const std::size_t shown = std::min(screen.names.size(), static_cast<std::size_t>(customGridSlots));
    screen.nameTexts.assign(shown, sf::Text());
    const sf::Vector2f size = thumbnailSize(screen);
    for (int slot = 0; slot < customGridSlots; ++slot) {
        const sf::FloatRect cell = customSlotRect(screen, slot);
        screen.thumbnails[static_cast<std::size_t>(slot)] = screen.placeholder;
        screen.thumbnails[static_cast<std::size_t>(slot)].setPosition(cell.left, cell.top);
        if (static_cast<std::size_t>(slot) < shown) {
            sf::Text& name = screen.nameTexts[static_cast<std::size_t>(slot)];
            setupText(name, screen.game->font, screen.names[static_cast<std::size_t>(slot)], listTextSize, true,
                      sf::Color::White);
            centreText(name, sf::Vector2f(cell.left + size.x / 2.f, cell.top + size.y / nameHeightDivisor));
            fitTextWidth(name, size.x - 2.f * nameMargin);
        } else {
            screen.thumbnails[static_cast<std::size_t>(slot)].setColor(sf::Color(255, 255, 255, emptySlotOpacity));
        }
    }
}

void updateCustomMapSelect(CustomMapScreen& screen)
{
    Game& game = *screen.game;
    if (screen.targetState != SceneState::CustomMapSelect) {
        fadeDrivenSwitch(game, screen.armed, screen.targetState);
        return;
    }
    // 1. Back (Escape, or pad 0's B once per press); 2. a pick in the same
    // frame wins over it.
    if (backRequested(game)) {
        if (game.input.buttonDown(0, buttonB))
            game.latchB = true;
        startFade(game.screenFade);
        screen.targetState = SceneState::MapSelect;
    }
    pickUnderMouse(screen);
}

void drawCustomMapSelect(CustomMapScreen& screen)
{
    Game& game = *screen.game;
    sf::RenderTexture& background = game.backgroundLayer;
    sf::RenderTexture& hud = game.hudLayer;
    background.setView(background.getDefaultView());
    hud.setView(hud.getDefaultView());
    // 1. The map room's pictures behind the list.
    for (int i = 0; i < 2; ++i) {
        sf::Sprite room = game.roomBackgrounds[2 + i];
        room.setPosition(roomPicturePlaces[i]);
        background.draw(room);
    }
    // 2. Counter, grid, names and the last refusal.
    centreText(screen.counterText, sf::Vector2f(game.resolution.x / 2.f, game.resolution.y / 8.f));
    hud.draw(screen.counterText);
    for (const sf::Sprite& thumbnail : screen.thumbnails)
        hud.draw(thumbnail);
    for (const sf::Text& name : screen.nameTexts)
        hud.draw(name);
    centreText(screen.messageText, sf::Vector2f(game.resolution.x / 2.f, messageY));
    hud.draw(screen.messageText);
    drawCaption(hud, game.font, "Esc: back", helpSize, backLinePlace);
    if (!screen.listProblem.empty()) {
        sf::Text problem =
            captionText(game.font, screen.listProblem, helpSize, {game.resolution.x / 2.f, listProblemY}, messageColour);
        fitTextWidth(problem, game.resolution.x - 2.f * (backLinePlace.x * 2.f));
        hud.draw(problem);
    }
    drawProjectiles(game.world, game.projectiles, hud);
    // 3. Stacked onto the screen layer.
    stackLayer(game.screenLayer, game.backgroundLayer, game.backgroundLayerSprite);
    stackLayer(game.screenLayer, game.hudLayer, game.hudLayerSprite);
}
