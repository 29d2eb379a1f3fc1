#pragma once
// The engine's GBK texts in UTF-8. The engine knows only a few hundred texts, so
// each is converted once; converting every field of a long dump anew costs
// far more than the calendar arithmetic.

#include <string>
#include <unordered_map>

namespace rilvanta_cal {

class TUtf8Texts {
 public:
  const std::string& Of(const std::string& gbk);

 private:
  std::unordered_map<std::string, std::string> converted_;
};

}  // namespace rilvanta_cal
