#pragma once
// Lets a test run the user-interface thread's messages until what it waits for has happened.

#include <functional>

namespace pbw::testing {

// Dispatches this thread's messages until `done` holds. The deadline of 30 seconds is only a safety
// net against a hanging test: false means it passed first.
bool PumpMessagesUntil(const std::function<bool()>& done);

}  // namespace pbw::testing
