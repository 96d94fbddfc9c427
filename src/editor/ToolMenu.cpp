#include "editor/ToolMenu.h"

#include "resources/Caption.h"
#include "resources/Loading.h"

#include <algorithm>

#include <SFML/Graphics/RenderTarget.hpp>

namespace {

const sf::Vector2f screenCentre{960.f, 540.f};   // px
const sf::Vector2f screenSize{1920.f, 1080.f};    // px
const sf::Color overlayColour(0, 0, 0, 200);
const sf::Color messageColour(255, 226, 140);
constexpr float menuButtonSpacing = 1.5f;         // heights between the Save, Open and Delete buttons
constexpr float removeButtonRise = 2.5f;          // the remove button's height above the screen bottom, in add-button heights
const sf::Vector2f savedNamesStart{1500.f, 300.f};  // px, the first saved name
constexpr float savedNameSpacing = 75.f;          // px between saved names
constexpr std::size_t namesPerPage = 9;           // saved names shown at once
constexpr float savedNameWidth = 720.f;           // px a saved name may take
constexpr float dialogNameMargin = 100.f;         // px from the box edge to the inside of its name field
constexpr unsigned nameSize = 35;                 // px, the typed name
constexpr float dialogMessageGap = 50.f;          // px under the dialog box
constexpr float menuMessageY = 250.f;             // px, the tool menu's message line
constexpr int paletteColumns = 8;
constexpr int paletteCells = 20;
constexpr float paletteCell = 64.f;               // px

const char* const editorPictures = "Assets/Sprites/MapEditor/";

sf::Sprite picture(const std::string& name, bool centred)
{
    return loadSprite(editorPictures + name, centred, false);
}

float heightOf(const sf::Sprite& sprite)
{
    return sprite.getGlobalBounds().height;
}

sf::Vector2f textureSize(const sf::Sprite& sprite)
{
    const sf::Texture* texture = sprite.getTexture();
    return texture ? sf::Vector2f(texture->getSize()) : sf::Vector2f();
}

bool strictlyInside(const sf::Sprite& sprite, sf::Vector2f p)
{
    const sf::FloatRect box = sprite.getGlobalBounds();
    return p.x > box.left && p.x < box.left + box.width && p.y > box.top && p.y < box.top + box.height;
}

void centreOnBounds(sf::Text& text)
{
    const sf::FloatRect bounds = text.getLocalBounds();
    text.setOrigin(bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f);
}

const sf::Sprite& actionButton(const ToolMenu& menu, EditorPanel dialog)
{
    if (dialog == EditorPanel::OpenDialog)
        return menu.openButton;
    if (dialog == EditorPanel::DeleteDialog)
        return menu.deleteButton;
    return menu.saveButton;
}

void placeMenuButtons(ToolMenu& menu)
{
    menu.fileButton.setPosition(0.f, 0.f);
    menu.backButton.setPosition(0.f, 0.f);
    const float h = heightOf(menu.saveFileButton);
    menu.saveFileButton.setPosition(screenCentre.x, screenCentre.y - menuButtonSpacing * h);
    menu.openFileButton.setPosition(screenCentre);
    menu.deleteFileButton.setPosition(screenCentre.x, screenCentre.y + menuButtonSpacing * h);
    const float addHeight = heightOf(menu.addMapsButton);
    menu.addMapsButton.setPosition(screenCentre.x, screenSize.y - addHeight);
    menu.removeMapsButton.setPosition(screenCentre.x, screenSize.y - removeButtonRise * addHeight);
    menu.palette.setPosition(screenSize.x - textureSize(menu.palette).x, 0.f);
}

void placeDialog(ToolMenu& menu)
{
    const sf::Vector2f box = textureSize(menu.fileBackground);
    menu.fileBackground.setPosition(screenCentre);
    menu.crossButton.setPosition(screenCentre.x + box.x / 2.f - textureSize(menu.crossButton).x,
                                 screenCentre.y - box.y / 2.f);
    for (sf::Sprite* button : {&menu.saveButton, &menu.openButton, &menu.deleteButton})
        button->setPosition(screenCentre.x, screenCentre.y + box.y / 2.f - heightOf(*button));
    menu.nameText.setPosition(screenCentre);
}

}  // namespace

void initToolMenu(ToolMenu& menu, const sf::Font& font)
{
    menu.emptyTile = picture("EmptyTile.png", false);
    loadTextureFile(menu.emptyTileTexture, std::string(editorPictures) + "EmptyTile.png");
    menu.emptyTileTexture.setRepeated(true);
    menu.palette = loadSprite("Assets/Sprites/Map/Tileset.png", false, false);
    menu.hoverTile = menu.palette;
    menu.hoverTile.setColor(sf::Color(255, 255, 255, 130));
    menu.fileButton = picture("FileButton.png", false);
    menu.backButton = picture("BackButton.png", false);
    menu.saveFileButton = picture("SaveFileButton.png", true);
    menu.openFileButton = picture("OpenFileButton.png", true);
    menu.deleteFileButton = picture("DeleteFileButton.png", true);
    menu.addMapsButton = picture("AddMaps.png", true);
    menu.removeMapsButton = picture("RemoveMaps.png", true);
    menu.fileBackground = picture("FileBackground.png", true);
    menu.crossButton = picture("Cross.png", false);
    menu.saveButton = picture("SaveButton.png", true);
    menu.openButton = picture("OpenButton.png", true);
    menu.deleteButton = picture("DeleteButton.png", true);
    menu.overlay.setSize(screenSize);
    menu.overlay.setPosition(0.f, 0.f);
    menu.overlay.setFillColor(overlayColour);
    setupText(menu.promptText, font, "Enter the name of the file :", 25, true, sf::Color::White);
    setupText(menu.nameText, font, "", 35, true, sf::Color::White);
    setupText(menu.messageText, font, "", 28, true, messageColour);
    placeMenuButtons(menu);
    placeDialog(menu);
}

