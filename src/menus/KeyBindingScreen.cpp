#include "menus/KeyBindingScreen.h"

#include "app/Game.h"
#include "app/Latches.h"
#include "audio/Audio.h"
#include "menus/BackLine.h"
#include "menus/BindingCapture.h"
#include "menus/MenuNavigation.h"
#include "render/Layers.h"
#include "resources/Caption.h"
#include "resources/Loading.h"
#include "settings/KeyNames.h"

namespace {

const float cellWidth = 128.f;   // px, one binding cell
const float cellHeight = 64.f;   // px
const float labelOffset = 192.f; // px left of P1's cell
const float tabOffset = 150.f;   // px either side of the centre
const float tabHeightDivisor = 5.f;   // the tabs stand at a fifth of the screen height
const float rowsHeightDivisor = 3.f;  // the first row at a third
const sf::Vector2u cellFrame(128, 64);
const sf::Vector2u tabFrame(300, 50);
const float buttonPressTime = 0.2f;  // s
const unsigned textSize = 30;
const float textOutline = 2.f;  // px
const char* const capturingText = "...";
const char* const keyboardLabels[keyboardRows] = {"Move Left", "Move Right", "Jump",    "Attack",
                                                  "Parry",     "Skill",      "Use Item"};
const char* const controllerLabels[controllerRows] = {"Jump", "Attack", "Parry", "Skill", "Use Item"};
const float cellTextMargin = 12.f;   // px kept free inside a cell on each side
const unsigned titleSize = 64;       // px
const float titleY = 100.f;          // px
const unsigned hintSize = 30;        // px, the waiting and refusal lines
const float hintGap = 80.f;          // px under the last row
const sf::Color refusalColour(255, 140, 120);

void setUpText(sf::Text& text, const sf::Font& font, const char* string)
{
    setupText(text, font, string, textSize, true, sf::Color::White);
    text.setOutlineThickness(textOutline);
}

void centreAt(sf::Text& text, sf::Vector2f place)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
    text.setPosition(place);
}

Button makeButton(const char* picture, sf::Vector2f position, sf::Vector2u frame)
{
    Button button(picture, position, 2);
    prepareButton(button, frame, buttonPressTime);
    return button;
}

BindingTable& bindingsOf(Game& game, int player)
{
    return game.world.players[player].input.bindings;
}

// The shown name of row `row` of a player's bindings in the current tab.
std::string bindingName(const KeyBindingScreen& screen, int player, int row)
{
    const Game& game = *screen.game;
    const BindingTable& table = game.world.players[player].input.bindings;
    const std::vector<int>& codes = screen.keyboardTab ? table.keys : table.buttons;
    if (row >= static_cast<int>(codes.size()))
        return std::string();
    const KeyNames& names = game.keyNames;
    return displayName(screen.keyboardTab ? names.keys : names.buttons, codes[static_cast<std::size_t>(row)]);
}

void highlight(Button& button, bool lit, float frameTime)
{
    button.hovered = lit;
    button.clicked = false;
    animateButton(button.animator, button.sprite, button.hovered, button.clicked, frameTime);
}

// "Space is already used by P2 Attack", or `otherwise` when no action holds it.
std::string refusalLine(const std::string& name, const CaptureRefusal& refusal, const char* const* labels,
                        const char* otherwise)
{
    if (refusal.holder < 0)
        return name.empty() || name.front() == '-' ? std::string(otherwise) : name + ": " + otherwise;
    return name + " is already used by P" + std::to_string(refusal.holder + 1) + " " + labels[refusal.holderRow];
}

// A cell's name, fitted into the cell once per change of name.
void showCellName(KeyBindingScreen& screen, int column, int row, const std::string& name)
{
    sf::Text& text = column == 0 ? screen.p1Values[row] : screen.p2Values[row];
    std::string& shown = screen.cellNames[column][row];
    if (shown == name && !text.getString().isEmpty())
        return;
    shown = name;
    text.setCharacterSize(textSize);
    text.setString(name);
    fitTextWidth(text, cellWidth - 2.f * cellTextMargin);
}

