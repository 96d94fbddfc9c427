#include "app/Game.h"

#include "app/FightAssets.h"
#include "audio/Audio.h"
#include "editor/MapEditor.h"
#include "menus/MenuRooms.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "render/Glow.h"
#include "render/FightTint.h"
#include "render/Layers.h"
#include "resources/FolderListing.h"
#include "resources/Loading.h"
#include "screens/CreditsScreen.h"
#include "screens/CustomMapScreen.h"
#include "screens/OnlineMenu.h"
#include "screens/SplashScreen.h"
#include "screens/TitleScreen.h"
#include "settings/GameSettings.h"

#include <algorithm>
#include <iterator>

namespace {

const char* const shaderFiles[6] = {
    "Assets/Shaders/GreyLevel.frag", "Assets/Shaders/RedLevel.frag",   "Assets/Shaders/Water.frag",
    "Assets/Shaders/uv.frag",        "Assets/Shaders/trounoirIn.frag", "Assets/Shaders/trounoirOut.frag",
};

// A picture loaded the way the constructor loads its backgrounds: not smoothed, not centred.
sf::Sprite plainSprite(const std::string& path)
{
    return loadSprite(path, false, false);
}

// The layer the title draws in besides the screen layer (made with the first
// screen); the water, HUD and vortex layers are made when first needed.
void sizeLayers(Game& game)
{
    ensureLayer(game, game.backgroundLayer, game.backgroundLayerSprite);
}

void loadShaders(Game& game)
{
    sf::Shader* shaders[6] = {&game.greyLevel, &game.redLevel, &game.water, &game.uv, &game.trounoirIn,
                              &game.trounoirOut};
    for (int i = 0; i < 6; ++i)
        loadFragmentShaderFile(*shaders[i], shaderFiles[i], shaders[i] == &game.redLevel ? screenPlaceVertexShader() : nullptr);
    loadGlowShader(game.glow);
}

void loadSplashLogos(Game& game)
{
    // The logos are only ever drawn scaled down: they are kept at that size.
    game.splashLogos[0] = loadSprite("Assets/Logo/logo-Tessaril.png", true, false, splashLogoScales[0]);
    game.splashLogos[1] = loadSprite("Assets/Logo/logo-Pinewhistle.png", true, false, splashLogoScales[1]);
    game.splashLogos[0].setPosition(game.resolution.x / 3.f, game.resolution.y / 2.f);
    game.splashLogos[1].setPosition(game.resolution.x / 1.5f, game.resolution.y / 2.f);
}

void loadPictures(Game& game)
{
    game.titleLogo = loadSprite("Assets/Placeholder/onApaDaset.png", true, false);
    game.titleLogo.setPosition(game.resolution.x / 2.f, game.resolution.y / 4.f);
    game.goal = loadSprite("Assets/Placeholder/a.png", true, false);
    for (int i = 0; i < 5; ++i)
        game.itemIcons[i] = loadSprite(numberedPath("Assets/Placeholder/item", i, ".png"), true, false);
    game.crateSprite = loadSprite("Assets/Placeholder/boite.png", true, false);
    for (int i = 0; i < 5; ++i) {
        game.back1[i] = loadBackgroundSprite(numberedPath("Assets/Sprites/Map/back1_a_", i, ".png"));
        game.back2[i] = loadBackgroundSprite(numberedPath("Assets/Sprites/Map/back2_a_", i, ".png"));
        game.back1[i].setColor(sf::Color(255, 255, 255, 0));
        game.back2[i].setColor(sf::Color(255, 255, 255, 0));
    }
    game.back3_a = loadBackgroundSprite("Assets/Sprites/Map/back3_a.png");
    game.back3_b = loadBackgroundSprite("Assets/Sprites/Map/back3_b.png");
    game.titleBackground = plainSprite("Assets/Sprites/Menu/TitleScreenBackGround.png");
    loadFontFile(game.font, "Assets/Fonts/SelectionFont.otf");
    game.summonB = loadSprite("Assets/Placeholder/SummonB.png", true, false);
    game.summonR = loadSprite("Assets/Placeholder/SummonR.png", true, false);
    game.stopOverlay = loadSprite("Assets/Placeholder/stop.png", true, false);
    game.stopOverlay.setColor(sf::Color(255, 255, 255, 0));
}

void loadLatePictures(Game& game)
{
    for (int i = 0; i < 2; ++i) {
        game.victoryPictures[i] =
            loadSprite(numberedPath("Assets/Sprites/HUD/VictoryScreenPlayer", i + 1, ".png"), true, false);
        game.victoryPictures[i].setPosition(game.resolution.x / 2.f, game.resolution.y / 2.f);
    }
    game.outOfMapArrows[0] = loadSprite("Assets/Sprites/HUD/P1outofmap.png", true, true);
    game.outOfMapArrows[1] = loadSprite("Assets/Sprites/HUD/P2outofmap.png", true, true);
    for (int i = 0; i < 2; ++i)
        game.flagPictures[i] = loadSprite(numberedPath("flag", i + 1, "_placeholder.png"), true, false);
}

// 3-4. Tileset and the Jungle level.
void loadLevel(Game& game)
{
    initTileMap(game);
    linkFightSetting(game);
}

// 6. Scene objects, in order.
void initRoomsAndScreens(Game& game)
{
    initMainHub(game.mainHub, game);
    initOptions(game.options, game);
    initCredits(game.credits, game);
    initPauseMenu(game.pauseMenu, game);
    initMapSelectRoom(game.mapSelectRoom, game);
    initShotPictures(game);
}

void initEditorAndLists(Game& game)
{
    initEditor(game.editor, game);
    initModeSelectRoom(game.modeSelectRoom, game);
    initCustomMapSelect(game.customMapSelect, game);
    initOnlineMenu(game.onlineMenu, game);
}

// 7. Sound bank, then music.
void loadSounds(Game&)
{
    buildSoundBank();
    buildMusic();
}

// 8. Room pictures.
void loadRoomPictures(Game& game)
{
    for (int i = 0; i < 4; ++i)
        game.roomBackgrounds[i] = loadBackgroundSprite(numberedPath("Assets/Sprites/Menu/", i, ".png"));
}

// 9-10. Layers and shaders.
void loadLayersAndShaders(Game& game)
{
    sizeLayers(game);
    loadShaders(game);
}

// 11-12. Pictures, then the title prompt.
void loadPicturesAndPrompt(Game& game)
{
    loadPictures(game);
    setupText(game.pressStartText, game.font, "Press any button to Start", 50, true, sf::Color::Black);
    game.pressStartText.setOutlineThickness(2.f);
    game.pressStartText.setPosition(game.resolution.x / 2.f, game.resolution.y / titleTextHeightDivisor);
}

// 13. Key and button names, character slots, players and bindings.
void loadFighters(Game& game)
{
    game.keyNames = loadKeyNames();
    initFighters(game);
}

// 13. HUD, arrows and flag pictures.
void loadHudAndFlags(Game& game)
{
    initHud(game.hud, game);
    loadLatePictures(game);
    initFlags(game);
    linkFightSetting(game);  // now with the goal and shot pictures
}

// What loads after the first screen shows, in the fixed start-up order (the
// splash logos first: they show 1.5 s in).
void (*const startUpSteps[])(Game&) = {
    loadSplashLogos, loadLevel,         initRoomsAndScreens,  initEditorAndLists,    loadSounds,
    loadRoomPictures, loadLayersAndShaders, loadPicturesAndPrompt, loadFighters, loadHudAndFlags,
};

}  // namespace

