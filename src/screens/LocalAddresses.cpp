#include "screens/LocalAddresses.h"

#include <algorithm>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

namespace {

bool loopback(const std::string& address)
{
    return address.rfind("127.", 0) == 0;
}

}  // namespace

std::vector<std::string> orderedAddresses(const std::vector<std::string>& found)
{
    std::vector<std::string> ordered;
    for (bool wantLoopback : {false, true})
        for (const std::string& address : found)
            if (loopback(address) == wantLoopback &&
                std::find(ordered.begin(), ordered.end(), address) == ordered.end())
                ordered.push_back(address);
    if (ordered.size() > maxShownAddresses)
        ordered.resize(maxShownAddresses);
    return ordered;
}

std::vector<std::string> localIPv4Addresses()
{
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return {};
    std::vector<std::string> found;
    for (const ifaddrs* entry = list; entry; entry = entry->ifa_next) {
        if (!entry->ifa_addr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        char text[INET_ADDRSTRLEN] = {};
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        if (inet_ntop(AF_INET, &address->sin_addr, text, sizeof text))
            found.emplace_back(text);
    }
    freeifaddrs(list);
    return orderedAddresses(found);
}
