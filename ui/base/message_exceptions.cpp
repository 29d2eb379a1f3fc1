#include "ui/base/message_exceptions.h"

#include <utility>

namespace ui {
namespace {

TExceptionEvent& Handler() {
  static TExceptionEvent handler;
  return handler;
}

}  // namespace

void SetMessageExceptionHandler(TExceptionEvent handler) { Handler() = std::move(handler); }

void HandleMessageException(const std::exception& error) {
  if (!Handler()) std::terminate();
  Handler()(error);
}

}  // namespace ui
