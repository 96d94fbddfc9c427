#include "fighters/CharacterFile.h"

#include <algorithm>
#include <iostream>
#include <sstream>

const char* const rosterPath = "persos.txt";

namespace {

constexpr float fallbackClipLength = 0.4f;  // s, for a clip whose length is unusable

struct ClipKeyword {
    const char* word;
    AnimState state;
};

const ClipKeyword clipKeywords[] = {
    {"RUNNING", AnimState::RUNNING}, {"JUMPING", AnimState::JUMPING},       {"FALLING", AnimState::FALLING},
    {"IDLE", AnimState::IDLE},       {"ATTACKING", AnimState::ATTACKING},   {"ATTACK_RUN", AnimState::ATTACK_RUN},
    {"DEATH", AnimState::DEATH},     {"PARRY", AnimState::PARRY},           {"DASH", AnimState::DASH},
    {"SHOOT", AnimState::SHOOT},     {"STUN", AnimState::STUN},             {"DEFLECT", AnimState::DEFLECT},
    {"SEISME", AnimState::SEISME},
};

const char* clipName(std::size_t state)
{
    for (const ClipKeyword& keyword : clipKeywords)
        if (static_cast<std::size_t>(keyword.state) == state)
            return keyword.word;
    return "RUNNING";
}

bool isKeyword(std::string_view word)
{
    return word == "SPRITES" || word == "ANIM";
}

// The words of a character file, with one word of look-ahead so that a block
// cut short gives its keyword back to the main loop.
struct Reader {
    explicit Reader(std::string_view text) : words(text) {}
    WordScanner words;
    Word held;
    bool holding = false;
    bool next(Word& word)
    {
        if (holding) {
            holding = false;
            word = held;
            return true;
        }
        return words.next(word);
    }
    // The next word unless it is a keyword (which stays for the main loop).
    bool nextValue(Word& word)
    {
        if (!next(word))
            return false;
        if (isKeyword(word.text)) {
            held = word;
            holding = true;
            return false;
        }
        return true;
    }
};

struct Parse {
    CharacterRecord record;
    int parseSlot = 0;
    std::array<bool, animStateCount> clipRead{};
    int spriteBlocks = 0;
};

void readSprites(Reader& in, const Word& keyword, Parse& parse)
{
    CharacterRecord& record = parse.record;
    Word word;
    int count = 0;
    if (!in.nextValue(word) || !parseIntWord(word.text, count) || count < 0) {
        record.problems.push_back(
            {keyword.line, "SPRITES is not followed by a frame count; the block is skipped"});
        return;
    }
    if (++parse.spriteBlocks == 2)
        record.problems.push_back({keyword.line, "a second SPRITES block replaces the frames listed before"});
    if (count > maxFrames) {
        record.problems.push_back({word.line, "SPRITES " + quotedWord(word.text) + " is more than " +
                                                  std::to_string(maxFrames) + " frames; the rest are ignored"});
        count = maxFrames;
    }
    record.framePaths.clear();
    if (count == 0)
        record.problems.push_back({word.line, "SPRITES 0 lists no frames; the fighter is drawn as a box"});
    int refused = 0;
    Word firstRefused;
    std::string why;
    while (static_cast<int>(record.framePaths.size()) < count && in.nextValue(word)) {
        const std::string problem = listedPathProblem(word.text);
        if (!problem.empty() && refused++ == 0) {
            firstRefused = word;
            why = problem;
        }
        record.framePaths.emplace_back(problem.empty() ? std::string(word.text) : std::string());
    }
    if (refused > 0)
        record.problems.push_back({firstRefused.line, std::to_string(refused) + " picture paths are refused (" +
                                                          quotedWord(firstRefused.text, 64) + " " + why +
                                                          "); those frames are drawn as a box"});
    if (static_cast<int>(record.framePaths.size()) < count)
        record.problems.push_back({keyword.line, "SPRITES " + std::to_string(count) + " lists only " +
                                                     std::to_string(record.framePaths.size()) + " pictures"});
}

void readClip(Reader& in, const Word& keyword, Parse& parse)
{
    CharacterRecord& record = parse.record;
    Word word;
    if (!in.nextValue(word)) {
        record.problems.push_back({keyword.line, "ANIM is not followed by a clip"});
        return;
    }
    bool known = false;
    for (const ClipKeyword& clip : clipKeywords)
        if (word.text == clip.word) {
            parse.parseSlot = static_cast<int>(clip.state);
            known = true;
        }
    const std::size_t slot = static_cast<std::size_t>(parse.parseSlot);
    if (!known)
        record.problems.push_back({word.line, quotedWord(word.text) + " is not a clip name; its numbers go to " +
                                                  clipName(slot) + ", the clip named before"});
    Animation& clip = record.clips[slot];
    parse.clipRead[slot] = true;
    int* frames[2] = {&clip.first, &clip.last};
    for (int i = 0; i < 3; ++i) {
        if (!in.nextValue(word)) {
            record.problems.push_back({keyword.line, std::string("the clip ") + clipName(slot) + " ends early"});
            return;
        }
        const bool good = i < 2 ? parseIntWord(word.text, *frames[i]) : parseFloatWord(word.text, clip.duration);
        if (!good)
            record.problems.push_back({word.line, quotedWord(word.text) + " is not " +
                                                      (i < 2 ? "a frame number" : "a length in seconds") +
                                                      " of the clip " + clipName(slot)});
    }
    if (!in.nextValue(word))
        return;
    if (word.text == "LOOP" || word.text == "ONCE")
        clip.mode = word.text == "ONCE" ? 1 : 0;
    else
        record.problems.push_back({word.line, quotedWord(word.text) + " is not LOOP or ONCE; the clip " +
                                                  clipName(slot) + " keeps its mode"});
}

// Keeps every clip that was read inside the frames there are, with a length.
void checkClips(Parse& parse)
{
    CharacterRecord& record = parse.record;
    const int frames = static_cast<int>(record.framePaths.size());
    for (std::size_t state = 0; state < record.clips.size(); ++state) {
        if (!parse.clipRead[state])
            continue;
        Animation& clip = record.clips[state];
        if (!(clip.duration > 0.f)) {
            std::ostringstream length;
            length << clip.duration;
            record.problems.push_back(
                {0, std::string("the clip ") + clipName(state) + " lasts " + length.str() + " s; it plays in 0.4 s"});
            clip.duration = fallbackClipLength;
        }
        if (frames > 0 && !(clip.first >= 0 && clip.first < clip.last && clip.last <= frames)) {
            const int first = std::clamp(clip.first, 0, frames - 1);
            const int last = std::clamp(clip.last, first + 1, frames);
            record.problems.push_back({0, std::string("the clip ") + clipName(state) + " shows frames " +
                                              std::to_string(clip.first) + " to " + std::to_string(clip.last) +
                                              " of " + std::to_string(frames) + "; it shows " +
                                              std::to_string(first) + " to " + std::to_string(last)});
            clip.first = first;
            clip.last = last;
        }
    }
}

}  // namespace

