#pragma once

#include "core/runtime_failure.h"

// Ending the program unwinds through this one exception, so that the event
// loop (or a test) sees the end instead of the process dying in place.
class ProgramEnd {
public:
    explicit ProgramEnd(int code) : exitCode(code) {}
    int exitCode;
};
