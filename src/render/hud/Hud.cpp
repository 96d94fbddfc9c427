#include "render/hud/Hud.h"

#include "app/Game.h"
#include "fighters/Bindings.h"
#include "match/MatchFlow.h"
#include "resources/Loading.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr unsigned centreTextSize = 150;
constexpr unsigned timerTextSize = 35;
constexpr unsigned useKeyTextSize = 30;
constexpr float textOutline = 2.f;                 // px
const sf::Vector2f timerCentre(960.f, 135.f);      // px
const sf::Color effectBarColour(255, 127, 39);
const sf::Vector2f effectBarStartSize(1.f, 16.f);  // px
const sf::Color gigachillGaugeColour(133, 23, 0);
constexpr float dashChargeFull = 1000.f;           // px walked for a full dash gauge
constexpr float shieldGaugeRate = 0.125f;          // gauge per s of shield regeneration (full at 8 s)
const sf::Vector2f caaBarOffsets[2] = {{66.f, 94.f}, {66.f, 134.f}};  // px inside the caa frame
constexpr float caaBarHeight = 34.f;               // px
constexpr float caaKillWidth = 54.f;               // px per kill
constexpr float arrowPivotFromTip = 100.f;         // px: the direction arrow turns this far behind its right end
constexpr int atoola = 1;
constexpr int gigachill = 2;

const char* const cardPaths[4] = {
    "assets/sprites/menu/napollodesc.png", "assets/sprites/menu/atoolaDesc.png",
    "assets/sprites/menu/gigachillDesc.png", "assets/sprites/menu/swapperDesc.png"};

sf::Sprite centred(const std::string& path)
{
    return loadSprite(path, true, false);
}

sf::Vector2f textureSize(const sf::Sprite& sprite)
{
    return sprite.getTexture() ? sf::Vector2f(sprite.getTexture()->getSize()) : sf::Vector2f(0.f, 0.f);
}

void setUpText(sf::Text& text, const sf::Font& font, unsigned size)
{
    setupText(text, font, "", size, false, sf::Color::White);
    text.setOutlineThickness(textOutline);
}

void loadRoomPictures(Hud& hud)
{
    for (int kind = 0; kind < 4; ++kind)
        hud.cards[kind] = centred(cardPaths[kind]);
    hud.cycleHints[0] = centred("assets/sprites/menu/p1charbind.png");
    hud.cycleHints[1] = centred("assets/sprites/menu/p2charbind.png");
}

void loadFightPictures(Hud& hud)
{
    hud.flagIcons[0] = centred("Assets/Sprites/HUD/Flag1.png");
    hud.flagIcons[1] = centred("Assets/Sprites/HUD/Flag2.png");
    hud.ammoIcon = loadSprite("assets/sprites/hud/napollohud.png", false, false);
    hud.ammoEmptyIcon = loadSprite("assets/sprites/hud/napollohudEmpty.png", false, false);
    hud.gaugeFrames[0] = centred("assets/sprites/hud/fillbar.png");
    hud.gaugeFrames[1] = hud.gaugeFrames[0];
    hud.gaugeBack = centred("assets/sprites/hud/fillbaropacity.png");
    hud.mapFrame = centred("assets/sprites/hud/mapframe.png");
    hud.mapArrow = centred("assets/sprites/hud/playersarrowmap.png");
    hud.itemFrames[0] = centred("assets/sprites/hud/p1itemframe.png");
    hud.itemFrames[1] = centred("assets/sprites/hud/p2itemframe.png");
    hud.effectFrame = centred("assets/sprites/hud/itemdurationframe.png");
    hud.effectBack = centred("assets/sprites/hud/itemdurationopacity.png");
    hud.directionArrow = loadSprite("Assets/Sprites/HUD/DirectionArrow.png", false, true);
    const sf::Vector2f arrowSize = textureSize(hud.directionArrow);
    hud.directionArrow.setOrigin(arrowSize.x - arrowPivotFromTip, arrowSize.y / 2.f);
}

void buildBars(Hud& hud)
{
    sf::Image texel;
    texel.create(1, 1, sf::Color::White);
    hud.white.loadFromImage(texel);
    for (sf::RectangleShape* bar : {&hud.gaugeFills[0], &hud.gaugeFills[1], &hud.effectBars[0], &hud.effectBars[1],
                                    &hud.caaBars[0], &hud.caaBars[1]})
        bar->setTexture(&hud.white);
    const float gaugeHeight = textureSize(hud.gaugeFrames[0]).y;
    for (int i = 0; i < 2; ++i) {
        hud.gaugeFills[i].setSize(sf::Vector2f(0.f, gaugeHeight));
        hud.effectBars[i].setFillColor(effectBarColour);
        hud.effectBars[i].setSize(effectBarStartSize);
    }
    hud.caaFrame = loadSprite("Assets/Sprites/HUD/HUDCAA.png", false, false);
    hud.caaBack = loadSprite("assets/sprites/hud/caaopacity.png", false, false);
    const sf::Vector2f caaPlace(960.f - textureSize(hud.caaFrame).x / 2.f, 0.f);
    hud.caaFrame.setPosition(caaPlace);
    hud.caaBack.setPosition(caaPlace);
    hud.caaBars[0].setFillColor(sf::Color::Blue);
    hud.caaBars[1].setFillColor(sf::Color::Red);
    for (int i = 0; i < 2; ++i) {
        hud.caaBars[i].setPosition(caaPlace + caaBarOffsets[i]);
        hud.caaBars[i].setSize(sf::Vector2f(0.f, caaBarHeight));
    }
}

