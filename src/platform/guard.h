// The one guard every entry point from Windows runs its handler in: an error
// escaping the handler is shown in the standard error box and the program
// goes on. No exception crosses into the system.
#pragma once

#include <exception>
#include <utility>

#include "platform/messages.h"

namespace velkor {

// Runs `handler`; returns false when it raised an error (already shown).
template <class Handler>
bool Guarded(Messages& messages, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const std::exception& error) {
    try {
      messages.ShowError(error.what());
    } catch (...) {
    }
  } catch (...) {
    try {
      messages.ShowError("Unknown error");
    } catch (...) {
    }
  }
  return false;
}

}  // namespace velkor
