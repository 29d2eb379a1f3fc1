#include "tools/rilvanta-cal/utf8_texts.h"

#include "text/gbk.h"

namespace rilvanta_cal {

const std::string& TUtf8Texts::Of(const std::string& gbk) {
  auto found = converted_.find(gbk);
  if (found == converted_.end()) found = converted_.emplace(gbk, text::GbkToUtf8(gbk)).first;
  return found->second;
}

}  // namespace rilvanta_cal
