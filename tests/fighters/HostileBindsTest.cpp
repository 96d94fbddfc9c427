#include "fighters/BindsFile.h"
#include "support/HostileFiles.h"

#include <gtest/gtest.h>

// Hostile Binds.txt files: good numbers are kept, each bad one defaults
// its own action and says which.

namespace {

using Row = HostileRow<BindsRecord>;

const std::string good = "9 8 7 6 4\n0 1 2 3 4 5 6\n4 3 2 1 0\n10 11 12 13 14 15 16\n";

// The letters name key codes 0..25, as the shipped name file does.
KeyNames someNames()
{
    KeyNames names;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        names.keys.emplace_back(1, letter);
    names.buttons = {"A", "B", "X", "Y"};
    return names;
}

// The record as `good` with the entries `changes` makes.
std::function<void(const BindsRecord&)> bindingsAre(std::function<void(BindingTable*)> changes)
{
    return [changes](const BindsRecord& record) {
        BindingTable expected[2] = {{{0, 1, 2, 3, 4, 5, 6}, {9, 8, 7, 6, 4}},
                                    {{10, 11, 12, 13, 14, 15, 16}, {4, 3, 2, 1, 0}}};
        changes(expected);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(record.players[i].keys, expected[i].keys) << "P" << i + 1;
            EXPECT_EQ(record.players[i].buttons, expected[i].buttons) << "P" << i + 1;
        }
    };
}

std::function<void(const BindsRecord&)> defaultsEverywhere()
{
    return bindingsAre([](BindingTable* tables) {
        tables[0] = defaultBindings(0);
        tables[1] = defaultBindings(1);
    });
}

std::string withP1JumpKey(const std::string& word)
{
    return "9 8 7 6 4\n0 1 " + word + " 3 4 5 6\n4 3 2 1 0\n10 11 12 13 14 15 16\n";
}

auto p1JumpDefault = [](BindingTable* tables) { tables[0].keys[JumpKey] = defaultBindings(0).keys[JumpKey]; };

const Row bindsRows[] = {
    {"Missing", missingFile(), defaultsEverywhere(), "is missing; both players get the default bindings",
     "Load error"},
    {"FolderInPlace", folderInstead(), defaultsEverywhere(), "is a folder, not a file", "Load error"},
    {"Empty", bytesFile(""), defaultsEverywhere(), "the file ends before its controller button; P1 Jump button keeps A",
     ""},
    {"TruncatedMidLine", bytesFile(good.substr(0, good.size() - 10)),
     bindingsAre([](BindingTable* tables) {
         for (int key : {ParryKey, SkillKey, UseItemKey})
             tables[1].keys[static_cast<std::size_t>(key)] = defaultBindings(1).keys[static_cast<std::size_t>(key)];
     }),
     "the file ends before its key code; P2 Parry keeps 77", ""},
    {"HugeNumber", bytesFile(withP1JumpKey("1e308")), bindingsAre(p1JumpDefault),
     "2: \"1e308\" is not a key code; P1 Jump keeps W", ""},
    {"Nan", bytesFile(withP1JumpKey("nan")), bindingsAre(p1JumpDefault), "\"nan\" is not a key code", ""},
    {"Word", bytesFile(withP1JumpKey("space")), bindingsAre(p1JumpDefault), "\"space\" is not a key code", ""},
    {"IntMax", bytesFile(withP1JumpKey("2147483647")), bindingsAre(p1JumpDefault),
     "\"2147483647\" is no key code (0 to 100); P1 Jump keeps W", ""},
    {"IntMin", bytesFile(withP1JumpKey("-2147483648")), bindingsAre(p1JumpDefault), "is no key code (0 to 100)",
     ""},
    {"MinusOne", bytesFile(withP1JumpKey("-1")), bindingsAre(p1JumpDefault), "\"-1\" is no key code", ""},
    {"ButtonPastThePad", bytesFile("9 8 7 6 40\n0 1 2 3 4 5 6\n4 3 2 1 0\n10 11 12 13 14 15 16\n"),
     bindingsAre([](BindingTable* tables) { tables[0].buttons[UseItemButton] = 5; }),
     "1: \"40\" is no controller button (0 to 31); P1 Use Item button keeps 5", ""},
    {"ByteOrderMark", bytesFile(byteOrderMark + good), bindingsAre([](BindingTable*) {}), "", ""},
    {"Crlf", bytesFile("9 8 7 6 4 \r\n0 1 2 3 4 5 6 \r\n4 3 2 1 0 \r\n10 11 12 13 14 15 16 \r\n"),
     bindingsAre([](BindingTable*) {}), "", ""},
    {"ExtraNumbers", bytesFile(good + "17 18\n"), bindingsAre([](BindingTable*) {}),
     "5: everything after the 24th number is ignored", ""},
    {"RandomBytes", bytesFile(randomBytes(4096)), defaultsEverywhere(), "is not a controller button", ""},
    {"OneMegabyteLine", bytesFile(good + oneLongLine(1u << 18, "0")), bindingsAre([](BindingTable*) {}),
     "everything after the 24th number is ignored", ""},
};

class HostileBinds : public testing::TestWithParam<Row> {};

}  // namespace

TEST_P(HostileBinds, KeepsTheGoodBindingsAndSaysWhichFellBack)
{
    checkHostileRow(GetParam(), "Assets/settings/Binds.txt", [](BindsRecord& record) {
        readBindsFile(someNames(), record);
        return record.problems;
    });
}

INSTANTIATE_TEST_SUITE_P(Table, HostileBinds, testing::ValuesIn(bindsRows), RowName());
