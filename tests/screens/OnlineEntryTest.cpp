// What the online screens take from a player before anything is sent: the
// address and port typed with keys or a pad, and the requests made from
// them, refused with a reason when they could not reach anyone.
#include "screens/HostPage.h"
#include "screens/JoinPage.h"
#include "screens/LocalAddresses.h"
#include "support/Headless.h"

#include <gtest/gtest.h>

namespace {

TypedLine addressLine(const std::string& text = "")
{
    JoinPage page;
    openJoinPage(page);
    for (char c : text)
        typeCharacter(page.address, static_cast<unsigned char>(c));
    return page.address;
}

}  // namespace

TEST(OnlineEntry, KeysTypeOnlyAddressCharactersEditAtTheCursorAndStopAtTheLimit)
{
    TypedLine line = addressLine();
    for (char c : std::string("12a7. 0-:/x9"))
        typeCharacter(line, static_cast<unsigned char>(c));
    EXPECT_EQ(line.text, "127.0:9");
    EXPECT_FALSE(typeCharacter(line, 0x00E9));  // nothing outside plain ASCII either
    // Backspace takes the character before the cursor, Delete the one under it.
    moveCursor(line, -2);
    eraseBefore(line);
    EXPECT_EQ(line.text, "127.:9");
    EXPECT_EQ(line.cursor, 4u);
    eraseUnder(line);
    EXPECT_EQ(line.text, "127.9");
    typeCharacter(line, '0');
    typeCharacter(line, '.');
    typeCharacter(line, '0');
    typeCharacter(line, '.');
    EXPECT_EQ(line.text, "127.0.0.9");
    // The cursor stays within the line, and erasing at its ends does no harm.
    moveCursor(line, -100);
    EXPECT_EQ(line.cursor, 0u);
    eraseBefore(line);
    moveCursor(line, 100);
    EXPECT_EQ(line.cursor, line.text.size());
    eraseUnder(line);  // past the end: the last character goes
    EXPECT_EQ(line.text, "127.0.0.");
    // The longest address and port fits; nothing more gets in.
    line = addressLine("255.255.255.255:65535");
    EXPECT_EQ(line.text.size(), joinAddressLimit);
    EXPECT_FALSE(typeCharacter(line, '1'));
    stepCharacter(line, 1);
    EXPECT_EQ(line.text, "255.255.255.255:65535");
}

TEST(OnlineEntry, ThePadStepsTheMarkedCharacterRoundTheAlphabetAndAddsAtTheEnd)
{
    TypedLine line = addressLine();
    stepCharacter(line, 1);  // the free place: a new character, the alphabet's first
    EXPECT_EQ(line.text, "0");
    stepCharacter(line, 1);
    EXPECT_EQ(line.text, "1");
    stepCharacter(line, -1);
    stepCharacter(line, -1);  // down from the first: round to the last
    EXPECT_EQ(line.text, ":");
    moveCursor(line, 1);
    stepCharacter(line, -1);  // a new character going down starts from the last
    EXPECT_EQ(line.text, "::");
    EXPECT_EQ(line.cursor, 1u);
    // Editing in the middle leaves the rest alone.
    line = addressLine("10.0.0.9");
    moveCursor(line, -1);
    stepCharacter(line, -1);
    moveCursor(line, -7);
    stepCharacter(line, 1);
    EXPECT_EQ(line.text, "20.0.0.8");
    // The host's port takes digits only, five at most.
    HostPage host;
    enterFreshRunFolder();
    openHostPage(host);
    EXPECT_EQ(host.port.text, "7311");
    EXPECT_FALSE(typeCharacter(host.port, '.'));
    typeCharacter(host.port, '5');
    EXPECT_FALSE(typeCharacter(host.port, '5'));
    EXPECT_EQ(host.port.text, "73115");
}

