#include "allocation_failure.h"

#include <cstdlib>
#include <new>

namespace {
bool allocationsFail = false;
std::size_t smallestFailingSize = 0;
}  // namespace

// The program-wide replacements; the array forms use these.
void* operator new(std::size_t size) {
  if (!allocationsFail || size < smallestFailingSize) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  }
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace skintest {
TFailingAllocations::TFailingAllocations(std::size_t smallestFailing) {
  allocationsFail = true;
  smallestFailingSize = smallestFailing;
}
TFailingAllocations::~TFailingAllocations() { allocationsFail = false; }
}  // namespace skintest
