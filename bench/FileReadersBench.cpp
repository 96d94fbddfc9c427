#include "fighters/BindsFile.h"
#include "fighters/CharacterFile.h"
#include "level/CustomLevelList.h"
#include "level/LevelFile.h"
#include "settings/GameSettings.h"
#include "settings/KeyNames.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

// Every text file the game reads from the generated run folder, with the
// reader that reads it.
enum class Kind { Roster, Character, Level, Section, CaaSection, Settings, Binds, Names, CustomList };

struct DataFile {
    std::string path;  // relative to the run folder
    Kind kind;
};

const DataFile runFiles[] = {
    {"persos.txt", Kind::Roster},
    {"Assets/Characters/P1/Napollo.txt", Kind::Character},
    {"Assets/Characters/P1/Atoola.txt", Kind::Character},
    {"Assets/Characters/P1/Gigachill.txt", Kind::Character},
    {"Assets/Characters/P1/Swapper.txt", Kind::Character},
    {"Assets/Characters/P2/Napollo.txt", Kind::Character},
    {"Assets/Characters/P2/Atoola.txt", Kind::Character},
    {"Assets/Characters/P2/Gigachill.txt", Kind::Character},
    {"Assets/Characters/P2/Swapper.txt", Kind::Character},
    {"Assets/Map/Officiel/Jungle/Jungle.txt", Kind::Level},
    {"Assets/Map/Officiel/Jungle/Map0.txt", Kind::Section},
    {"Assets/Map/Officiel/Jungle/Map1.txt", Kind::Section},
    {"Assets/Map/Officiel/Jungle/Map2.txt", Kind::Section},
    {"Assets/Map/Officiel/Jungle/Map3.txt", Kind::Section},
    {"Assets/Map/Officiel/Jungle/Map4.txt", Kind::Section},
    {"Assets/Map/Officiel/caa/caa.txt", Kind::Level},
    {"Assets/Map/Officiel/caa/Map0.txt", Kind::CaaSection},
    {"Assets/Map/Menu/MainMenuMap.txt", Kind::Section},
    {"Assets/settings/gamesettings.txt", Kind::Settings},
    {"Assets/settings/Binds.txt", Kind::Binds},
    {"Assets/settings/keynames.txt", Kind::Names},
    {"Assets/settings/controllerbuttonnames.txt", Kind::Names},
    {"Assets/Map/Custom/Custom.txt", Kind::CustomList},
};

std::size_t parse(Kind kind, const std::string& text)
{
    switch (kind) {
    case Kind::Roster:
        return parseRoster(text).files.size();
    case Kind::Character:
        return parseCharacterFile(text).framePaths.size();
    case Kind::Level:
        return parseLevelFile(text, classicColumns).sectionFiles.size();
    case Kind::Section:
        return parseSectionFile(text, classicColumns).codes.size();
    case Kind::CaaSection:
        return parseSectionFile(text, caaColumns).codes.size();
    case Kind::Settings: {
        GameSettings settings;
        return parseGameSettings(text, settings).size();
    }
    case Kind::Binds:
        return parseBindings(text, KeyNames{}).problems.size();
    case Kind::Names:
        return parseNameList(text).names.size();
    case Kind::CustomList:
        return parseCustomLevelList(text).entries.size();
    }
    return 0;
}

// Reading and parsing every text file of the run folder, as a start-up does.
void BM_ReadAndParseEveryRunFile(benchmark::State& state)
{
    const std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(KESTRELFALL_RUN_DIR);
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (const DataFile& file : runFiles) {
            Problems problems;
            const TextFile read = readTextFile(file.path, problems, "");
            if (read.status != TextFileStatus::Read || !problems.empty())
                state.SkipWithError(("cannot read " + file.path).c_str());
            benchmark::DoNotOptimize(parse(file.kind, read.text));
            bytes += read.text.size();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    std::filesystem::current_path(start);
}
BENCHMARK(BM_ReadAndParseEveryRunFile)->Unit(benchmark::kMillisecond);

}  // namespace
