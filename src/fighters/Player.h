#pragma once

#include "world/GameTime.h"
#include "fighters/Character.h"
#include "fighters/InputController.h"
#include "fighters/Skills.h"
#include "match/Crate.h"
#include "match/Entity.h"

#include <optional>
#include <vector>

struct FightWorld;

// One of the two fighters (index 0 = P1, cyan; 1 = P2, red). `position` is
// the centre of its hitbox.
struct Player : Entity {
    Player();

    int frame = 0;             // index into its character's frames, always a valid one when there are frames
    float speedFactor = 1.f;   // 0.8 for Gigachill
    float gravity = 5000.f;    // px/s^2
    bool slowed = false;       // standing in water this frame
    bool attacking = false;
    bool airborne = false;
    bool doubleJumpUsed = false;
    bool jumpReleased = false;
    bool moving = false;
    bool isWinner = false;
    bool alive = true;
    bool hitLanded = false;
    bool dead = false;
    bool parryActive = false;
    bool protectionWaived = false;
    bool hitboxActive = false;
    bool knockbackLock = false;  // no steering until it walks on the ground or jumps
    bool killCounted = false;
    bool useItemRequest = false;
    bool dashing = false;
    bool keyboardMode = false;
    int index = 0;
    float lastDt = 0.f;       // s
    float dashCharge = 0.f;   // px walked on the ground; the dash needs 1000
    Skill skill;
    Character* character = nullptr;
    FightWorld* world = nullptr;
    InputController input;
    int facing = 1;
    float deathTimer = 0.f;   // s since the last death
    sf::Vector2f framePosition;         // where the shown frame was last placed, world px
    sf::Vector2f frameScale{1.f, 1.f};  // the frame's scale: facing, and 1.25 in the rooms
    SwapMarker marker;
    std::optional<Crate> item;  // the item held, once its crate is opened
    AnimState requestedState = AnimState::IDLE;
    AnimState currentState = AnimState::IDLE;
    GameClock animClock;
    GameClock stepClock;
    float stepInterval = 0.3f;          // s between footsteps
    float jumpImpulse = -1600.f;        // px/s
    float doubleJumpImpulse = -1200.f;  // px/s
    float jumpCutSpeed = -200.f;        // px/s
    bool falling = false;
    int hitPoints = 1;
    bool advancing = false;  // holds the right of way
};


// The frame the fighter shows now, placed and scaled, or none when it has no frames.
std::optional<PlacedFrame> placedFrame(const Player& player);
// The frames of the fighter's character (0 without one).
int frameCount(const Player& player);
// The shown frame goes where the fighter stands now.
void placeFrame(Player& player);
// The bounds of the shown frame (the hitbox when there is no frame).
sf::FloatRect frameBounds(const Player& player);
// The hitbox in world px.
sf::FloatRect hitbox(const Entity& body);
// The fighter's kind, from its skill (0 Napollo .. 3 Swapper).
int characterKind(const Player& player);
// Both animation states at once: the clip changes without restarting its clock.
void setBothStates(Player& player, AnimState state);
// Reads the roster once and loads the eight character slots from it, showing
// `seen` each picture decoded.
void loadCharacterSlots(Character slots[characterSlotCount], const PictureSeen& seen = {});
// A fighter as the game starts it: its index, pad and marker, Atoola's skill
// and frames from `slots`, a full dash.
void startPlayer(Player& player, int index, Character* slots);
// Gives the player fighter kind `kind`: its skill, its slot's frames and
// stats, standing still on frame 0 facing the way it faced.
void setFighterKind(Player& player, int kind);
// The other fighter.
Player& opponent(Player& player);
// Asks the step for an effect (see SoundCue); a fighter outside a world stays silent.
void cueSound(const Player& player, const char* key, float volume, bool restart = false);