Game::Game(Loading loading)
{
    // 1. Members start with their declared values; the scene is Splash.
    // 2. Settings file: full screen and the two volumes.
    loadGameSettings(*this);
    loadPlayerControls(playerControls);
    // 5. The curtain and the layer the splash draws in: all the first screen needs.
    initScreenFade(screenFade, *this);
    ensureLayer(*this, screenLayer, screenLayerSprite);
    // 3-4, 6-13. The rest, now or between the splash's frames.
    if (loading == Loading::Everything)
        while (loadNextStartUpStep(*this)) {
        }
    // 14. The cursor is hidden by the first Splash update: there is no window yet.
}

bool loadNextStartUpStep(Game& game)
{
    if (startUpFinished(game))
        return false;
    // A step only reads: the folders it loads from are listed once.
    const RememberedFolders listedOnce;
    startUpSteps[game.startUp.stepsDone++](game);
    return true;
}

bool startUpFinished(const Game& game)
{
    return game.startUp.stepsDone >= static_cast<int>(std::size(startUpSteps));
}

void createWindow(Game& game)
{
    const sf::VideoMode mode(static_cast<unsigned>(game.resolution.x), static_cast<unsigned>(game.resolution.y), 32);
    const sf::Uint32 style = game.fullscreen ? sf::Style::Fullscreen : sf::Style::Default;
    if (game.window.isOpen())
        game.window.close();
    game.window.create(mode, "Kestrelfall", style, sf::ContextSettings(0, 0, 0));
    game.window.setFramerateLimit(300);
    // SFML does not always centre a new window on the desktop (under some X
    // servers it opens partly below the screen's bottom edge): place it ourselves.
    if (!game.fullscreen) {
        const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
        const int left = std::max(0, (static_cast<int>(desktop.width) - static_cast<int>(mode.width)) / 2);
        const int top = std::max(0, (static_cast<int>(desktop.height) - static_cast<int>(mode.height)) / 2);
        game.window.setPosition(sf::Vector2i(left, top));
    }
    // A new window shows its cursor until a scene hides it.
    game.cursorVisible = true;
    // Keys held in the old window are never released in the new one.
    releaseAllInput(game.input);
}

void saveOnExit(Game& game)
{
    // The bindings file first, whatever its outcome; then the settings files.
    saveBindings(game);
    saveGameSettings(game);
    savePlayerControls(game.playerControls);
}
