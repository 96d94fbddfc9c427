#include "assets/CharacterFiles.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

// The fight rules look at fixed frame numbers: the hitting frames of the two
// swings, the frames in which a parry counts, and the ground pound's impact
// and stunning frames. These tests hold the character files to them.

namespace {

bool clipHolds(const ClipLine& clip, FrameWindow w) { return clip.contains(w.first) && clip.contains(w.last); }

class CharacterData : public ::testing::Test {
protected:
    void SetUp() override
    {
        enterFreshRunFolder();
        roster = readRoster();
        ASSERT_EQ(roster.size(), static_cast<std::size_t>(characterSlotCount));
        for (const std::string& path : roster)
            files.push_back(readCharacterFile(path));
    }
    std::vector<std::string> roster;
    std::vector<CharacterFile> files;
};

}  // namespace

TEST_F(CharacterData, EveryClipTheKindNeedsLiesInsideTheFrameList)
{
    const std::vector<std::string> common = {"IDLE",   "RUNNING", "JUMPING", "FALLING", "ATTACKING",
                                             "ATTACK_RUN", "PARRY", "STUN",    "DEFLECT", "DEATH"};
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const CharacterFile& file = files[static_cast<std::size_t>(slot)];
        SCOPED_TRACE(roster[static_cast<std::size_t>(slot)]);
        ASSERT_TRUE(file.opened);
        EXPECT_NE(roster[static_cast<std::size_t>(slot)].find(kindNames[slot % kindCount]), std::string::npos);
        EXPECT_EQ(static_cast<int>(file.frames.size()), file.declaredFrames);
        std::vector<std::string> needed = common;
        if (!kindFrames[slot % kindCount].skillClip.empty())
            needed.push_back(kindFrames[slot % kindCount].skillClip);
        for (const std::string& name : needed)
            EXPECT_EQ(file.clips.count(name), 1u) << name;
        for (const auto& [name, clip] : file.clips) {
            EXPECT_GE(clip.first, 0) << name;
            EXPECT_LT(clip.first, clip.last) << name;
            EXPECT_LE(clip.last, file.declaredFrames) << name;
            EXPECT_GT(clip.duration, 0.f) << name;
            EXPECT_TRUE(clip.mode == "LOOP" || clip.mode == "ONCE") << name;
        }
    }
}

TEST_F(CharacterData, SwingsParriesAndGroundPoundShowTheFramesTheRulesLookFor)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const CharacterFile& file = files[static_cast<std::size_t>(slot)];
        const KindFrames& rules = kindFrames[slot % kindCount];
        SCOPED_TRACE(roster[static_cast<std::size_t>(slot)]);
        const char* const swings[] = {"ATTACKING", "ATTACK_RUN"};
        for (std::size_t i = 0; i < rules.hits.size(); ++i)
            EXPECT_TRUE(clipHolds(file.clips.at(swings[i]), rules.hits[i])) << swings[i];
        EXPECT_TRUE(clipHolds(file.clips.at("PARRY"), rules.parry));
        // The parry test runs on every frame, whatever the state: any other
        // clip showing a parry frame would parry by accident.
        for (const auto& [name, clip] : file.clips)
            for (int f = rules.parry.first; f <= rules.parry.last; ++f)
                EXPECT_TRUE(name == "PARRY" || !clip.contains(f)) << name << " shows parry frame " << f;
        // The parry must count for at least a tenth of a second.
        const ClipLine& parry = file.clips.at("PARRY");
        const float perFrame = parry.duration / static_cast<float>(parry.last - parry.first);
        EXPECT_GE(perFrame * static_cast<float>(rules.parry.last - rules.parry.first + 1), 0.1f);
        if (rules.skillClip == "SEISME") {
            const ClipLine& seisme = file.clips.at("SEISME");
            EXPECT_TRUE(seisme.contains(46) && seisme.contains(48) && seisme.contains(49));
        }
    }
}

TEST_F(CharacterData, ClipTimingsSuitTheRules)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const CharacterFile& file = files[static_cast<std::size_t>(slot)];
        SCOPED_TRACE(roster[static_cast<std::size_t>(slot)]);
        // A looping swing, parry, skill or death would never hand control back.
        for (const char* name : {"ATTACKING", "ATTACK_RUN", "PARRY", "SHOOT", "DEATH", "SEISME", "DASH"})
            EXPECT_TRUE(!file.clips.count(name) || file.clips.at(name).mode == "ONCE") << name;
        // The win check waits until the death clip's elapsed time reaches its
        // duration squared, and must see that before the 3 s respawn.
        EXPECT_LT(file.clips.at("DEATH").duration * file.clips.at("DEATH").duration, 3.f);
        // The input step ends a stun after 1 s; a shorter one-shot clip would cut it short.
        const ClipLine& stun = file.clips.at("STUN");
        EXPECT_TRUE(stun.mode == "LOOP" || stun.duration >= 1.f);
    }
}
