#pragma once

#include "editor/EditorPanel.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>
#include <vector>

namespace sf { class Font; class RenderTarget; }

// The editor's pictures and texts in screen coordinates (1920 x 1080): the
// file button, the tool menu with its palette and section buttons, the name
// dialogs, and the list of saved names. Everything is placed once, so a
// click on the first frame meets the buttons where they are drawn.
struct ToolMenu {
    sf::Texture emptyTileTexture;  // repeated over each section's background
    sf::Sprite emptyTile, palette, hoverTile;
    sf::Sprite fileButton, backButton;
    sf::Sprite saveFileButton, openFileButton, deleteFileButton, addMapsButton, removeMapsButton;
    sf::Sprite fileBackground, crossButton, saveButton, openButton, deleteButton;
    sf::RectangleShape overlay;
    sf::Text promptText, nameText, messageText;
    std::vector<sf::Text> nameTexts;  // the saved levels of the page shown, at (1500, 300 + 75 i)
    std::size_t firstName = 0;        // the first name of that page
    sf::Text pageText;                // "10-18 of 40  PgUp / PgDn" when there is more than one page
};

enum class MenuAction {
    None,
    PickTile,        // a palette cell
    Back,            // the back button (tool menu) or the cross (dialog)
    OpenSaveDialog,
    OpenOpenDialog,
    OpenDeleteDialog,
    AddSections,
    RemoveSections,
    Confirm,         // the dialog's action button
};

struct MenuHit {
    MenuAction action = MenuAction::None;
    int tile = -1;  // the palette code under the mouse, or -1
};

void initToolMenu(ToolMenu& menu, const sf::Font& font);
void rebuildNameTexts(ToolMenu& menu, const std::vector<std::string>& names, const sf::Font& font);
// The typed name, centred in the dialog box and fitted inside it.
void fitTypedName(ToolMenu& menu);
// Shows the next (+1) or the previous (-1) page of names, if there is one.
void turnNamePage(ToolMenu& menu, const std::vector<std::string>& names, int step, const sf::Font& font);

// What a press at `mouse` (screen point) hits in the given panel. The
// palette is reported alongside the button, as both may act on one press.
bool fileButtonHit(const ToolMenu& menu, sf::Vector2f mouse);
MenuHit toolMenuHit(const ToolMenu& menu, sf::Vector2f mouse);
MenuHit dialogHit(const ToolMenu& menu, EditorPanel dialog, bool nameTyped, sf::Vector2f mouse);

// Draws the panel over the canvas, in screen coordinates.
void drawToolMenu(ToolMenu& menu, sf::RenderTarget& target, EditorPanel panel, bool nameTyped);
