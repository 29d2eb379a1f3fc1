#pragma once
// Makes allocations of the test program fail while an object of this class
// lives, to see how code behaves without memory.

#include <cstddef>

namespace skintest {

class TFailingAllocations {
 public:
  // Allocations of at least `smallestFailing` bytes fail (0: all of them).
  explicit TFailingAllocations(std::size_t smallestFailing = 0);
  ~TFailingAllocations();
  TFailingAllocations(const TFailingAllocations&) = delete;
  TFailingAllocations& operator=(const TFailingAllocations&) = delete;
};

}  // namespace skintest
