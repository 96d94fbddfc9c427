// One frame's input poll as the program does it: the window's pending events
// (keys and mouse kept from them) and the controllers.
#include "app/Input.h"

#include <SFML/Window/Window.hpp>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_InputPoll(benchmark::State& state)
{
    sf::Window window(sf::VideoMode(640, 360), "input poll");
    InputState input;
    std::vector<sf::Event> events;
    for (auto _ : state) {
        pollFrameInput(window, input, events);
        benchmark::DoNotOptimize(input.keys[0]);
    }
}
BENCHMARK(BM_InputPoll)->Unit(benchmark::kMicrosecond);

}  // namespace
