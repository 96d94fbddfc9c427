#include "AssetWriter.h"
#include "Generators.h"

#include <chrono>
#include <cstdio>

// assetgen DATA_DIR RUN_DIR: fills RUN_DIR with the game's complete asset tree.
int main(int argc, char** argv)
{
    if (argc < 3) {
        std::printf("usage: assetgen DATA_DIR RUN_DIR\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    AssetContext ctx;
    ctx.dataDir = argv[1];
    ctx.runDir = argv[2];
    generateTextData(ctx);
    generateWorld(ctx);
    generateUi(ctx);
    generateCharacters(ctx);
    generateAudio(ctx);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %d written, %d unchanged, %d seeded, %d failed in %.1f s\n", ctx.written, ctx.unchanged,
                ctx.seeded, ctx.failures, seconds);
    return ctx.failures == 0 ? 0 : 1;
}