// The name of the Use Item key or button that `keys`' bindings give, shown the
// way `player` plays (keyboard or controller).
ShownKey useKeyOf(const Player& player, const Player& keys)
{
    const BindingTable& bindings = keys.input.bindings;
    ShownKey key;
    key.set = true;
    key.keyboard = player.keyboardMode;
    const std::vector<int>& codes = key.keyboard ? bindings.keys : bindings.buttons;
    const std::size_t action = key.keyboard ? static_cast<std::size_t>(UseItemKey) : static_cast<std::size_t>(UseItemButton);
    key.code = action < codes.size() ? codes[action] : -1;
    return key;
}

void updateUseKeyTexts(Game& game)
{
    Hud& hud = game.hud;
    for (int i = 0; i < 2; ++i) {
        const int from = hud.useKeysOf[i];
        // An unset key names nothing: the text is emptied once.
        const ShownKey key = from >= 0 ? useKeyOf(game.world.players[i], game.world.players[from]) : ShownKey{};
        ShownKey& shown = hud.shownKeys[i];
        if (shown.set == key.set && (!key.set || (key.keyboard == shown.keyboard && key.code == shown.code)))
            continue;
        shown = key;
        const auto& names = key.keyboard ? game.keyNames.keys : game.keyNames.buttons;
        hud.useKeyTexts[i].setString(key.set ? displayName(names, key.code) : std::string());
    }
}

void updateGauges(Game& game)
{
    Hud& hud = game.hud;
    const float pictureWidth = textureSize(hud.gaugeFrames[0]).x;
    for (int i = 0; i < 2; ++i) {
        const Player& player = game.world.players[i];
        sf::RectangleShape& fill = hud.gaugeFills[i];
        float fraction;
        if (characterKind(player) == atoola) {
            fraction = std::min(player.dashCharge / dashChargeFull, 1.f);
            fill.setFillColor(sf::Color::Yellow);
        } else if (characterKind(player) == gigachill) {
            fraction = std::min(player.skill.shieldTimer * shieldGaugeRate, 1.f);
            fill.setFillColor(gigachillGaugeColour);
        } else {
            continue;
        }
        fill.setSize(sf::Vector2f(pictureWidth * std::max(fraction, 0.f), fill.getSize().y));
    }
}

constexpr int fightShown = 0;  // the countdown's last text, "FIGHT !"

void showCountdown(Hud& hud, const MatchState& match)
{
    const int shown = match.countdown <= 1.f ? fightShown : static_cast<int>(match.countdown);
    if (shown == hud.shownCountdown)
        return;
    hud.shownCountdown = shown;
    hud.centreText.setString(shown == fightShown ? std::string("FIGHT !") : std::to_string(shown));
}

void showTimer(Hud& hud, const MatchState& match)
{
    const int seconds = static_cast<int>(match.matchTimer);
    if (seconds == hud.shownSeconds)
        return;
    hud.shownSeconds = seconds;
    const int m = seconds / 60;
    const int s = seconds % 60;
    hud.timerText.setString(std::to_string(m) + (s < 10 ? " : 0" : " : ") + std::to_string(s));
}

// The time-out text pulses.
void blinkTimer(Hud& hud, float dt)
{
    hud.timerBlinkPhase += dt;
    const float alpha = std::fabs(std::cos(hud.timerBlinkPhase)) * 255.f;
    hud.timerText.setFillColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha)));
}

// The countdown before the fight, the match timer and its pulse at time-out,
// and the banner when sudden death begins.
void updateCentreAndTimer(Game& game)
{
    Hud& hud = game.hud;
    const MatchState& match = game.world.match;
    if (!match.fightLive)
        showCountdown(hud, match);
    if (!match.caaMode) {
        showTimer(hud, match);
        if (match.matchTimer <= 0.f)
            blinkTimer(hud, game.world.stepTime);
    }
    if (match.suddenDeath && !hud.suddenDeathShown) {
        hud.centreText.setString("SUDDEN DEATH");
        hud.shownCountdown = -1;
    }
    hud.suddenDeathShown = match.suddenDeath;
}

void updateCaaBars(Game& game)
{
    const int kills[2] = {game.world.match.p1Kills, game.world.match.p2Kills};
    for (int i = 0; i < 2; ++i)
        game.hud.caaBars[i].setSize(sf::Vector2f(static_cast<float>(kills[i]) * caaKillWidth, caaBarHeight));
}

}  // namespace

void initHud(Hud& hud, Game& game)
{
    setUpText(hud.centreText, game.font, centreTextSize);
    setUpText(hud.timerText, game.font, timerTextSize);
    hud.timerText.setPosition(timerCentre);
    for (sf::Text& text : hud.useKeyTexts)
        setUpText(text, game.font, useKeyTextSize);
    loadRoomPictures(hud);
    loadFightPictures(hud);
    buildBars(hud);
}

void hudUpdate(Game& game)
{
    updateCentreAndTimer(game);
    updateUseKeyTexts(game);
    updateGauges(game);
    updateCaaBars(game);
}
