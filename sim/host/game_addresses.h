// The game's fixed addresses that the module reads and stores.
#pragma once

#include <cstdint>

// The wanted level, the one address the module reads.
inline constexpr uint32_t kWantedLevelAddress = 0x58DB60;
// The radar's four words, which the module stores once; in address order.
inline constexpr uint32_t kStoreAddresses[] = {0x716642, 0x718D14, 0x858A10, 0x866B70};
