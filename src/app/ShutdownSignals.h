#pragma once

// Ctrl-C in the terminal (SIGINT), a log-out or `kill` (SIGTERM) and a closed
// terminal (SIGHUP) end the frame loop at the next frame instead of killing
// the program, so that it saves the player's settings and bindings as when
// the window is closed.

// Installs the handlers; the program calls this once before its loop.
void catchShutdownSignals();

// True once one of those signals arrived.
bool shutdownRequested();
