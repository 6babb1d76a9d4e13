#include "exit_codes.h"

int ExitCodeFor(OpenError error) {
  // "Problem writing to file." carries no number of its own; it sits beside the Level codes.
  if (error == OpenError::FileProblem) return 20;
  return 10 + static_cast<int>(error);
}

int ExitCodeFor(SaveError error) {
  return 20 + static_cast<int>(error);
}