RosterRecord parseRoster(std::string_view text)
{
    RosterRecord roster;
    WordScanner words(text);
    Word word;
    while (words.next(word)) {
        if (static_cast<int>(roster.files.size()) == characterSlotCount) {
            roster.problems.push_back({word.line, "only the first 8 character files are used"});
            break;
        }
        const std::string refused = listedPathProblem(word.text);
        if (!refused.empty())
            roster.problems.push_back({word.line, "the character file " + quotedWord(word.text, 64) + " " + refused +
                                                      "; slot " + std::to_string(roster.files.size() + 1) +
                                                      " is drawn as a box"});
        roster.files.emplace_back(refused.empty() ? std::string(word.text) : std::string());
    }
    const std::size_t listed = roster.files.size();
    if (listed < static_cast<std::size_t>(characterSlotCount))
        roster.problems.push_back({0, "lists " + std::to_string(listed) +
                                          " character files where 8 are needed; slots " +
                                          std::to_string(listed + 1) + " to 8 are drawn as boxes"});
    return roster;
}

CharacterRecord parseCharacterFile(std::string_view text)
{
    Parse parse;
    Reader in(text);
    Word word;
    while (in.next(word)) {
        if (word.text == "SPRITES")
            readSprites(in, word, parse);
        else if (word.text == "ANIM")
            readClip(in, word, parse);
    }
    if (parse.spriteBlocks == 0)
        parse.record.problems.push_back({0, "lists no SPRITES; the fighter is drawn as a box"});
    checkClips(parse);
    return std::move(parse.record);
}

bool readRosterFile(RosterRecord& roster)
{
    return readRecordFile(rosterPath, roster, "every fighter is drawn as a box", "Error Loading perso.txt\n",
                          parseRoster);
}

bool readCharacterFile(const std::string& path, CharacterRecord& record)
{
    return readRecordFile(path, record, "the fighter is drawn as a box", "Error Loading " + path + "\n",
                          parseCharacterFile);
}
