#pragma once

// Every fixed time the game waits for, in milliseconds, in one place.
namespace durations {

inline constexpr int HintDelay = 1000;        // before a control's hint appears
inline constexpr int AnimTimerInterval = 10;  // the full-window movie's end test

}  // namespace durations
