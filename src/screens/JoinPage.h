#pragma once

#include "online/OnlineStart.h"
#include "screens/MenuCommand.h"
#include "screens/TypedLine.h"

#include <optional>
#include <string>

// "255.255.255.255:65535": the longest address and port the join page takes.
constexpr std::size_t joinAddressLimit = 21;

// The join page: the host's address and port as the player types them.
struct JoinPage {
    TypedLine address;
};

// Opens the page with the address typed last time (the first time, empty).
void openJoinPage(JoinPage& page);
// One command: characters typed or stepped with the pad, the cursor moved,
// erased; Confirm asks to join, Back to leave the page.
PageOutcome joinCommand(JoinPage& page, const MenuCommand& command);

// The request to join what `typed` names, with this side's fighter: ADDRESS
// (four numbers with dots) then ":PORT", the port onlineDefaultPort when
// left out. Nothing, and a line in `problem` saying what to type, when it is
// not an address.
std::optional<OnlineRequest> joinRequest(const std::string& typed, std::uint8_t ownKind, std::string& problem);
