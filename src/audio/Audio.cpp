#include "audio/Audio.h"

#include "resources/Loading.h"

// Built in this order at start-up. "PARRYSUCESS" is the key every caller uses.
const AudioFile effectTable[effectCount] = {
    {"HOVER", "Assets/Sounds/Menu_SFX/Hover.wav"},
    {"CONFIRM", "Assets/Sounds/Menu_SFX/Confirm.wav"},
    {"FIGHT", "Assets/Sounds/Announcer/Fight.wav"},
    {"P1WINS", "Assets/Sounds/Announcer/P1Wins.wav"},
    {"P2WINS", "Assets/Sounds/Announcer/P2Wins.wav"},
    {"A_ATTACK", "Assets/Sounds/1_Atoola/A_Attack.wav"},
    {"A_DASH", "Assets/Sounds/1_Atoola/A_Dash.wav"},
    {"N_ATTACK", "Assets/Sounds/2_Napollo/N_Attack.wav"},
    {"N_SHOOT", "Assets/Sounds/2_Napollo/N_Shoot.wav"},
    {"G_ATTACK", "Assets/Sounds/3_Gigachill/G_Attack.wav"},
    {"G_IMPACT", "Assets/Sounds/3_Gigachill/G_Impact.wav"},
    {"G_LOSESHIELD", "Assets/Sounds/3_Gigachill/G_LoseShield.wav"},
    {"CRATEOPEN", "Assets/Sounds/Items/CrateOpen.wav"},
    {"SPEED", "Assets/Sounds/Items/Speed.wav"},
    {"SLOW", "Assets/Sounds/Items/Slow.wav"},
    {"STUN", "Assets/Sounds/Items/Stun.wav"},
    {"SWAP", "Assets/Sounds/Items/Swap.wav"},
    {"STOP", "Assets/Sounds/Items/Stop.wav"},
    {"DEATH", "Assets/Sounds/Common_SFX/Death/Death.wav"},
    {"RESPAWN", "Assets/Sounds/Common_SFX/Death/Respawn.wav"},
    {"FLAGOBTAINED", "Assets/Sounds/Common_SFX/Flags/FlagObtained.wav"},
    {"JUMP", "Assets/Sounds/Common_SFX/Jumps/Jump.wav"},
    {"DOUBLEJUMP", "Assets/Sounds/Common_SFX/Jumps/DoubleJump.wav"},
    {"PARRY", "Assets/Sounds/Common_SFX/Parry/Parry.wav"},
    {"PARRYSUCESS", "Assets/Sounds/Common_SFX/Parry/ParrySuccess.wav"},
};

const AudioFile musicTable[musicCount] = {
    {"TITLESCREEN", "Assets/Sounds/Music/Menu/TitleScreen.ogg"},
    {"MENU", "Assets/Sounds/Music/Menu/Menu.ogg"},
    {"JUNGLE", "Assets/Sounds/Music/Jungle/Jungle.ogg"},
};

AudioSystem& audio()
{
    static AudioSystem system;
    return system;
}

void buildSoundBank()
{
    SoundBank& bank = audio().soundBank;
    for (const AudioFile& row : effectTable) {
        // A rebuilt key replaces its entry; the old voice goes before its samples.
        bank.erase(row.key);
        SoundEntry& entry = bank[row.key];
        entry.buffer = std::make_unique<sf::SoundBuffer>();
        loadSoundFile(*entry.buffer, row.path);
        entry.voice.setBuffer(*entry.buffer);
    }
}

void buildMusic()
{
    MusicPlayer& player = audio().musicPlayer;
    for (const AudioFile& row : musicTable) {
        std::unique_ptr<sf::Music>& track = player[row.key];
        track = std::make_unique<sf::Music>();
        openMusicFile(*track, row.path);
    }
}
