#pragma once

#include <string>

// The process-wide audio object: a bank of short effects and a set of
// streamed music tracks, addressed by upper-case keys ("JUMP", "MENU").
// One voice per key: playing a key that is sounding does nothing.
struct AudioSystem;

AudioSystem& audio();
void buildSoundBank();
void buildMusic();
void playSound(const std::string& key, float scale);
void restartSound(const std::string& key, float scale);
void playMusic(const std::string& key, float scale);
void stopMusic(const std::string& key);
void pauseAllMusic();
bool isMusicPlaying(const std::string& key);
