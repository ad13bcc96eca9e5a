#pragma once

#include <string_view>
#include <type_traits>
#include <utility>

#include "refdata/reference_store.h"

namespace kelvara {

// The three ways a reading deals with a lookup that cannot run (LookupError).
// Each reader or command names its policy in one line by calling one of these.

// Swallowed: at the lookup itself. Runs `lookup` and gives its result, or the
// empty value of its type (empty text, false, 0) when it throws LookupError;
// the command goes on.
//   return SwallowLookupFailure([&] { return store.Lookup(...)...; });
template <typename Lookup>
std::invoke_result_t<Lookup> SwallowLookupFailure(Lookup&& lookup) {
  try {
    return std::forward<Lookup>(lookup)();
  } catch (const LookupError&) {
    return std::invoke_result_t<Lookup>{};
  }
}

// Silent abandonment: at the command boundary. Runs the command; a LookupError
// ends it without a message, and whatever it wrote before stays. Returns true
// when the command ran to its end.
template <typename Command>
bool RunAbandoningSilently(Command&& command) {
  try {
    std::forward<Command>(command)();
    return true;
  } catch (const LookupError&) {
    return false;
  }
}

// Unguarded: at the command boundary. Runs the command; a LookupError ends it
// and its text goes to `show_error` (the window's error box, the CLI's
// standard error). Returns true when the command ran to its end.
template <typename Command, typename ErrorSink>
bool RunUnguarded(Command&& command, ErrorSink&& show_error) {
  try {
    std::forward<Command>(command)();
    return true;
  } catch (const LookupError& error) {
    std::forward<ErrorSink>(show_error)(std::string_view(error.what()));
    return false;
  }
}

}  // namespace kelvara
