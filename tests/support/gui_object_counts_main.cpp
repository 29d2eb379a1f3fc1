// gui_object_counts PID: prints the GDI objects by kind, the windows and the
// working set of a running process, to watch a program by hand under Wine.

#include <cstdio>
#include <cstdlib>

#include "gui_object_counts.h"

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long processId = argc == 2 ? std::strtoul(argv[1], &end, 10) : 0;
  if (processId == 0 || *end != '\0') {
    std::fputs("usage: gui_object_counts <process id>\n", stderr);
    return 2;
  }
  const std::optional<test_support::GuiObjectCounts> counts = test_support::ReadGuiObjectCounts(processId);
  if (!counts) {
    std::fprintf(stderr, "gui_object_counts: cannot read process %lu\n", processId);
    return 1;
  }
  std::puts(test_support::Describe(*counts).c_str());
  return 0;
}
