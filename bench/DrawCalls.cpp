#include "DrawCalls.h"

#include <GL/gl.h>
#include <dlfcn.h>

namespace {

long calls = 0;

}  // namespace

long drawCallCount()
{
    return calls;
}

// The program's own definition comes first in the symbol search, so the
// graphics library's calls land here; the library's one is found next.
extern "C" void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    using DrawArrays = void (*)(GLenum, GLint, GLsizei);
    static const DrawArrays next = reinterpret_cast<DrawArrays>(dlsym(RTLD_NEXT, "glDrawArrays"));
    ++calls;
    next(mode, first, count);
}
