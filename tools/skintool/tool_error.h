#pragma once
// A failure of skintool: bad input or a file that cannot be used. Its text is
// one line that names the problem; the tool ends with exit status 2.

#include <stdexcept>

namespace skintool {

class TToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace skintool
