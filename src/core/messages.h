#pragma once

#include <QString>

// Every text the program shows or writes as a message, in one place: the
// titles and texts of its message boxes, its status line and the problems its
// checks report. The texts are the program's own, misspellings included, as
// users and their documentation quote them.
namespace messages {

// --- Window ---

// --- Settings ---

// --- Calculation ---

// --- Records ---

}  // namespace messages
