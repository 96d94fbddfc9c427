#include "launch/FightLaunch.h"

#include <cerrno>
#include <cstdlib>
#include <set>

const char* const launchHelp =
    "usage: kestrelfall [options]   (no options: the game opens on its title screen)\n"
    "  --fight classic|caa      open straight into a fight of that mode\n"
    "  --level NAME             a classic fight's level: Jungle or a custom level's name\n"
    "  --p1 KIND, --p2 KIND     a classic fight's fighters: napollo, atoola or gigachill\n"
    "  --cpu1 STRENGTH, --cpu2 STRENGTH\n"
    "                           the computer plays that side: easy, normal or hard\n"
    "  --seed N                 the fight's seed (otherwise one is drawn)\n"
    "  --headless               play the fight with no window, computer against computer,\n"
    "                           and print its line \"winner ... time ... checksum ...\"\n"
    "  --replay FILE            open the game straight into a replay\n"
    "  --check-replay FILE      play a replay with no window and say whether it went as recorded\n"
    "online (the host's --fight, --level and --seed choose the match; --p1 and --cpu1 are\n"
    "this side's own fighter; --headless plays it with --cpu1):\n";

namespace {

constexpr std::size_t longestLevelName = 64;  // characters
const char* const kindNames[] = {"napollo", "atoola", "gigachill"};

struct Reading {
    LaunchParse parse;
    std::set<std::string> seen;
    bool fight = false;
};

bool fail(Reading& r, const std::string& error)
{
    if (r.parse.outcome != LaunchOutcome::Bad) {
        r.parse.outcome = LaunchOutcome::Bad;
        r.parse.error = "kestrelfall: " + error;
    }
    return false;
}

// An option's word as the error line shows it.
std::string shown(const std::string& word)
{
    std::string out = "\"";
    for (char c : word.substr(0, 32))
        out += (c >= 32 && c < 127) ? c : '?';
    return out + (word.size() > 32 ? "...\"" : "\"");
}

bool readMode(Reading& r, const std::string& value)
{
    if (value != "classic" && value != "caa")
        return fail(r, "--fight " + shown(value) + " is not a mode; allowed: classic, caa");
    r.fight = true;
    r.parse.launch.mode = value == "caa" ? FightMode::Caa : FightMode::Classic;
    return true;
}

bool readLevel(Reading& r, const std::string& value)
{
    bool plain = !value.empty() && value.size() <= longestLevelName && value != "." && value != "..";
    for (char c : value)
        plain = plain && c > 32 && c < 127 && c != '/' && c != '\\';
    if (!plain)
        return fail(r, "--level " + shown(value) + " is not a level name; allowed: Jungle or a custom level's name "
                       "(1-64 printable characters, no slash)");
    r.parse.launch.level = value;
    return true;
}

bool readKind(Reading& r, const std::string& option, int player, const std::string& value)
{
    for (int kind = 0; kind < 3; ++kind)
        if (value == kindNames[kind]) {
            r.parse.launch.kinds[static_cast<std::size_t>(player)] = kind;
            return true;
        }
    return fail(r, option + " " + shown(value) + " is not a fighter; allowed: napollo, atoola, gigachill");
}

bool readStrength(Reading& r, const std::string& option, int player, const std::string& value)
{
    Strength strength = Strength::Easy;
    if (!parseStrengthWord(value, strength))
        return fail(r, option + " " + shown(value) + " is not a strength; allowed: easy, normal, hard");
    r.parse.launch.players[static_cast<std::size_t>(player)] = PlayerControl{true, strength};
    return true;
}

bool readSeed(Reading& r, const std::string& value)
{
    bool digits = !value.empty() && value.size() <= 20;
    for (char c : value)
        digits = digits && c >= '0' && c <= '9';
    errno = 0;
    const unsigned long long seed = digits ? std::strtoull(value.c_str(), nullptr, 10) : 0;
    if (!digits || errno == ERANGE)
        return fail(r, "--seed " + shown(value) + " is not a seed; allowed: a whole number 0..18446744073709551615");
    r.parse.launch.seed = seed;
    r.parse.launch.seedGiven = true;
    return true;
}

bool readValue(Reading& r, const std::string& option, const std::string& value)
{
    if (option == "--fight")
        return readMode(r, value);
    if (option == "--level")
        return readLevel(r, value);
    if (option == "--p1" || option == "--p2")
        return readKind(r, option, option == "--p1" ? 0 : 1, value);
    if (option == "--cpu1" || option == "--cpu2")
        return readStrength(r, option, option == "--cpu1" ? 0 : 1, value);
    return readSeed(r, value);
}

struct ValueOption {
    const char* name;
    const char* allowed;
};

const ValueOption valueOptions[] = {
    {"--fight", "classic, caa"},
    {"--level", "Jungle or a custom level's name"},
    {"--p1", "napollo, atoola, gigachill"},
    {"--p2", "napollo, atoola, gigachill"},
    {"--cpu1", "easy, normal, hard"},
    {"--cpu2", "easy, normal, hard"},
    {"--seed", "a whole number 0..18446744073709551615"},
};

// What the option's value may be, or null when it takes none.
const char* allowedValues(const std::string& option)
{
    for (const ValueOption& o : valueOptions)
        if (option == o.name)
            return o.allowed;
    return nullptr;
}

// Online, each side plays its own fighter as P1 of its command line; the joiner takes the host's match.
bool checkOnline(Reading& r)
{
    const FightLaunch& launch = r.parse.launch;
    if (launch.net.role == NetRole::Join && (r.fight || r.seen.count("--level") || r.seen.count("--seed")))
        return fail(r, "--join plays the host's match: leave out --fight, --level and --seed");
    if (launch.net.role == NetRole::Host && !r.fight)
        return fail(r, "--host needs the match: add --fight classic|caa");
    if (r.seen.count("--p2") || r.seen.count("--cpu2"))
        return fail(r, "online, --p1 and --cpu1 are this side's fighter; --p2 and --cpu2 are not used");
    if (launch.mode == FightMode::Caa && r.seen.count("--p1"))
        return fail(r, "--p1 is for classic fights only; the caa race chooses the fighters");
    if (launch.headless && !launch.players[0].computer)
        return fail(r, "--headless online needs this side played by the computer: add --cpu1");
    return true;
}

// Only the testing shim's options: the game opens as usual, and online play
// started from its menus sends through the shim.
bool shimAlone(const Reading& r)
{
    for (const std::string& option : r.seen)
        if (option != "--net-delay" && option != "--net-jitter" && option != "--net-loss")
            return false;
    return !r.seen.empty();
}

bool checkWhole(Reading& r)
{
    const FightLaunch& launch = r.parse.launch;
    if (launch.net.role != NetRole::None)
        return checkOnline(r);
    if (launch.net.shim.active())
        return fail(r, "--net-delay, --net-jitter and --net-loss go with --host or --join, or alone for online "
                       "play from the menus");
    if (!r.fight)
        return fail(r, "the options need --fight classic|caa");
    if (launch.mode == FightMode::Caa && !launch.level.empty())
        return fail(r, "--level is for classic fights only; the caa race has its own level");
    if (launch.mode == FightMode::Caa && (r.seen.count("--p1") || r.seen.count("--p2")))
        return fail(r, "--p1 and --p2 are for classic fights only; the caa race chooses the fighters");
    if (launch.headless && !(launch.players[0].computer && launch.players[1].computer))
        return fail(r, "--headless needs both players played by the computer: add --cpu1 and --cpu2");
    return true;
}

}  // namespace

