#include "AssetWriter.h"
#include "Generators.h"

#include <chrono>
#include <cstdio>
#include <set>
#include <string>

// assetgen DATA_DIR RUN_DIR [GROUP...]: fills RUN_DIR with the game's complete
// asset tree, or only with the named groups (text, world, ui, characters,
// audio), which lets a test regenerate one group quickly.
int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: assetgen DATA_DIR RUN_DIR [GROUP...]\n");
        return 2;
    }
    const std::set<std::string> only(argv + 3, argv + argc);
    auto wanted = [&only](const char* group) { return only.empty() || only.count(group) > 0; };
    const auto start = std::chrono::steady_clock::now();
    AssetContext ctx;
    ctx.dataDir = argv[1];
    ctx.runDir = argv[2];
    if (wanted("text"))
        generateTextData(ctx);
    if (wanted("world"))
        generateWorld(ctx);
    if (wanted("ui"))
        generateUi(ctx);
    if (wanted("characters"))
        generateCharacters(ctx);
    if (wanted("audio"))
        generateAudio(ctx);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %d written, %d unchanged, %d seeded, %d failed in %.1f s\n", ctx.written, ctx.unchanged,
                ctx.seeded, ctx.failures, seconds);
    return ctx.failures == 0 ? 0 : 1;
}
