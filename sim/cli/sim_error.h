// A run that cannot go on: bad input (options, scenario, game folder, module) or an output that
// cannot be written. The message names the file and says what is wrong, in one line.
#pragma once

#include <stdexcept>

class SimError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
