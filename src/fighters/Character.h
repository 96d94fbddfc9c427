#pragma once

// One character slot: the frames and animation clips of one fighter kind in
// one player colour.
struct Character {
};