LaunchParse parseLaunch(const std::vector<std::string>& args)
{
    Reading r;
    if (args.empty())
        return r.parse;
    for (const std::string& word : args)
        if (word == "--help" || word == "-h") {
            r.parse.outcome = LaunchOutcome::Help;
            return r.parse;
        }
    for (std::size_t i = 0; i < args.size() && r.parse.outcome != LaunchOutcome::Bad; ++i) {
        const std::string& option = args[i];
        std::string netError;
        const NetOptionRead net = readNetOption(option, i + 1 < args.size() ? args[i + 1] : "", r.parse.launch.net,
                                                netError);
        if (net != NetOptionRead::NotOurs) {
            if (net == NetOptionRead::Bad)
                fail(r, netError);
            else if (!r.seen.insert(option).second)
                fail(r, option + " is given twice");
            ++i;
            continue;
        }
        const char* allowed = allowedValues(option);
        const bool known = allowed || option == "--headless";
        if (!known)
            fail(r, "unknown option " + shown(option) + "; allowed: --fight classic|caa, --level NAME, --p1 KIND, "
                    "--p2 KIND, --cpu1 STRENGTH, --cpu2 STRENGTH, --seed N, --headless, --host PORT, "
                    "--join ADDRESS:PORT, --help");
        else if (!r.seen.insert(option).second)
            fail(r, option + " is given twice");
        else if (option == "--headless")
            r.parse.launch.headless = true;
        else if (i + 1 >= args.size())
            fail(r, option + " needs a value; allowed: " + allowed);
        else
            readValue(r, option, args[++i]);
    }
    if (r.parse.outcome != LaunchOutcome::Bad && shimAlone(r))
        return r.parse;  // LaunchOutcome::Game, with the shim
    if (r.parse.outcome != LaunchOutcome::Bad && checkWhole(r))
        r.parse.outcome = r.parse.launch.net.role == NetRole::None ? LaunchOutcome::Fight : LaunchOutcome::Online;
    return r.parse;
}
