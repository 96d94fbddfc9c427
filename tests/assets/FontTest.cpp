#include "resources/Loading.h"

#include "assets/GeneratorRun.h"
#include "support/Headless.h"

#include <SFML/Graphics/Font.hpp>

#include <gtest/gtest.h>

TEST(Font, LoadsAndCarriesItsLicence)
{
    enterFreshRunFolder();
    sf::Font font;
    ASSERT_TRUE(loadFontFile(font, "Assets/Fonts/SelectionFont.otf"));
    EXPECT_TRUE(font.getGlyph(U'K', 30, false).bounds.width > 0.f);
    EXPECT_NE(fileBytes("Assets/Fonts/SelectionFont-LICENSE.txt").find("SIL OPEN FONT LICENSE"), std::string::npos);
}
