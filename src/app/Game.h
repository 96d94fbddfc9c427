#pragma once

#include "world/GameTime.h"
#include "app/ComputerPlayers.h"
#include "app/FixedSteps.h"
#include "app/Input.h"
#include "app/PlayerButtons.h"
#include "app/SceneState.h"
#include "app/ScreenFade.h"
#include "editor/MapEditor.h"
#include "fighters/Character.h"
#include "fighters/Player.h"
#include "level/TileMap.h"
#include "match/Camera.h"
#include "match/Crate.h"
#include "match/Flag.h"
#include "render/hud/Hud.h"
#include "menus/MenuRooms.h"
#include "menus/OptionsScreen.h"
#include "menus/PauseMenu.h"
#include "render/Backdrop.h"
#include "render/fight/FighterFrames.h"
#include "render/fight/ShotDrawing.h"
#include "render/WaterPass.h"
#include "replay/ReplaySession.h"
#include "screens/CreditsScreen.h"
#include "screens/CustomMapScreen.h"
#include "settings/KeyNames.h"
#include "settings/PlayerControl.h"
#include "settings/PlayerFile.h"
#include "world/FightWorld.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Clock.hpp>

#include <memory>
#include <string>

// How much of the start-up loading is done. The program opens its window on
// the splash with only what the first screen needs; the rest loads in steps
// between the splash's frames (continueStartUp, app/StartUp).
struct StartUpLoading {
    int stepsDone = 0;
};

// The single application object. It owns the window, every scene, both
// players, the level, the HUD, the off-screen layers and the shaders; every
// scene keeps a back-pointer to it and reads and writes its fields directly.
struct Game {
    // Window and timing
    sf::RenderWindow window;
    sf::Clock frameClock;  // wall clock, read only by the program's frame loop
    float frameTime = 0.f;
    ScriptedButtons scriptedButtons;  // both players' buttons when a script, not the devices, plays
    StepAccumulator steps; // frame time the fixed steps of the world have not used yet
    GameTime menuTime;     // the menus' clock: runs every frame, paused or not
    InputState input;      // polled device state (SFML in the program, scripted in tests)
    sf::Vector2f resolution{1920.f, 1080.f};

    // Scene
    SceneState state = SceneState::Splash;
    StartUpLoading startUp;
    ScreenFade screenFade;
    float splashTime = 0.f;
    float titlePulseTime = 0.f;
    float titleBobAmplitude = 10.f;
    bool titleBobRising = false;
    float waterTime = 0.f;
    float vortexLevel = 0.f;
    float vortexTime = 0.f;
    float victoryTime = 0.f;  // s on the victory screen; nothing else reads it
    bool crossFadeStarted = false;
    int backgroundIndex = 0;

    bool cursorVisible = true;  // what the game last asked of the mouse cursor

    // Settings and mode flags
    bool fullscreen = true;
    bool customMapChosen = false;
    std::string customMapPath;

    // Controller latches: a consumed press fires nothing else until released.
    bool latchA = false;
    bool latchB = false;
    bool latchLB = false;
    bool latchRB = false;
    bool latchStart = false;
    bool backHeld = false;

    // The fight and the rooms: every piece of state their rules touch
    FightWorld world;
    ReplaySession replay;  // the fight's recording, or the replay that plays it

    // Owned objects
    TileMap tileMap;
    FightSetting fightSetting;  // what the world reads and never changes: points at the level, characters, masks
    Character characterSets[8];
    FighterFrames fighterFrames;  // the frames of `characterSets` as sprites
    Hud hud;
    ProjectileList projectiles;
    MainHub mainHub;
    ModeSelectRoom modeSelectRoom;
    MapSelectRoom mapSelectRoom;
    CustomMapScreen customMapSelect;
    MapEditor editor;
    OptionsScreen options;
    PauseMenu pauseMenu;
    CreditsScreen credits;
    KeyNames keyNames;  // shown names of key codes and controller buttons
    PlayerFiles playerFiles;  // how the settings and binds files are saved back
    PlayerControls playerControls;  // who plays each fighter, and its file
    ComputerPlayers computers;      // the opponents playing the fighters the computer plays

    // Graphics resources
    sf::Font font;
    // Off-screen layers: the frame when a shader must see it whole (screen),
    // the water under its shader, the background under sudden death's, the
    // swirl around Victory (vortex), and the screens that build their picture
    // in layers (background, HUD).
    sf::RenderTexture backgroundLayer, waterLayer, hudLayer, screenLayer, vortexLayer;
    sf::Sprite backgroundLayerSprite, waterLayerSprite, hudLayerSprite, screenLayerSprite, vortexLayerSprite;
    WaterPass waterPass;
    Backdrop backdrop;
    sf::Shader greyLevel, redLevel, water, uv, trounoirIn, trounoirOut;
    sf::Shader glow;  // a protected fighter's glow in one pass (render/Glow)
    sf::Sprite tilesetSprite;
    sf::Sprite roomBackgrounds[4];
    sf::Sprite titleBackground, titleLogo, splashLogos[2];
    sf::Text pressStartText;
    sf::Sprite back1[5], back2[5], back3_a, back3_b;
    sf::Sprite itemIcons[5], crateSprite, summonB, summonR, stopOverlay, goal;
    sf::Sprite victoryPictures[2], outOfMapArrows[2], flagPictures[2];

    // Builds every member in the fixed start-up order and loads every asset
    // (or, for the program's own start, only what the first screen needs).
    enum class Loading { Everything, FirstScreen };
    explicit Game(Loading loading = Loading::Everything);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;
};

// Loads the next step of what the first screen did not need; false when
// every step is done.
bool loadNextStartUpStep(Game& game);
bool startUpFinished(const Game& game);

// Opens (or re-opens) the window from `fullscreen`.
void createWindow(Game& game);

// Writes the bindings file, then the settings file.
void saveOnExit(Game& game);
