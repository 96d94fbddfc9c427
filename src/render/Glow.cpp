#include "render/Glow.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <string>

namespace {

// Each added copy brings colour x alpha, rounded to the frame's 8 bits as
// it lands; the sum saturates at white, so adding it all at once gives the
// same picture.
const char* const glowSource = R"(#version 110
uniform sampler2D texture;
uniform float copies;
void main()
{
    vec4 pixel = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    vec3 step = floor(pixel.rgb * pixel.a * 255.0 + 0.5) / 255.0;
    gl_FragColor = vec4(min(step * copies, vec3(1.0)), 1.0);
}
)";

}  // namespace

bool loadGlowShader(sf::Shader& shader)
{
    if (!sf::Shader::isAvailable() || !shader.loadFromMemory(glowSource, sf::Shader::Fragment))
        return false;
    shader.setUniform("texture", sf::Shader::CurrentTexture);
    shader.setUniform("copies", static_cast<float>(glowPasses));
    return true;
}

void drawGlowing(const sf::Sprite& sprite, sf::RenderTarget& target, const sf::Shader& shader)
{
    // Light adds to the colour and leaves the coverage as it is: over a
    // see-through layer it stays light over whatever is laid under later.
    sf::RenderStates additive(sf::BlendMode(sf::BlendMode::SrcAlpha, sf::BlendMode::One, sf::BlendMode::Add,
                                            sf::BlendMode::Zero, sf::BlendMode::One, sf::BlendMode::Add));
    if (shader.getNativeHandle() != 0) {
        // The copies' alpha is already in the colour: add it as it is.
        additive.blendMode = sf::BlendMode(sf::BlendMode::One, sf::BlendMode::One, sf::BlendMode::Add,
                                           sf::BlendMode::Zero, sf::BlendMode::One, sf::BlendMode::Add);
        additive.shader = &shader;
        target.draw(sprite, additive);
        return;
    }
    for (int i = 0; i < glowPasses; ++i)
        target.draw(sprite, additive);
}
