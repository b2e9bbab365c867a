#pragma once

// The hourglass for a long operation, restored when the scope ends, on every path.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Drops every wait cursor still set (the error handler does, before it shows an error).
    static void restoreAll();
};
