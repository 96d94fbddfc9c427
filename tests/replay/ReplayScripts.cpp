#include "replay/ReplayScripts.h"

#include "replay/LevelFiles.h"
#include "replay/ReplayRecorder.h"
#include "support/TestFiles.h"

#include <random>

std::vector<StepInputs> personScript(int steps, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> holdSteps(replayStepsPerSecond / 10, replayStepsPerSecond / 2);
    std::uniform_int_distribution<int> buttons(0, fightButtonMask);
    std::vector<StepInputs> script(static_cast<std::size_t>(steps));
    for (int player = 0; player < 2; ++player) {
        int step = 0;
        while (step < steps) {
            const FightInput held{static_cast<std::uint16_t>(buttons(random))};
            for (int end = std::min(steps, step + holdSteps(random)); step < end; ++step)
                script[static_cast<std::size_t>(step)][static_cast<std::size_t>(player)] = held;
        }
    }
    return script;
}

std::uint64_t standInChecksum(std::uint32_t step)
{
    return (step + 1) * 0x9E3779B97F4A7C15ull;
}

ReplayRecord recordScript(const std::vector<StepInputs>& script, ReplayHeader header, bool won)
{
    ReplayRecorder recorder(std::move(header));
    for (const StepInputs& inputs : script)
        if (recorder.addStep(inputs[0], inputs[1]))
            recorder.addChecksum(standInChecksum(recorder.steps()));
    return recorder.finish(won, standInChecksum(recorder.steps()));
}

ReplayHeader jungleHeader()
{
    ReplayHeader header;
    header.gameVersion = "1.1";  // where HostileReplayTest finds the fields depends on its length
    header.levelName = "Jungle";
    header.levelHash = 0x1234567890ABCDEFull;
    header.kinds[0] = 0;
    header.kinds[1] = 2;
    header.seed = 0xFEEDFACECAFEBEEFull;
    return header;
}

std::string writeCustomLevel(const std::string& name)
{
    const std::string folder = "Assets/Map/Custom/" + name + "/";
    writeTestFile(folder + name + ".txt", "3 3776 64\n" + folder + "Map0.txt " + folder + "Map1.txt " + folder +
                                              "Map1.txt " + folder + "Map2.txt " + folder + "Map3.txt\n");
    for (int i = 0; i < 3; ++i)
        writeTestFile(folder + "Map" + std::to_string(i) + ".txt", uniformSection(60, i));
    return folder + name + ".txt";
}

ReplayHeader customHeader(const std::string& levelPath)
{
    return matchHeader(ReplayMode::Classic, levelPath, true, 1, 3, 77);
}

namespace {

std::vector<StepInputs> steadyScript(int steps)
{
    std::vector<StepInputs> script(static_cast<std::size_t>(steps));
    for (int step = 0; step < steps; ++step) {
        StepInputs& inputs = script[static_cast<std::size_t>(step)];
        inputs[0].buttons = static_cast<std::uint16_t>((step / 37 * 5) & fightButtonMask);
        inputs[1].buttons = static_cast<std::uint16_t>((step / 53 * 3) & fightButtonMask);
    }
    return script;
}

}  // namespace

ReplayRecord formatSampleJungle()
{
    return recordScript(steadyScript(1500), jungleHeader());
}

ReplayRecord formatSampleCustom()
{
    ReplayHeader header = jungleHeader();
    header.mode = ReplayMode::Caa;
    header.levelName = "Tiny";
    header.customLevel = true;
    header.levelFiles = {{"Assets/Map/Custom/Tiny/Tiny.txt", true, "1 3776 64\nAssets/Map/Custom/Tiny/Map0.txt "
                                                                   "Assets/Map/Custom/Tiny/Map1.txt\n"},
                         {"Assets/Map/Custom/Tiny/Map0.txt", true, "0 1 2 3\n-1 5\n"},
                         {"Assets/Map/Custom/Tiny/Map1.txt", false, ""}};
    header.levelHash = levelHash(header.levelFiles);
    return recordScript(steadyScript(700), header, false);
}