void rebuildNameTexts(ToolMenu& menu, const std::vector<std::string>& names, const sf::Font& font)
{
    // One page of names at a time: a long list never runs off the screen.
    if (menu.firstName >= names.size())
        menu.firstName = names.empty() ? 0 : (names.size() - 1) / namesPerPage * namesPerPage;
    const std::size_t shown = std::min(namesPerPage, names.size() - menu.firstName);
    menu.nameTexts.assign(shown, sf::Text());
    for (std::size_t i = 0; i < shown; ++i) {
        sf::Text& text = menu.nameTexts[i];
        setupText(text, font, names[menu.firstName + i], 30, true, sf::Color::White);
        centreOnBounds(text);
        text.setPosition(savedNamesStart.x, savedNamesStart.y + savedNameSpacing * static_cast<float>(i));
        fitTextWidth(text, savedNameWidth);
    }
    std::string page;
    if (names.size() > namesPerPage)
        page = std::to_string(menu.firstName + 1) + "-" + std::to_string(menu.firstName + shown) + " of " +
               std::to_string(names.size()) + "  PgUp / PgDn";
    setupText(menu.pageText, font, page, 24, true, messageColour);
    centreOnBounds(menu.pageText);
    menu.pageText.setPosition(savedNamesStart.x, savedNamesStart.y + savedNameSpacing * static_cast<float>(namesPerPage));
}

void turnNamePage(ToolMenu& menu, const std::vector<std::string>& names, int step, const sf::Font& font)
{
    if (step > 0 && menu.firstName + namesPerPage < names.size())
        menu.firstName += namesPerPage;
    else if (step < 0 && menu.firstName >= namesPerPage)
        menu.firstName -= namesPerPage;
    rebuildNameTexts(menu, names, font);
}

void fitTypedName(ToolMenu& menu)
{
    menu.nameText.setCharacterSize(nameSize);
    centreOnBounds(menu.nameText);
    menu.nameText.setPosition(screenCentre);
    fitTextWidth(menu.nameText, textureSize(menu.fileBackground).x - 2.f * dialogNameMargin);
}

bool fileButtonHit(const ToolMenu& menu, sf::Vector2f mouse)
{
    return strictlyInside(menu.fileButton, mouse);
}

MenuHit toolMenuHit(const ToolMenu& menu, sf::Vector2f mouse)
{
    MenuHit hit;
    const sf::Vector2f corner = menu.palette.getPosition();
    for (int i = 0; i < paletteCells; ++i) {
        const float left = corner.x + paletteCell * static_cast<float>(i % paletteColumns);
        const float top = corner.y + paletteCell * static_cast<float>(i / paletteColumns);
        if (mouse.x > left && mouse.x < left + paletteCell && mouse.y > top && mouse.y < top + paletteCell) {
            hit.tile = i;
            hit.action = MenuAction::PickTile;
        }
    }
    if (strictlyInside(menu.fileButton, mouse))
        hit.action = MenuAction::Back;
    else if (strictlyInside(menu.saveFileButton, mouse))
        hit.action = MenuAction::OpenSaveDialog;
    else if (strictlyInside(menu.openFileButton, mouse))
        hit.action = MenuAction::OpenOpenDialog;
    else if (strictlyInside(menu.deleteFileButton, mouse))
        hit.action = MenuAction::OpenDeleteDialog;
    else if (strictlyInside(menu.addMapsButton, mouse))
        hit.action = MenuAction::AddSections;
    else if (strictlyInside(menu.removeMapsButton, mouse))
        hit.action = MenuAction::RemoveSections;
    return hit;
}

MenuHit dialogHit(const ToolMenu& menu, EditorPanel dialog, bool nameTyped, sf::Vector2f mouse)
{
    MenuHit hit;
    if (strictlyInside(menu.crossButton, mouse))
        hit.action = MenuAction::Back;
    else if (nameTyped && strictlyInside(actionButton(menu, dialog), mouse))
        hit.action = MenuAction::Confirm;
    return hit;
}

void drawToolMenu(ToolMenu& menu, sf::RenderTarget& target, EditorPanel panel, bool nameTyped)
{
    if (panel == EditorPanel::Canvas) {
        target.draw(menu.fileButton);
        return;
    }
    target.draw(menu.overlay);
    if (panel == EditorPanel::FileMenu) {
        target.draw(menu.backButton);
        for (const sf::Sprite* button : {&menu.saveFileButton, &menu.openFileButton, &menu.deleteFileButton,
                                         &menu.addMapsButton, &menu.removeMapsButton})
            target.draw(*button);
        menu.palette.setTextureRect(sf::IntRect(sf::Vector2i(), sf::Vector2i(textureSize(menu.palette))));
        target.draw(menu.palette);
        for (sf::Text& name : menu.nameTexts)
            target.draw(name);
        target.draw(menu.pageText);
        menu.messageText.setPosition(screenCentre.x, menuMessageY);
    } else {
        target.draw(menu.fileBackground);
        target.draw(menu.crossButton);
        centreOnBounds(menu.promptText);
        menu.promptText.setPosition(screenCentre.x, screenCentre.y - textureSize(menu.fileBackground).y / 2.f +
                                                        menu.promptText.getLocalBounds().height);
        target.draw(menu.promptText);
        target.draw(menu.nameText);
        if (nameTyped)
            target.draw(actionButton(menu, panel));
        menu.messageText.setPosition(screenCentre.x, screenCentre.y + textureSize(menu.fileBackground).y / 2.f +
                                                         dialogMessageGap);
    }
    centreOnBounds(menu.messageText);
    target.draw(menu.messageText);
}
