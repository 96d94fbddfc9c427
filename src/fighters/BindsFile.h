#pragma once

#include "fighters/Bindings.h"
#include "resources/TextFile.h"
#include "settings/KeyNames.h"

#include <string>
#include <string_view>

extern const char* const bindsReadPath;
extern const char* const bindsWritePath;

// Both players' bindings as the binds file gives them.
struct BindsRecord {
    BindingTable players[2];
    Problems problems;
};

// Reads the 24 numbers of a binds file (per player 5 buttons, then 7 keys).
// Every number that is missing, not a number, or not a key code or button
// the input source knows keeps the default binding of its action, and says
// so using `names`; every good number is kept.
BindsRecord parseBindings(std::string_view text, const KeyNames& names);

// Reads "assets/settings/Binds.txt". A file that cannot be read prints
// "Load error" and gives both players the default bindings. False then.
bool readBindsFile(const KeyNames& names, BindsRecord& record);