void startCapture(KeyBindingScreen& screen, int column, int row)
{
    playSound("CONFIRM", 100.f);
    screen.refusal.clear();
    screen.capturing = true;
    screen.selectedColumn = column;
    screen.selectedRow = row;
}

// Stick: rows up and down (wrapping), columns left and right.
void navigate(KeyBindingScreen& screen)
{
    Game& game = *screen.game;
    if (screen.capturing || !navReady(game, screen.navClock))
        return;
    const int rowStep = stickVertical(game);
    const int side = stickSideways(game);
    if (rowStep != 0)
        screen.selectedRow = wrapSelection(screen.selectedRow, rowStep, visibleRows(screen));
    if (side != 0)
        screen.selectedColumn = side > 0 ? 1 : 0;
    if (rowStep != 0 || side != 0) {
        playSound("HOVER", 100.f);
        screen.navClock.restart(game.menuTime);
    }
}

// LB and RB switch the tab, except during a capture.
void switchTabByShoulder(KeyBindingScreen& screen)
{
    Game& game = *screen.game;
    const bool rb = game.input.buttonDown(menuPad, buttonRB) && !game.latchRB;
    const bool lb = game.input.buttonDown(menuPad, buttonLB) && !game.latchLB;
    if (!rb && !lb)
        return;
    playSound("HOVER", 100.f);
    if (rb)
        game.latchRB = true;
    else
        game.latchLB = true;
    if (!screen.capturing)
        showTab(screen, !screen.keyboardTab);
}

// A button press during a capture: Back cancels in either tab; in the
// controller tab a free button of the selected player's own pad is bound.
void captureButton(KeyBindingScreen& screen, const sf::Event& event)
{
    if (event.type != sf::Event::JoystickButtonPressed)
        return;
    Game& game = *screen.game;
    const int pad = static_cast<int>(event.joystickButton.joystickId);
    const int button = static_cast<int>(event.joystickButton.button);
    if (button == cancelCaptureButton) {
        screen.capturing = false;
        return;
    }
    if (screen.keyboardTab || pad != screen.selectedColumn || game.latchA)
        return;
    const CaptureRefusal refusal = buttonRefusal(button, screen.selectedRow, bindingsOf(game, pad), pad);
    if (refusal.refused) {
        screen.refusal = refusalLine(displayName(game.keyNames.buttons, button), refusal, controllerLabels,
                                     "Back and Start cannot be bound");
        return;
    }
    bindingsOf(game, pad).buttons[static_cast<std::size_t>(screen.selectedRow)] = button;
    screen.capturing = false;
    // The A that was just bound must not start the next capture while held.
    if (pad == menuPad && button == buttonA)
        game.latchA = true;
}

}  // namespace

void initKeyBindingScreen(KeyBindingScreen& screen, Game& game)
{
    screen.game = &game;
    const sf::Vector2f centre(game.resolution.x / 2.f, game.resolution.y / rowsHeightDivisor);
    for (int i = 0; i < keyboardRows; ++i) {
        const float y = centre.y + cellHeight * static_cast<float>(i);
        screen.p1Buttons[i] = makeButton("assets/sprites/options/bindbutton.png", {centre.x - cellWidth / 2.f, y},
                                         cellFrame);
        screen.p2Buttons[i] = makeButton("assets/sprites/options/bindbutton.png", {centre.x + cellWidth / 2.f, y},
                                         cellFrame);
    }
    const float tabY = game.resolution.y / tabHeightDivisor;
    screen.tabButtons[0] =
        makeButton("assets/sprites/options/keyboardtabbutton.png", {centre.x - tabOffset, tabY}, tabFrame);
    screen.tabButtons[1] =
        makeButton("assets/sprites/options/controllertabbutton.png", {centre.x + tabOffset, tabY}, tabFrame);
    setUpText(screen.p1Header, game.font, "P1");
    setUpText(screen.p2Header, game.font, "P2");
    for (int i = 0; i < keyboardRows; ++i) {
        setUpText(screen.labels[i], game.font, keyboardLabels[i]);
        setUpText(screen.p1Values[i], game.font, "");
        setUpText(screen.p2Values[i], game.font, "");
    }
    screen.navClock.restart(game.menuTime);
}

