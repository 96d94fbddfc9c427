// A probe preloaded into the real program (LD_PRELOAD) to measure it as a
// player runs it: it stands in for glXSwapBuffers, counts presented frames
// and writes to stderr, every two seconds, the frames per second and the
// resident memory (VmRSS, VmHWM from /proc/self/status); and once, the time
// from the program's start to its first presented frame.
#include <GL/glx.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;
const double reportEvery = 2.0;  // s

Clock::time_point started = Clock::now();
Clock::time_point windowStart;
long frames = 0;
bool firstShown = false;

long statusKb(const char* field)
{
    std::FILE* file = std::fopen("/proc/self/status", "r");
    if (!file)
        return -1;
    char line[256];
    long kb = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, file))
        if (std::strncmp(line, field, length) == 0)
            std::sscanf(line + length + 1, "%ld", &kb);
    std::fclose(file);
    return kb;
}

double since(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable)
{
    using Swap = void (*)(Display*, GLXDrawable);
    static const Swap next = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    next(display, drawable);
    if (!firstShown) {
        firstShown = true;
        std::fprintf(stderr, "probe: first frame %.3f s after start\n", since(started));
        windowStart = Clock::now();
    }
    ++frames;
    const double window = since(windowStart);
    if (window >= reportEvery) {
        std::fprintf(stderr, "probe: %.2f fps, VmRSS %ld MB, VmHWM %ld MB\n", double(frames) / window,
                     statusKb("VmRSS") / 1024, statusKb("VmHWM") / 1024);
        frames = 0;
        windowStart = Clock::now();
    }
}
