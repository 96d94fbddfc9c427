#pragma once

#include "net/ControlMessage.h"

#include <string>

// The custom level at `path` (shown as `shownName`) put into the host's
// `setup`: its files read from disk once (both sides then play these bytes,
// the host included), and checked as the joiner will read them. "" when done,
// otherwise why it cannot be played online.
std::string putCustomLevel(MatchSetup& setup, const std::string& path, const std::string& shownName);
