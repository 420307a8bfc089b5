#pragma once

#include <QString>

// A PulseAudio server of the tests' own, whose only output is a null sink.
namespace fibwick::sound_testing {

// Why the server could not be started; empty once it runs and the environment points at it.
extern QString NullSinkProblem;

}  // namespace fibwick::sound_testing
