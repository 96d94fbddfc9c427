#pragma once

// The crate that falls into the live section and opens into an item.
struct Crate {
    bool alive = true;
};
