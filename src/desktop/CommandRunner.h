#pragma once

#include <functional>

// The general error handler: every user command runs through here. Whatever the command throws
// is shown as an error message and the program goes on; the wait cursor is always restored.
// Returns true when the command ran to its end.
bool runCommand(const std::function<void()>& command);
