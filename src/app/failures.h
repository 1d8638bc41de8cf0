#pragma once

#include <QString>
#include <stdexcept>

// A run-time failure inside a guarded procedure: a text the full number parse
// cannot read, an overflow, an invalid operation. The guarded procedure catches
// it and hands its own title and the current step code to FatalError.
class RuntimeFailure : public std::runtime_error {
public:
    explicit RuntimeFailure(const QString &what) : std::runtime_error(what.toStdString()) {}
};

// Ending the program unwinds through this one exception, so that the event
// loop (or a test) sees the end instead of the process dying in place.
class ProgramEnd {
public:
    explicit ProgramEnd(int code = 0) : exitCode(code) {}
    int exitCode;
};
