#pragma once

#include "app/Game.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>

#include <string>

// Small helpers for pixel checks on off-screen targets.

// A shader that paints every pixel it covers with one colour (r, g, b in 0..1).
inline bool loadFlatShader(sf::Shader& shader, const std::string& rgb)
{
    return shader.loadFromMemory("void main() { gl_FragColor = vec4(" + rgb + ", 1.0); }", sf::Shader::Fragment);
}

// A shader that shows the picture in grey (r == g == b).
inline bool loadGreyShader(sf::Shader& shader)
{
    return shader.loadFromMemory("uniform sampler2D texture;\n"
                                 "void main() {\n"
                                 "  vec4 c = texture2D(texture, gl_TexCoord[0].xy);\n"
                                 "  float g = (c.r + c.g + c.b) / 3.0;\n"
                                 "  gl_FragColor = vec4(g, g, g, c.a);\n"
                                 "}",
                                 sf::Shader::Fragment);
}

// A shader that shows the picture unchanged.
inline bool loadPassThroughShader(sf::Shader& shader)
{
    return shader.loadFromMemory("uniform sampler2D texture;\n"
                                 "void main() { gl_FragColor = texture2D(texture, gl_TexCoord[0].xy); }",
                                 sf::Shader::Fragment);
}

inline void fillRect(sf::RenderTarget& target, sf::FloatRect rect, sf::Color colour)
{
    sf::RectangleShape shape(sf::Vector2f(rect.width, rect.height));
    shape.setPosition(rect.left, rect.top);
    shape.setFillColor(colour);
    target.draw(shape);
}

inline sf::Color pixelAt(sf::RenderTexture& target, unsigned x, unsigned y)
{
    target.display();
    return target.getTexture().copyToImage().getPixel(x, y);
}

// A target the size of a window, cleared black the way the frame loop clears the window.
inline void makeTarget(sf::RenderTexture& target, unsigned width, unsigned height)
{
    target.create(width, height);
    target.clear(sf::Color::Black);
}

// Puts the fight in its running state, screen layer painted one colour.
inline void paintScreenLayer(Game& game, sf::Color colour)
{
    game.screenLayer.setView(game.screenLayer.getDefaultView());
    game.screenLayer.clear(colour);
}
