#include "screens/JoinPage.h"

#include "screens/HostPage.h"

namespace {

const char* const addressCharacters = "0123456789.:";

}  // namespace

void openJoinPage(JoinPage& page)
{
    if (page.address.alphabet.empty())
        page.address = makeTypedLine(addressCharacters, joinAddressLimit);
    page.address.cursor = page.address.text.size();
}

PageOutcome joinCommand(JoinPage& page, const MenuCommand& command)
{
    TypedLine& line = page.address;
    switch (command.kind) {
    case MenuCommandKind::Up: stepCharacter(line, 1); break;
    case MenuCommandKind::Down: stepCharacter(line, -1); break;
    case MenuCommandKind::Left: moveCursor(line, -1); break;
    case MenuCommandKind::Right: moveCursor(line, 1); break;
    case MenuCommandKind::EraseBefore: eraseBefore(line); break;
    case MenuCommandKind::EraseUnder: eraseUnder(line); break;
    case MenuCommandKind::Type: typeCharacter(line, command.character); break;
    case MenuCommandKind::Confirm: return PageOutcome::Start;
    case MenuCommandKind::Back: return PageOutcome::Back;
    case MenuCommandKind::None: break;
    }
    return PageOutcome::Stay;
}

std::optional<OnlineRequest> joinRequest(const std::string& typed, std::uint8_t ownKind, std::string& problem)
{
    if (typed.empty()) {
        problem = "Type the host's address first, as 192.168.1.20";
        return std::nullopt;
    }
    const std::string full = typed.find(':') == std::string::npos ? typed + ":" + std::to_string(onlineDefaultPort)
                                                                   : typed;
    OnlineRequest request;
    std::string unused;
    if (typed.size() > joinAddressLimit ||
        readNetOption("--join", full, request.net, unused) != NetOptionRead::Read) {
        problem = typed.substr(0, joinAddressLimit) +
                  " is not an address: four numbers 0-255 with dots, then :PORT (1-65535) if not " +
                  std::to_string(onlineDefaultPort);
        return std::nullopt;
    }
    request.ownKind = ownKind;
    return request;
}
