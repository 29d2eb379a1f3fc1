#pragma once
// Where an exception that leaves a message handler goes. A window procedure
// catches it, as it must not unwind through the system's frames, and hands it
// to the handler set here: the application sets its HandleException when it
// is made and takes it back when it goes. With none set the exception ends
// the program, as any exception nobody catches does.

#include <exception>
#include <functional>

namespace ui {

using TExceptionEvent = std::function<void(const std::exception& error)>;

void SetMessageExceptionHandler(TExceptionEvent handler);
void HandleMessageException(const std::exception& error);

}  // namespace ui
