#pragma once

#include "net/RollbackSession.h"

#include <array>
#include <cstdint>
#include <utility>

// What the steps of an online match gave (sounds, announcer cues), held until
// the step is confirmed: a step played on a wrong guess and played again
// keeps only what its last run gave, and nothing is handed on twice.
template <typename Events>
class ConfirmedEvents {
public:
    // Keeps what step `step` gave, in place of what an earlier run of it gave.
    void put(std::uint32_t step, Events events)
    {
        slots_[step % slots_.size()] = {step, std::move(events)};
    }

    // Hands `use` the events of every step below `confirmed` not handed on
    // yet, in step order. Called every frame, so none is overwritten first.
    template <typename Use>
    void release(std::uint32_t confirmed, Use&& use)
    {
        for (; released_ < confirmed; ++released_) {
            auto& slot = slots_[released_ % slots_.size()];
            if (slot.first == released_)
                use(released_, slot.second);
        }
    }

private:
    std::array<std::pair<std::uint32_t, Events>, savedWorldCount> slots_{};
    std::uint32_t released_ = 0;
};
