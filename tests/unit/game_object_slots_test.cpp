// Every game operation the module calls sits at the slot the game's objects have it at: a shifted
// slot would call some other function of the game.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/game_objects.h"

namespace {

// The Itanium C++ ABI (GCC and Clang, MinGW included) represents a pointer to a virtual member
// function as {1 + byte offset of its entry in the table of virtual operations, this-adjustment}.
// ARM's variant of the ABI encodes it differently.
#if defined(__GNUC__) && !defined(_MSC_VER) && !defined(__arm__) && !defined(__aarch64__)

struct ItaniumMemberPointer {
  uintptr_t ptr;
  ptrdiff_t adj;
};

template <typename MemberPointer>
ptrdiff_t SlotOf(MemberPointer operation) {
  static_assert(sizeof(MemberPointer) == sizeof(ItaniumMemberPointer));
  ItaniumMemberPointer raw;
  std::memcpy(&raw, &operation, sizeof raw);
  EXPECT_EQ(raw.ptr % sizeof(void*), 1u) << "not a virtual operation";
  EXPECT_EQ(raw.adj, 0) << "not reached through the object's first table";
  return static_cast<ptrdiff_t>((raw.ptr - 1) / sizeof(void*));
}

TEST(GameObjectSlotsTest, CharacterOperations) {
  EXPECT_EQ(SlotOf(&CPed::pedHealth), 8);
  EXPECT_EQ(SlotOf(&CPed::pedArmor), 10);
  EXPECT_EQ(SlotOf(&CPed::pedOxygen), 12);
  EXPECT_EQ(SlotOf(&CPed::pedWeaponInSlot), 17);
  EXPECT_EQ(SlotOf(&CPed::pedWeaponSlot), 30);
  EXPECT_EQ(SlotOf(&CPed::pedOxygenActive), 36);
}

TEST(GameObjectSlotsTest, WeaponOperations) {
  EXPECT_EQ(SlotOf(&CWeapon::weaponType), 0);
  EXPECT_EQ(SlotOf(&CWeapon::weaponState), 2);
  EXPECT_EQ(SlotOf(&CWeapon::weaponClipAmmo), 4);
  EXPECT_EQ(SlotOf(&CWeapon::weaponTotalAmmo), 6);
}

TEST(GameObjectSlotsTest, GameOperations) {
  EXPECT_EQ(SlotOf(&CGame::gamePlayerInfo), 1);
  EXPECT_EQ(SlotOf(&CGame::gameDisplay), 12);
  EXPECT_EQ(SlotOf(&CGame::gameSystemState), 52);
  EXPECT_EQ(SlotOf(&CPlayerInfo::playerMoney), 0);
  EXPECT_EQ(SlotOf(&CDisplay::displaySetComponent), 5);
}

#endif

}  // namespace
