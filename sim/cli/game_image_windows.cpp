// The game's fixed addresses, inside this program's own image as they are inside the game's.
//
// On Windows the plug-in reads and stores them itself (platform/game_memory_windows.cpp).
// velomark-sim.exe is linked to load at 0x400000, the game's base, and cannot be moved from there
// (cmake/windows.cmake), and this zero-filled section is placed at kGameImageStart, so its pages
// hold the wanted level and the radar's four words. The simulated host puts the game's state
// there and reports the plug-in's stores (sim/host/host_framework.cpp).
#include <cstdint>
#include <iterator>

#include "sim/host/game_addresses.h"

namespace {

// Page-aligned, below the lowest address. The link places the section here (--section-start in
// cmake/windows.cmake) and fails if the program's code and data grow into it.
constexpr uint32_t kGameImageStart = 0x58D000;
constexpr uint32_t kGameImageEnd = kStoreAddresses[std::size(kStoreAddresses) - 1] + 4;
static_assert(kGameImageStart % 0x1000 == 0 && kGameImageStart <= kWantedLevelAddress);

}  // namespace

// "b": a section of zeroes that takes no room in the file; the '#' turns the flags the compiler
// appends to the section's name into a comment.
[[gnu::section(".gamemem,\"bw\" #"), gnu::used]] unsigned char
    velomarkGameImage[kGameImageEnd - kGameImageStart];
