#pragma once
// How long a soak runs. In the test suite each soak makes just enough rounds
// after warming up for a leak that comes back every round to pass its slack.
// Set RILVANTA_LONG_SOAK (scripts/soak does) and each makes its long count of
// rounds, which also shows growth too slow for a few rounds to reveal.

#include <cstdlib>

namespace soak {

inline bool LongSoak() {
  const char* value = std::getenv("RILVANTA_LONG_SOAK");
  return value != nullptr && *value != '\0';
}

}  // namespace soak
