#include "BenchGame.h"

#include <filesystem>
#include <system_error>

void openBenchWindow(Game& game)
{
    game.fullscreen = false;
    createWindow(game);
    game.window.setFramerateLimit(0);
}

std::unique_ptr<Game> windowedRunGame()
{
    std::error_code error;
    std::filesystem::current_path(KESTRELFALL_RUN_DIR, error);
    auto game = std::make_unique<Game>();
    openBenchWindow(*game);
    return game;
}
