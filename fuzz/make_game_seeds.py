#!/usr/bin/env python3
"""Writes the game fuzzer's seed inputs (corpus/game/) in its step encoding (game_fuzz.cpp).

libFuzzer's FuzzedDataProvider takes every value from the end of the input backwards, so the
values are listed in the order the fuzzer takes them and written out reversed."""
import pathlib
import struct

MAIN_LOOP, PRESENT, FLOAT, INT, FLAG, CHAT_WORD, SET_TICK, ADVANCE_TICK, BURST = range(9)
FLOAT_FIELDS = ["health", "armor", "oxygen"]
INT_FIELDS = ["money", "wanted", "weaponSlot", "weaponType", "weaponState", "clip", "total",
              "systemState", "screenWidth", "screenHeight"]
FLAGS = ["game", "ped", "weapon", "canDraw", "menuActive", "rightMouse", "oxygenActive",
         "clientInitialized"]


class Steps:
    def __init__(self):
        self.taken = []

    def byte(self, value):
        self.taken.append(value & 0xFF)

    def u32(self, value):  # the first byte taken is the most significant
        for shift in (24, 16, 8, 0):
            self.byte(value >> shift)

    def main_loop(self, calls=1):
        if calls == 1:
            self.byte(MAIN_LOOP)
        else:
            self.byte(BURST)
            self.byte(calls - 1)
        return self

    def present(self):
        self.byte(PRESENT)
        return self

    def float(self, field, value):
        self.byte(FLOAT)
        self.byte(FLOAT_FIELDS.index(field))
        self.byte(0)  # not from the table: raw bits follow
        self.u32(struct.unpack("<I", struct.pack("<f", value))[0])
        return self

    def int(self, field, value):
        self.byte(INT)
        self.byte(INT_FIELDS.index(field))
        self.byte(0)  # raw
        self.u32((value & 0xFFFFFFFF) ^ 0x80000000)  # taken as INT32_MIN + the raw value
        return self

    def flag(self, name, on):
        self.byte(FLAG)
        self.byte(FLAGS.index(name))
        self.byte(1 if on else 0)
        return self

    def chat_word(self, word):
        self.byte(CHAT_WORD)
        self.byte(1 if word == 0 else 0)
        if word != 0:
            self.u32(word)
        return self

    def tick(self, tick, advance=False):
        self.byte(ADVANCE_TICK if advance else SET_TICK)
        self.byte(0)  # raw
        self.u32(tick)
        return self

    def data(self):
        return bytes(reversed(self.taken))


SEEDS = {
    # The money rises while the change indicator shows, then the indicator times out.
    "money_change": Steps().main_loop().int("money", 800).main_loop(100).present()
    .tick(4001, advance=True).main_loop().present(),
    # Stars past a row and past the cap; the crosshair of each slot, ready and reloading.
    "stars_and_crosshair": Steps().main_loop().int("wanted", 7).flag("rightMouse", True)
    .int("weaponSlot", 3).present().int("wanted", 70).int("weaponState", 2).present()
    .int("weaponSlot", 1).int("weaponType", 38).present(),
    # Extreme readings on a screen of no size and one of the most negative size.
    "extremes": Steps().main_loop().int("screenWidth", 0).int("screenHeight", -2**31)
    .float("health", float("nan")).float("armor", float("inf")).present()
    .int("money", -2**31).int("clip", -2**31).int("total", 2**31 - 1).int("weaponSlot", 4)
    .main_loop().present(),
    # Not ready, then ready: the module starts only then; the objects go missing afterwards.
    "late_start": Steps().flag("game", False).main_loop().present().int("systemState", 8)
    .flag("game", True).main_loop().int("systemState", 9).main_loop().present()
    .flag("ped", False).flag("game", False).main_loop().present(),
    # Each gate shut in turn, and the tick wrapping around while the indicator shows.
    "gates_and_wrap": Steps().main_loop().flag("canDraw", False).present().flag("canDraw", True)
    .chat_word(0).present().chat_word(7).flag("menuActive", True).present()
    .tick(0xFFFFFF00).int("money", 5).main_loop().tick(0x200, advance=True).main_loop().present(),
}

if __name__ == "__main__":
    folder = pathlib.Path(__file__).parent / "corpus" / "game"
    folder.mkdir(parents=True, exist_ok=True)
    for name, steps in SEEDS.items():
        (folder / name).write_bytes(steps.data())
