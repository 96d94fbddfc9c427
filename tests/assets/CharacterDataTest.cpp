#include "assets/CharacterFiles.h"

#include "support/Headless.h"

#include <gtest/gtest.h>

#include <set>

// The fight rules look at fixed frame numbers: the hitting frames of the two
// swings, the frames in which a parry counts, and the ground pound's impact
// and stunning frames. These tests hold the character files to them.

namespace {

struct Window {
    int first, last;  // inclusive
};

struct KindFrames {
    std::vector<Window> hits;  // standing swing, running swing
    Window parry;
    std::string skillClip;     // empty: the kind's skill has no clip
};

const KindFrames kindFrames[kindCount] = {
    {{{20, 23}, {34, 36}}, {46, 47}, "SHOOT"},
    {{{20, 23}, {33, 35}}, {46, 47}, "DASH"},
    {{{17, 19}, {27, 29}}, {38, 39}, "SEISME"},
    {{}, {54, 57}, ""},
};

bool clipHolds(const ClipLine& clip, Window w) { return clip.contains(w.first) && clip.contains(w.last); }

class CharacterData : public ::testing::Test {
protected:
    void SetUp() override
    {
        enterFreshRunFolder();
        roster = readRoster();
        ASSERT_GE(roster.size(), static_cast<std::size_t>(characterSlotCount));
        for (int slot = 0; slot < characterSlotCount; ++slot)
            files.push_back(readCharacterFile(roster[static_cast<std::size_t>(slot)]));
    }
    std::vector<std::string> roster;
    std::vector<CharacterFile> files;
};

}  // namespace

TEST_F(CharacterData, RosterNamesEightReadableFilesInSlotOrder)
{
    EXPECT_EQ(roster.size(), static_cast<std::size_t>(characterSlotCount));
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const std::string& path = roster[static_cast<std::size_t>(slot)];
        EXPECT_TRUE(files[static_cast<std::size_t>(slot)].opened) << path;
        const std::string player = slot < kindCount ? "P1" : "P2";
        EXPECT_NE(path.find(player), std::string::npos) << path;
        EXPECT_NE(path.find(kindNames[slot % kindCount]), std::string::npos) << path;
    }
}

TEST_F(CharacterData, EveryClipLiesInsideTheFrameList)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const CharacterFile& file = files[static_cast<std::size_t>(slot)];
        SCOPED_TRACE(roster[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(static_cast<int>(file.frames.size()), file.declaredFrames);
        EXPECT_TRUE(file.unknownClipNames.empty());
        std::set<std::string> distinct(file.frames.begin(), file.frames.end());
        EXPECT_EQ(distinct.size(), file.frames.size()) << "a frame picture is listed twice";
        for (const auto& [name, clip] : file.clips) {
            EXPECT_GE(clip.first, 0) << name;
            EXPECT_LT(clip.first, clip.last) << name;
            EXPECT_LE(clip.last, file.declaredFrames) << name;
            EXPECT_GT(clip.duration, 0.f) << name;
            EXPECT_TRUE(clip.mode == "LOOP" || clip.mode == "ONCE") << name;
        }
    }
}

TEST_F(CharacterData, EveryClipTheKindCanEnterHasFrames)
{
    const std::vector<std::string> common = {"IDLE",   "RUNNING", "JUMPING", "FALLING", "ATTACKING",
                                             "ATTACK_RUN", "PARRY", "STUN",    "DEFLECT", "DEATH"};
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const CharacterFile& file = files[static_cast<std::size_t>(slot)];
        SCOPED_TRACE(roster[static_cast<std::size_t>(slot)]);
        std::vector<std::string> needed = common;
        const std::string& skill = kindFrames[slot % kindCount].skillClip;
        if (!skill.empty())
            needed.push_back(skill);
        for (const std::string& name : needed)
            EXPECT_EQ(file.clips.count(name), 1u) << name;
    }
}

