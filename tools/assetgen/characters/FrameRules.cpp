#include "characters/FrameRules.h"

KindRules kindRules(Kind kind)
{
    KindRules rules;
    switch (kind) {
    case Kind::Napollo:
        rules.hits[0] = {20, 23};
        rules.hits[1] = {34, 36};
        rules.parry = {46, 47};
        break;
    case Kind::Atoola:
        rules.hits[0] = {20, 23};
        rules.hits[1] = {33, 35};
        rules.parry = {46, 47};
        break;
    case Kind::Gigachill:
        rules.hits[0] = {17, 19};
        rules.hits[1] = {27, 29};
        rules.parry = {38, 39};
        rules.impact = 46;
        rules.pound = {48, 49};
        break;
    case Kind::Swapper:
        rules.parry = {54, 57};
        break;
    }
    return rules;
}

Beat beatOf(const FrameSlot& slot, FrameWindow window)
{
    const int clipFirst = slot.frame - slot.index;
    const int clipLast = clipFirst + slot.length - 1;
    if (window.first < clipFirst || window.last > clipLast) {
        // The clip holds no such window (the Swapper's harmless swing): split
        // the clip into thirds instead.
        const int third = slot.length / 3;
        window = {clipFirst + third, clipFirst + slot.length - 1 - third};
    }
    if (slot.frame < window.first) {
        const int count = window.first - clipFirst;
        return {Stage::Before, static_cast<float>(slot.frame - clipFirst + 1) / static_cast<float>(count)};
    }
    if (slot.frame <= window.last) {
        const int count = window.last - window.first + 1;
        return {Stage::During,
                count > 1 ? static_cast<float>(slot.frame - window.first) / static_cast<float>(count - 1) : 0.5f};
    }
    const int count = clipLast - window.last;
    return {Stage::After, static_cast<float>(slot.frame - window.last) / static_cast<float>(count + 1)};
}