int visibleRows(const KeyBindingScreen& screen)
{
    return screen.keyboardTab ? keyboardRows : controllerRows;
}

void showTab(KeyBindingScreen& screen, bool keyboard)
{
    screen.keyboardTab = keyboard;
    // The controller tab has 5 rows: a row 5 or 6 chosen in the keyboard tab
    // must not be captured into a list that has no such entry.
    if (screen.selectedRow >= visibleRows(screen))
        screen.selectedRow = visibleRows(screen) - 1;
    for (int i = 0; i < controllerRows; ++i)
        screen.labels[i].setString(keyboard ? keyboardLabels[i] : controllerLabels[i]);
}

void updateKeyBindings(KeyBindingScreen& screen)
{
    Game& game = *screen.game;
    // 1. Headers one cell above the first row.
    const float headerRise = static_cast<float>(screen.p1Buttons[0].frameHeight);
    centreAt(screen.p1Header, screen.p1Buttons[0].position - sf::Vector2f(0.f, headerRise));
    centreAt(screen.p2Header, screen.p2Buttons[0].position - sf::Vector2f(0.f, headerRise));
    // 2-3. Labels and names of the visible rows.
    const int rows = visibleRows(screen);
    for (int i = 0; i < rows; ++i) {
        const sf::Vector2f p1Cell = screen.p1Buttons[i].position;
        centreAt(screen.labels[i], p1Cell - sf::Vector2f(labelOffset, 0.f));
        for (int column = 0; column < 2; ++column) {
            const bool captured = screen.capturing && i == screen.selectedRow && column == screen.selectedColumn;
            showCellName(screen, column, i, captured ? capturingText : bindingName(screen, column, i));
        }
        centreAt(screen.p1Values[i], p1Cell);
        centreAt(screen.p2Values[i], screen.p2Buttons[i].position);
    }
    // 4. The selected cell and the active tab are lit.
    for (int i = 0; i < keyboardRows; ++i) {
        const bool selectedRow = i == screen.selectedRow;
        highlight(screen.p1Buttons[i], selectedRow && screen.selectedColumn == 0, game.frameTime);
        highlight(screen.p2Buttons[i], selectedRow && screen.selectedColumn == 1, game.frameTime);
    }
    highlight(screen.tabButtons[0], screen.keyboardTab, game.frameTime);
    highlight(screen.tabButtons[1], !screen.keyboardTab, game.frameTime);
}

namespace {

// The title, what a waiting cell wants, why the last key was refused, the way back.
void drawHelp(const KeyBindingScreen& screen, sf::RenderTarget& layer)
{
    const Game& game = *screen.game;
    const float middle = game.resolution.x / 2.f;
    drawCaption(layer, game.font, "KEY BINDINGS", titleSize, {middle, titleY});
    const float hintY = screen.p1Buttons[visibleRows(screen) - 1].position.y + hintGap;
    if (screen.capturing) {
        const char* const* labels = screen.keyboardTab ? keyboardLabels : controllerLabels;
        const std::string cell = "P" + std::to_string(screen.selectedColumn + 1) + " " + labels[screen.selectedRow];
        drawCaption(layer, game.font,
                    cell + (screen.keyboardTab ? ": press a key... (Esc cancels)" : ": press a button... (Back cancels)"),
                    hintSize, {middle, hintY});
    }
    if (!screen.refusal.empty())
        drawCaption(layer, game.font, screen.refusal, hintSize, {middle, hintY + hintGap * 0.6f}, refusalColour);
    drawBackLine(layer, game);
}

}  // namespace

