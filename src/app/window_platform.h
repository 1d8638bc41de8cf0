#pragma once

#include "platform/platform.h"

class QWidget;

// The desktop as the window layer sees it: everything the core may ask of
// it, and what only a window can be asked, its place above other windows.
class WindowPlatform : public platform::Platform {
public:
    virtual void placeOnTop(QWidget *window, bool onTop) = 0;
};