TEST_F(CharacterData, SwingsAndParriesShowTheFramesTheRulesLookFor)
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
        for (const auto& [name, clip] : file.clips) {
            if (name == "PARRY")
                continue;
            for (int f = rules.parry.first; f <= rules.parry.last; ++f)
                EXPECT_FALSE(clip.contains(f)) << name << " shows parry frame " << f;
        }
    }
}

TEST_F(CharacterData, GroundPoundShowsItsImpactAndStunningFrames)
{
    for (int slot : {2, 6}) {
        const ClipLine& seisme = files[static_cast<std::size_t>(slot)].clips.at("SEISME");
        EXPECT_TRUE(seisme.contains(46));
        EXPECT_TRUE(seisme.contains(48) && seisme.contains(49));
        EXPECT_EQ(seisme.mode, "ONCE");
    }
}

TEST_F(CharacterData, ClipLengthsSuitTheRulesTiming)
{
    for (int slot = 0; slot < characterSlotCount; ++slot) {
        const CharacterFile& file = files[static_cast<std::size_t>(slot)];
        SCOPED_TRACE(roster[static_cast<std::size_t>(slot)]);
        for (const auto& [name, clip] : file.clips) {
            const bool oneShot = name == "ATTACKING" || name == "ATTACK_RUN" || name == "PARRY" || name == "SHOOT" ||
                                 name == "DEATH" || name == "SEISME" || name == "DASH";
            if (oneShot) {
                EXPECT_EQ(clip.mode, "ONCE") << name;
            }
        }
        // The win tests wait until the death clip's elapsed time reaches its
        // duration squared, and must see that before the 3 s respawn.
        const ClipLine& death = file.clips.at("DEATH");
        EXPECT_LE(death.duration, 1.5f);
        EXPECT_LT(death.duration * death.duration, 3.f);
        // The input step ends a stun after 1 s; a shorter one-shot clip would
        // cut it short.
        const ClipLine& stun = file.clips.at("STUN");
        EXPECT_TRUE(stun.mode == "LOOP" || stun.duration >= 1.f);
        // Swings, parries and shots are paced by their clips (attacks also by
        // a 0.4 s cooldown): a fraction of a second each, never a stall.
        for (const char* name : {"ATTACKING", "ATTACK_RUN", "PARRY"}) {
            EXPECT_GE(file.clips.at(name).duration, 0.3f) << name;
            EXPECT_LE(file.clips.at(name).duration, 0.6f) << name;
        }
        const KindFrames& rules = kindFrames[slot % kindCount];
        const ClipLine& parry = file.clips.at("PARRY");
        const float perFrame = parry.duration / static_cast<float>(parry.last - parry.first);
        EXPECT_GE(perFrame * static_cast<float>(rules.parry.last - rules.parry.first + 1), 0.1f)
            << "the parry must count for at least a tenth of a second";
    }
    const ClipLine& shoot = files[0].clips.at("SHOOT");
    EXPECT_GE(shoot.duration, 0.2f);
    EXPECT_LE(shoot.duration, 0.6f);
}

TEST_F(CharacterData, BothPlayersShareEachKindsClips)
{
    for (int kind = 0; kind < kindCount; ++kind) {
        const CharacterFile& p1 = files[static_cast<std::size_t>(kind)];
        const CharacterFile& p2 = files[static_cast<std::size_t>(kind + kindCount)];
        EXPECT_EQ(p1.declaredFrames, p2.declaredFrames) << kindNames[kind];
        ASSERT_EQ(p1.clips.size(), p2.clips.size()) << kindNames[kind];
        for (const auto& [name, clip] : p1.clips) {
            ASSERT_EQ(p2.clips.count(name), 1u) << kindNames[kind] << " " << name;
            const ClipLine& other = p2.clips.at(name);
            EXPECT_TRUE(clip.first == other.first && clip.last == other.last && clip.duration == other.duration &&
                        clip.mode == other.mode)
                << kindNames[kind] << " " << name;
        }
        // Each slot has its own pictures.
        EXPECT_NE(p1.frames.front(), p2.frames.front());
    }
}
