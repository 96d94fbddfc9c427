#pragma once

// One of the two flags of the classic mode.
struct Flag {
    bool carried = false;
};
