#pragma once

#include <string>
#include <vector>

// This machine's IPv4 addresses, as the host screen tells the other player
// where to connect: each once, the loopback ones last, at most
// maxShownAddresses of them. Empty when the system will not say.
constexpr std::size_t maxShownAddresses = 6;

std::vector<std::string> localIPv4Addresses();

// The same order for any list of dotted addresses: each once, 127.x.x.x last,
// cut to maxShownAddresses.
std::vector<std::string> orderedAddresses(const std::vector<std::string>& found);
