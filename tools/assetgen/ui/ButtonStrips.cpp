#include "ui/UiPictures.h"

#include "AssetWriter.h"
#include "Canvas.h"
#include "ui/UiKit.h"

namespace {

// Frame sizes in pixels. The pause buttons stand 108 px apart, so they stay
// under that height; the key-binding frames are fixed by the screen's layout
// (its cells touch: 128 px apart in a row, 64 px between rows).
const int menuButtonWidth = 400;
const int menuButtonHeight = 92;
const int bindFrameWidth = 128;
const int bindFrameHeight = 64;
const int tabFrameWidth = 300;
const int tabFrameHeight = 50;
const int sliderTrackWidth = 600;   // the knob travels 25 px inside each end
const int sliderTrackHeight = 28;
const int sliderKnobWidth = 36;
const int sliderKnobHeight = 56;
const int fieldFrameWidth = 1100;   // the online rows: label and value side by side
const int fieldFrameHeight = 72;

// A strip of `frames` equal frames side by side: idle, hovered/highlighted,
// then pressed when there is a third.
sf::Image buttonStrip(const std::string& label, int width, int height, int frames)
{
    sf::Image strip = blankImage(static_cast<unsigned>(width * frames), static_cast<unsigned>(height));
    const ui::ButtonLook looks[3] = {ui::ButtonLook::Idle, ui::ButtonLook::Hovered, ui::ButtonLook::Pressed};
    for (int frame = 0; frame < frames; ++frame)
        ui::drawButton(strip, frame * width, width, height, label, looks[frame]);
    return strip;
}

// A dark slot a name or a value is written into, lit gold when highlighted:
// two frames of `width` x `height` (the key-binding cells, the online rows).
sf::Image slotStrip(int width, int height)
{
    sf::Image strip = blankImage(static_cast<unsigned>(2 * width), static_cast<unsigned>(height));
    ui::drawSlot(strip, 2, 3, width - 4, height - 6, ui::wood, sf::Color(26, 40, 32, 235));
    ui::drawSlot(strip, width + 2, 3, width - 4, height - 6, ui::gold, sf::Color(62, 84, 48, 245));
    fillRect(strip, width + 6, 6, width - 12, 2, sf::Color(255, 236, 150, 160));
    return strip;
}

sf::Image sliderTrack()
{
    sf::Image track = blankImage(sliderTrackWidth, sliderTrackHeight);
    ui::drawSlot(track, 0, 0, sliderTrackWidth, sliderTrackHeight, ui::woodDark, sf::Color(26, 40, 32, 240));
    // A vine runs along the groove from empty (dark) to full (bright).
    for (int x = 6; x < sliderTrackWidth - 6; ++x) {
        const float t = static_cast<float>(x) / sliderTrackWidth;
        fillRect(track, x, sliderTrackHeight / 2 - 2, 1, 4, mix(ui::leafDark, ui::leafLight, t));
    }
    // Ticks every tenth of the knob's travel (25 px in from each end).
    for (int i = 0; i <= 10; ++i) {
        const int x = 25 + i * (sliderTrackWidth - 50) / 10;
        fillRect(track, x - 1, 4, 2, i % 5 == 0 ? 8 : 5, ui::goldDark);
    }
    return track;
}

sf::Image sliderKnob()
{
    sf::Image knob = blankImage(sliderKnobWidth, sliderKnobHeight);
    ui::fillRounded(knob, 0, 0, sliderKnobWidth, sliderKnobHeight, 6, ui::ink);
    ui::fillRounded(knob, 2, 2, sliderKnobWidth - 4, sliderKnobHeight - 4, 5, ui::goldDark);
    ui::fillRounded(knob, 3, 3, sliderKnobWidth - 6, sliderKnobHeight - 9, 4, ui::gold);
    for (int y = 18; y <= 34; y += 8)
        fillRect(knob, 10, y, sliderKnobWidth - 20, 2, ui::goldDark);
    return knob;
}

}  // namespace

void generateButtonPictures(AssetContext& ctx)
{
    const std::string pause = "Assets/Sprites/Pause/";
    writePng(ctx, pause + "ResumeButton.png", buttonStrip("RESUME", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, pause + "OptionsButton.png", buttonStrip("OPTIONS", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, pause + "mainmenubutton.png", buttonStrip("MAIN MENU", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, pause + "titleScreenButton.png",
             buttonStrip("TITLE SCREEN", menuButtonWidth, menuButtonHeight, 3));

    const std::string options = "Assets/Sprites/Options/";
    writePng(ctx, options + "fullScreenButton.png", buttonStrip("FULL SCREEN", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, options + "windowedButton.png", buttonStrip("WINDOWED", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, options + "keybindsbutton.png", buttonStrip("KEY BINDINGS", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, options + "slider.png", sliderTrack());
    writePng(ctx, options + "sliderButton.png", sliderKnob());
    writePng(ctx, options + "bindbutton.png", slotStrip(bindFrameWidth, bindFrameHeight));
    writePng(ctx, options + "keyboardtabbutton.png", buttonStrip("KEYBOARD", tabFrameWidth, tabFrameHeight, 2));
    writePng(ctx, options + "controllertabbutton.png", buttonStrip("CONTROLLER", tabFrameWidth, tabFrameHeight, 2));

    const std::string online = "Assets/Sprites/Online/";
    writePng(ctx, online + "HostButton.png", buttonStrip("HOST", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, online + "JoinButton.png", buttonStrip("JOIN", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, online + "StartButton.png", buttonStrip("START", menuButtonWidth, menuButtonHeight, 3));
    writePng(ctx, online + "Field.png", slotStrip(fieldFrameWidth, fieldFrameHeight));
}
