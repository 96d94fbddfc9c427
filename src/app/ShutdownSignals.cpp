#include "app/ShutdownSignals.h"

#include <csignal>
#include <initializer_list>

#include <signal.h>

namespace {

// Written by the handler, read by the frame loop: the one kind of state a
// signal handler may touch.
volatile std::sig_atomic_t requested = 0;

extern "C" void onShutdownSignal(int)
{
    requested = 1;
}

}  // namespace

void catchShutdownSignals()
{
    struct sigaction action = {};
    action.sa_handler = onShutdownSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // reads and waits in progress carry on
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

bool shutdownRequested()
{
    return requested != 0;
}
