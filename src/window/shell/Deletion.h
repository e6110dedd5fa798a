#pragma once
#include "window/shell/WindowSnapshot.h"

#include <functional>

// A deletion made in the window, kept so that Ctrl+Z brings back what it
// removed and Ctrl+Shift+Z removes it again. Each side puts the files in
// place and refreshes the lists as the deletion's handler does; it returns
// false when it could not (the window says why), and then no file has
// changed. The window around the deletion is put back from the snapshots.
struct Deletion {
    std::function<bool()> putBack;
    std::function<bool()> removeAgain;
    WindowSnapshot before, after;
};
