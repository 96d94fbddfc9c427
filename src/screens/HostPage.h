#pragma once

#include "level/CustomLevelList.h"
#include "online/OnlineStart.h"
#include "screens/MenuCommand.h"
#include "screens/TypedLine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The port online play listens on unless the host types another.
constexpr std::uint16_t onlineDefaultPort = 7311;
constexpr std::size_t portDigits = 5;

// The host page's rows, top to bottom.
enum class HostRow { Port = 0, Mode = 1, Level = 2, Start = 3 };
constexpr int hostRowCount = 4;

// What the host chooses before waiting for the other player: the port, the
// mode and, for a classic match, the level: the Jungle or one of the player's
// custom levels, whose files travel to the joiner with the match set-up.
struct HostPage {
    TypedLine port;
    ReplayMode mode = ReplayMode::Classic;
    int level = 0;  // 0 Jungle, k the custom level customLevels[k - 1]
    std::vector<CustomLevelEntry> customLevels;
    std::vector<std::string> addresses;  // this machine's, to tell the other player
    HostRow row = HostRow::Port;
    bool editingPort = false;  // the pad's up and down change the port's digits
};

// Opens the page: the levels and this machine's addresses as they are now;
// the port, mode and level chosen last time stay.
void openHostPage(HostPage& page);
// One command on the page: rows up and down, the mode and level left and
// right, the port typed (or, with the pad, edited in place after A), Start
// on the last row.
PageOutcome hostCommand(HostPage& page, const MenuCommand& command);

// The name of the chosen level as the page shows it and the set-up sends it.
std::string hostLevelName(const HostPage& page);
// How many levels the level row offers in the chosen mode (its arrows show only past one).
int hostLevelChoices(const HostPage& page);

// The request the page makes: hosting on its port with its mode and level,
// this side's fighter `ownKind` and the match `seed`. Nothing, and a line in
// `problem`, when the port is not one or the custom level cannot be played.
std::optional<OnlineRequest> hostRequest(const HostPage& page, std::uint8_t ownKind, std::uint64_t seed,
                                         std::string& problem);
