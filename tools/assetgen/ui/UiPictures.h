#pragma once

struct AssetContext;

// The interface pictures, one function per family; generateUi runs them all.
void generateHudPictures(AssetContext& ctx);          // Assets/Sprites/HUD
void generateMatchObjectPictures(AssetContext& ctx);  // items, crate, goal, STOP, flags, custom level thumbnail
void generateMenuPictures(AssetContext& ctx);         // door prompt, fighter cards, key hints
void generateEditorPictures(AssetContext& ctx);       // Assets/Sprites/MapEditor
void generateButtonPictures(AssetContext& ctx);       // pause, options, key-binding and online buttons, slider
