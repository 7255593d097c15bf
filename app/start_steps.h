// The moments of the game's start, from main to its window shown, for the benchmark that prints
// them. The game itself passes no recorder and pays nothing for it.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace gachapoko {

class StartSteps {
public:
    using Clock = std::chrono::steady_clock;
    struct Step {
        std::string name;
        Clock::time_point end;
    };

    StartSteps() : m_begin(Clock::now()) {}

    // `name` is the step that has just ended.
    void done(std::string name) { m_steps.push_back({std::move(name), Clock::now()}); }
    Clock::time_point begin() const { return m_begin; }
    const std::vector<Step>& steps() const { return m_steps; }

private:
    Clock::time_point m_begin;
    std::vector<Step> m_steps;
};

inline void stepDone(StartSteps* steps, const char* name) {
    if (steps != nullptr) {
        steps->done(name);
    }
}

} // namespace gachapoko
