// Counts every heap allocation the process makes while counting is on: this executable replaces
// the C allocation functions and the global operator new, and as it exports its symbols the
// loaded module's calls bind to these replacements too.
#pragma once

#include <cstddef>

// Zeroes the count and starts counting.
void StartCountingAllocations();
// Stops counting and returns the number of allocations since the start.
std::size_t StopCountingAllocations();
