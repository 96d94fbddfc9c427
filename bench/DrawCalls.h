#pragma once

// Counts the draw calls the renderer is asked for: the benchmark program
// stands in for OpenGL's glDrawArrays and passes every call on.
long drawCallCount();
