#pragma once

#include <QString>
#include <stdexcept>

// A run-time failure inside a guarded procedure: a text the full number parse
// cannot read, an overflow, an invalid operation. The window's guard catches
// it and hands the procedure's title and the current step code to FatalError.
class RuntimeFailure : public std::runtime_error {
public:
    explicit RuntimeFailure(const QString &what) : std::runtime_error(what.toStdString()) {}
};
