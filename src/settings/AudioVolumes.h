#pragma once

// The two volumes of the settings file live in the process-wide audio object.
void setVolumes(float sfxVolume, float musicVolume);
float sfxVolume();
float musicVolume();
