#pragma once

struct AssetContext;

// Each group of assets has its own generator; main runs them all.
void generateCharacters(AssetContext& ctx);  // persos.txt, character files, frame images
void generateWorld(AssetContext& ctx);       // tiles, backgrounds, rooms, doors, title, logos, credits, levels
void generateUi(AssetContext& ctx);          // HUD, items, crate, flags, cards, editor pictures, buttons
void generateAudio(AssetContext& ctx);       // effects, announcer lines, music
void generateTextData(AssetContext& ctx);    // shaders, font, settings and name files