void drawKeyBindings(KeyBindingScreen& screen)
{
    Game& game = *screen.game;
    sf::RenderTexture& layer = game.screenLayer;
    aimAtScreen(layer);
    layer.draw(game.backgroundLayerSprite);
    for (int i = 0; i < visibleRows(screen); ++i) {
        layer.draw(screen.labels[i]);
        layer.draw(screen.p1Buttons[i].sprite);
        layer.draw(screen.p1Values[i]);
        layer.draw(screen.p2Buttons[i].sprite);
        layer.draw(screen.p2Values[i]);
    }
    for (const Button& tab : screen.tabButtons)
        layer.draw(tab.sprite);
    layer.draw(screen.p1Header);
    layer.draw(screen.p2Header);
    drawHelp(screen, layer);
}

void onBindClick(KeyBindingScreen& screen, sf::Vector2f mouse)
{
    if (screen.capturing)
        return;
    for (int i = 0; i < visibleRows(screen); ++i) {
        if (buttonContains(screen.p1Buttons[i], mouse))
            startCapture(screen, 0, i);
        else if (buttonContains(screen.p2Buttons[i], mouse))
            startCapture(screen, 1, i);
    }
    for (int tab = 0; tab < 2; ++tab) {
        if (buttonContains(screen.tabButtons[tab], mouse)) {
            playSound("CONFIRM", 100.f);
            showTab(screen, tab == 0);
        }
    }
}

void onBindHover(KeyBindingScreen& screen, sf::Vector2f mouse)
{
    if (screen.capturing)
        return;
    for (int i = 0; i < visibleRows(screen); ++i) {
        Button* cells[2] = {&screen.p1Buttons[i], &screen.p2Buttons[i]};
        for (int column = 0; column < 2; ++column) {
            Button& cell = *cells[column];
            if (!buttonContains(cell, mouse)) {
                cell.hovered = false;
                continue;
            }
            if (!cell.hovered)
                playSound("HOVER", 100.f);
            cell.hovered = true;
            screen.selectedColumn = column;
            screen.selectedRow = i;
        }
    }
}

void onBindKey(KeyBindingScreen& screen, sf::Keyboard::Key key)
{
    Game& game = *screen.game;
    if (key == sf::Keyboard::Escape) {
        if (screen.capturing)
            screen.capturing = false;
        else
            game.state = SceneState::Options;
        return;
    }
    if (!screen.capturing || !screen.keyboardTab)
        return;
    const int self = screen.selectedColumn;
    const CaptureRefusal refusal =
        keyRefusal(key, screen.selectedRow, bindingsOf(game, self), bindingsOf(game, 1 - self), self);
    if (refusal.refused) {
        screen.refusal = refusalLine(displayName(game.keyNames.keys, key), refusal, keyboardLabels,
                                     "this key cannot be bound");
        return;
    }
    bindingsOf(game, self).keys[static_cast<std::size_t>(screen.selectedRow)] = key;
    screen.capturing = false;
}

void onBindJoystick(KeyBindingScreen& screen, const sf::Event& event)
{
    Game& game = *screen.game;
    // 1. The stick moves the selection.
    navigate(screen);
    // 2. B leaves when nothing is being captured.
    if (game.input.buttonDown(menuPad, buttonB) && !game.latchB && !screen.capturing) {
        game.latchB = true;
        game.state = SceneState::Options;
        return;
    }
    // 3. The shoulders switch the tab.
    switchTabByShoulder(screen);
    // 4-5. A capture takes a button; otherwise A starts one on the selected cell.
    if (screen.capturing) {
        captureButton(screen, event);
    } else if (game.input.buttonDown(menuPad, buttonA) && !game.latchA) {
        game.latchA = true;
        startCapture(screen, screen.selectedColumn, screen.selectedRow);
    }
}