TEST(OnlineEntry, OnlyAnAddressWithAPortItCanReachIsJoined)
{
    std::string problem;
    const std::optional<OnlineRequest> full = joinRequest("192.168.1.20:7400", 2, problem);
    ASSERT_TRUE(full) << problem;
    EXPECT_EQ(full->net.role, NetRole::Join);
    EXPECT_EQ(full->net.address, "192.168.1.20");
    EXPECT_EQ(full->net.port, 7400);
    EXPECT_EQ(full->ownKind, 2);
    const std::optional<OnlineRequest> noPort = joinRequest("127.0.0.1", 1, problem);
    ASSERT_TRUE(noPort) << problem;
    EXPECT_EQ(noPort->net.port, onlineDefaultPort);
    for (const char* bad : {"", "127.0.0", "300.1.1.1", ":7311", "1.2.3.4:", "1.2.3.4:0", "1.2.3.4:99999",
                            "1.2.3.4::7311", "1..2.3", "255.255.255.255:655355"}) {
        problem.clear();
        EXPECT_FALSE(joinRequest(bad, 1, problem)) << bad;
        EXPECT_FALSE(problem.empty()) << bad;
        EXPECT_NE(problem.find(std::string(bad).empty() ? "Type the host's address" : "is not an address"),
                  std::string::npos)
            << problem;
    }
}

TEST(OnlineEntry, TheHostAsksForItsPortModeAndLevelAndTellsItsAddressesLoopbackLast)
{
    enterFreshRunFolder();
    HostPage page;
    openHostPage(page);
    std::string problem;
    std::optional<OnlineRequest> jungle = hostRequest(page, 2, 99, problem);
    ASSERT_TRUE(jungle) << problem;
    EXPECT_EQ(jungle->net.role, NetRole::Host);
    EXPECT_EQ(jungle->net.port, onlineDefaultPort);
    EXPECT_EQ(jungle->setup.mode, ReplayMode::Classic);
    EXPECT_EQ(jungle->setup.levelName, "Jungle");
    EXPECT_TRUE(jungle->setup.levelFiles.empty());  // the game's own level is not sent
    EXPECT_EQ(hostLevelChoices(page), 1) << "no custom level yet: the Jungle alone, no arrows";
    EXPECT_EQ(jungle->setup.kinds[0], 2);
    EXPECT_EQ(jungle->setup.seed, 99u);
    EXPECT_EQ(jungle->ownKind, 2);
    page.mode = ReplayMode::Caa;
    page.level = 5;  // no such level: a kill race has its arena anyway
    std::optional<OnlineRequest> caa = hostRequest(page, 1, 7, problem);
    ASSERT_TRUE(caa) << problem;
    EXPECT_EQ(caa->setup.mode, ReplayMode::Caa);
    EXPECT_EQ(caa->setup.levelName, "caa");
    for (const char* port : {"", "0", "65536", "99999"}) {
        page.port = makeTypedLine("0123456789", portDigits, port);
        problem.clear();
        EXPECT_FALSE(hostRequest(page, 1, 7, problem)) << port;
        EXPECT_NE(problem.find("1 to 65535"), std::string::npos) << problem;
    }

    EXPECT_EQ(orderedAddresses({"127.0.0.1", "10.0.0.5", "192.168.1.4", "10.0.0.5", "127.0.1.1"}),
              (std::vector<std::string>{"10.0.0.5", "192.168.1.4", "127.0.0.1", "127.0.1.1"}));
    EXPECT_EQ(orderedAddresses(std::vector<std::string>(20, "10.0.0.1")).size(), 1u);
    std::vector<std::string> many;
    for (int i = 0; i < 20; ++i)
        many.push_back("10.0.0." + std::to_string(i));
    EXPECT_EQ(orderedAddresses(many).size(), maxShownAddresses);
    // This machine answers on its loopback at least, and says it last.
    const std::vector<std::string> here = localIPv4Addresses();
    ASSERT_FALSE(here.empty());
    EXPECT_EQ(here.back().rfind("127.", 0), 0u) << here.back();
}
