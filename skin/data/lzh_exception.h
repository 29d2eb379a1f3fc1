#pragma once
// The one exception of the skin code: the LZH codec could not get its tables.

#include <stdexcept>

namespace skin {

class ElzhException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";

}  // namespace skin
