#pragma once
// The one way a test waits: it runs the thread's messages until what it waits for has happened.

#include <chrono>
#include <functional>

namespace pbw::testing {

// Dispatches this thread's messages until `done` holds, looking again now and then for what changes
// on other threads or in other processes. The limit is only a safety net against a hanging test:
// false means it passed first.
bool PumpMessagesUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(30));

}  // namespace pbw::testing
