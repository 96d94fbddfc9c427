#include "render/GoldenPictures.h"

#include "app/Frame.h"
#include "app/Game.h"

#include <SFML/Graphics/Texture.hpp>

#include <cmath>
#include <cstdlib>
#include <filesystem>

namespace {

const double allowedDifference = 0.01;  // of the channel's range

std::string goldenFolder()
{
    return std::string(KESTRELFALL_SOURCE_DIR) + "/tests/data/golden";
}

}  // namespace

sf::Image drawnWindow(Game& game)
{
    for (int i = 0; i < 2; ++i) {
        game.window.clear(sf::Color::Black);
        draw(game);
        game.window.display();
    }
    const sf::Vector2u size = game.window.getSize();
    sf::Texture texture;
    texture.create(size.x, size.y);
    texture.update(game.window);
    return texture.copyToImage();
}

sf::Image halfSize(const sf::Image& image)
{
    const sf::Vector2u size = image.getSize();
    sf::Image half;
    half.create(size.x / 2, size.y / 2);
    const sf::Uint8* pixels = image.getPixelsPtr();
    for (unsigned y = 0; y < size.y / 2; ++y)
        for (unsigned x = 0; x < size.x / 2; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};
            for (unsigned dy = 0; dy < 2; ++dy)
                for (unsigned dx = 0; dx < 2; ++dx) {
                    const sf::Uint8* p = pixels + 4 * ((2 * y + dy) * size.x + 2 * x + dx);
                    for (int c = 0; c < 4; ++c)
                        sum[c] += p[c];
                }
            half.setPixel(x, y, sf::Color(sf::Uint8((sum[0] + 2) / 4), sf::Uint8((sum[1] + 2) / 4),
                                          sf::Uint8((sum[2] + 2) / 4), sf::Uint8((sum[3] + 2) / 4)));
        }
    return half;
}

double meanChannelDifference(const sf::Image& a, const sf::Image& b)
{
    if (a.getSize() != b.getSize() || a.getSize().x == 0 || a.getSize().y == 0)
        return 1.0;
    const std::size_t count = std::size_t(a.getSize().x) * a.getSize().y;
    const sf::Uint8* pa = a.getPixelsPtr();
    const sf::Uint8* pb = b.getPixelsPtr();
    double total[3] = {0, 0, 0};
    for (std::size_t i = 0; i < count; ++i)
        for (int c = 0; c < 3; ++c)
            total[c] += std::abs(int(pa[4 * i + c]) - int(pb[4 * i + c]));
    double worst = 0.0;
    for (double channel : total)
        worst = std::max(worst, channel / double(count) / 255.0);
    return worst;
}

GoldenResult compareWithGolden(const sf::Image& picture, const std::string& name)
{
    GoldenResult result;
    const sf::Image half = halfSize(picture);
    const std::string path = goldenFolder() + "/" + name + ".png";
    if (std::getenv("KESTRELFALL_WRITE_GOLDEN")) {
        std::filesystem::create_directories(goldenFolder());
        result.matches = half.saveToFile(path);
        result.difference = 0.0;
        result.message = "wrote " + path;
        return result;
    }
    sf::Image reference;
    if (!reference.loadFromFile(path)) {
        result.message = "no reference picture " + path;
        return result;
    }
    result.difference = meanChannelDifference(half, reference);
    result.matches = result.difference <= allowedDifference;
    if (!result.matches) {
        const auto shown = std::filesystem::temp_directory_path() / ("golden-" + name + ".png");
        half.saveToFile(shown.string());
        result.message = name + " differs by " + std::to_string(result.difference * 100.0) + " %; drawn now: " +
                         shown.string();
    }
    return result;
}
