#include "screens/HostPage.h"

#include "online/OnlineLevel.h"
#include "screens/LocalAddresses.h"

namespace {

const char* const digits = "0123456789";

int levelCount(const HostPage& page)
{
    return 1 + static_cast<int>(page.customLevels.size());
}

void stepRow(HostPage& page, int step)
{
    const int row = (static_cast<int>(page.row) + step + hostRowCount) % hostRowCount;
    page.row = static_cast<HostRow>(row);
}

// Left and right on the mode and level rows; a kill race has its own arena.
void stepChoice(HostPage& page, int step)
{
    if (page.row == HostRow::Mode)
        page.mode = page.mode == ReplayMode::Classic ? ReplayMode::Caa : ReplayMode::Classic;
    else if (page.row == HostRow::Level && page.mode == ReplayMode::Classic)
        page.level = (page.level + step + levelCount(page)) % levelCount(page);
}

// The port's digits while the pad edits them: A or B ends the edit.
PageOutcome editPort(HostPage& page, const MenuCommand& command)
{
    switch (command.kind) {
    case MenuCommandKind::Up: stepCharacter(page.port, 1); break;
    case MenuCommandKind::Down: stepCharacter(page.port, -1); break;
    case MenuCommandKind::Left: moveCursor(page.port, -1); break;
    case MenuCommandKind::Right: moveCursor(page.port, 1); break;
    case MenuCommandKind::EraseUnder: eraseUnder(page.port); break;
    case MenuCommandKind::EraseBefore: eraseBefore(page.port); break;
    case MenuCommandKind::Type: typeCharacter(page.port, command.character); break;
    case MenuCommandKind::Confirm:
    case MenuCommandKind::Back: page.editingPort = false; break;
    case MenuCommandKind::None: break;
    }
    return PageOutcome::Stay;
}

// Keys on the port row type into it; its arrows move the cursor.
bool portKey(HostPage& page, const MenuCommand& command)
{
    switch (command.kind) {
    case MenuCommandKind::Type: typeCharacter(page.port, command.character); return true;
    case MenuCommandKind::EraseBefore: eraseBefore(page.port); return true;
    case MenuCommandKind::EraseUnder: eraseUnder(page.port); return true;
    case MenuCommandKind::Left: moveCursor(page.port, -1); return true;
    case MenuCommandKind::Right: moveCursor(page.port, 1); return true;
    default: return false;
    }
}

}  // namespace

void openHostPage(HostPage& page)
{
    if (page.port.alphabet.empty())
        page.port = makeTypedLine(digits, portDigits, std::to_string(onlineDefaultPort));
    // The custom levels as the level choice lists them; a damaged list says so on standard error.
    const CustomLevelList list = loadCustomLevelList();
    reportProblems(shownPath(customListPath), list.problems);
    page.customLevels = list.entries;
    if (page.customLevels.size() > static_cast<std::size_t>(maxCustomLevels))
        page.customLevels.resize(static_cast<std::size_t>(maxCustomLevels));
    if (page.level >= levelCount(page))
        page.level = 0;
    page.addresses = localIPv4Addresses();
    page.row = HostRow::Port;
    page.editingPort = false;
}

PageOutcome hostCommand(HostPage& page, const MenuCommand& command)
{
    if (page.editingPort)
        return editPort(page, command);
    if (page.row == HostRow::Port && portKey(page, command))
        return PageOutcome::Stay;
    switch (command.kind) {
    case MenuCommandKind::Up: stepRow(page, -1); break;
    case MenuCommandKind::Down: stepRow(page, 1); break;
    case MenuCommandKind::Left: stepChoice(page, -1); break;
    case MenuCommandKind::Right: stepChoice(page, 1); break;
    case MenuCommandKind::Back: return PageOutcome::Back;
    case MenuCommandKind::Confirm:
        if (page.row == HostRow::Start)
            return PageOutcome::Start;
        if (page.row == HostRow::Port && command.fromPad)
            page.editingPort = true;
        else
            stepRow(page, 1);
        break;
    default: break;
    }
    return PageOutcome::Stay;
}

std::string hostLevelName(const HostPage& page)
{
    if (page.mode == ReplayMode::Caa)
        return "caa";
    if (page.level <= 0 || page.level >= levelCount(page))
        return "Jungle";
    return page.customLevels[static_cast<std::size_t>(page.level - 1)].displayName;
}

int hostLevelChoices(const HostPage& page)
{
    return page.mode == ReplayMode::Classic ? levelCount(page) : 1;
}

std::optional<OnlineRequest> hostRequest(const HostPage& page, std::uint8_t ownKind, std::uint64_t seed,
                                         std::string& problem)
{
    OnlineRequest request;
    std::string unused;
    if (readNetOption("--host", page.port.text, request.net, unused) != NetOptionRead::Read) {
        problem = "The port must be a number from 1 to 65535";
        return std::nullopt;
    }
    MatchSetup& setup = request.setup;
    setup.mode = page.mode;
    setup.levelName = hostLevelName(page);
    if (page.mode == ReplayMode::Classic && page.level > 0 && page.level < levelCount(page)) {
        const CustomLevelEntry& entry = page.customLevels[static_cast<std::size_t>(page.level - 1)];
        problem = putCustomLevel(setup, entry.path, entry.displayName);
        if (!problem.empty())
            return std::nullopt;
    }
    setup.kinds[0] = ownKind;
    setup.seed = seed;
    request.ownKind = ownKind;
    return request;
}
