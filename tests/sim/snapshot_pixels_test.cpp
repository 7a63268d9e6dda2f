// Snapshots checked pixel by pixel: what a box and a glyph leave on the backdrop, and nothing
// anywhere else.
#include <gmock/gmock.h>

#include "sim/render/compositor.h"
#include "sim/render/png_io.h"
#include "tests/sim/sim_tool.h"

namespace fs = std::filesystem;

void PrintTo(const Rgba& colour, std::ostream* out) {
  *out << "{" << int{colour.r} << ", " << int{colour.g} << ", " << int{colour.b} << ", "
       << int{colour.a} << "}";
}

namespace {

struct Rect {
  int32_t x, y, w, h;
  bool Contains(int32_t px, int32_t py) const {
    return px >= x && px < x + w && py >= y && py < y + h;
  }
};

class SnapshotPixelTest : public SimToolTest {
 protected:
  // Plays the scenario in the game folder made by MakeGameDir, expecting success.
  void Play(const std::string& scenario) {
    WriteFile("scenario.json", scenario);
    const ToolResult result =
        Run({"--game-dir", "game", "--scenario", "scenario.json", "--out", "out"});
    ASSERT_EQ(result.exitCode, 0) << result.standardError;
  }

  Image Snapshot(const std::string& name) {
    Image image;
    std::string error;
    EXPECT_TRUE(LoadPng((scratch / "out" / name).string(), image, error)) << error;
    return image;
  }

  static Image Backdrop(int32_t width, int32_t height) {
    Image backdrop = MakeImage(width, height);
    FillBackdrop(backdrop);
    return backdrop;
  }

  // Every pixel outside the rectangles is the backdrop's.
  static void ExpectBackdropOutside(const Image& frame, const std::vector<Rect>& drawn) {
    const Image backdrop = Backdrop(frame.width, frame.height);
    int mismatches = 0;
    for (int32_t y = 0; y < frame.height; ++y) {
      for (int32_t x = 0; x < frame.width; ++x) {
        bool inside = false;
        for (const Rect& rect : drawn) inside = inside || rect.Contains(x, y);
        if (inside || PixelAt(frame, x, y) == PixelAt(backdrop, x, y)) continue;
        if (++mismatches <= 3) ADD_FAILURE() << "pixel (" << x << ", " << y << ") is drawn on";
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
};

// The radar bar's outer box, 500,400 100x10, in half-transparent red; the full health fill
// covers its inside but for two rows above and below.
TEST_F(SnapshotPixelTest, HalfTransparentBoxBlendsWithTheBackdrop) {
  MakeGameDir(OnlyWidget("bRadarBar").SetColor("RadarBar", "iBorderColor", 0x80FF0000));
  Play(R"({ "steps": [ { "mainLoop": 1, "present": 1, "snapshot": "frame.png" } ] })");
  const Image frame = Snapshot("frame.png");
  ASSERT_EQ(frame.width, 640);
  ASSERT_EQ(frame.height, 448);

  // (510, 400) lies on a dark backdrop cell, grey 100: red (255·128 + 100·127) / 255 = 178,
  // green and blue 100·127 / 255 = 50, rounded to nearest.
  ASSERT_EQ(PixelAt(Backdrop(640, 448), 510, 400), (Rgba{100, 100, 100, 255}));
  EXPECT_EQ(PixelAt(frame, 510, 400), (Rgba{178, 50, 50, 255}));
  EXPECT_EQ(PixelAt(frame, 500, 409), (Rgba{178, 50, 50, 255}));  // dark cell, other corner
  EXPECT_EQ(PixelAt(frame, 510, 405), (Rgba{0xAA, 0, 0, 255}));   // the opaque health fill
  ExpectBackdropOutside(frame, {{500, 400, 100, 10}});
}

// A digit texture of four opaque texels, red and green above, blue and white below, shows where
// the glyph lands and that it is drawn upright and unmirrored.
TEST_F(SnapshotPixelTest, GlyphsLandInTheirRectanglesTintedByTheirColour) {
  const fs::path game = MakeGameDir(OnlyWidget("bAmmo"));
  Image quadrants = MakeImage(2, 2);
  SetPixel(quadrants, 0, 0, {255, 0, 0, 255});
  SetPixel(quadrants, 1, 0, {0, 255, 0, 255});
  SetPixel(quadrants, 0, 1, {0, 0, 255, 255});
  SetPixel(quadrants, 1, 1, {255, 255, 255, 255});
  std::string error;
  ASSERT_TRUE(SavePng((game / "SAMPFUNCS" / "Velomark" / "characters" / "0.png").string(),
                      quadrants, error))
      << error;

  // Total 0 in white at 585,100 and clip 0 in 0xFFCCCCCC at 560,100, each 13x16.
  Play(R"({ "game": { "weaponSlot": 2, "weaponType": 22, "clip": 0, "total": 0 },
            "steps": [ { "mainLoop": 1, "present": 1, "snapshot": "frame.png" } ] })");
  const Image frame = Snapshot("frame.png");

  EXPECT_EQ(PixelAt(frame, 585, 100), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(PixelAt(frame, 597, 100), (Rgba{0, 255, 0, 255}));
  EXPECT_EQ(PixelAt(frame, 585, 115), (Rgba{0, 0, 255, 255}));
  EXPECT_EQ(PixelAt(frame, 597, 115), (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(PixelAt(frame, 560, 100), (Rgba{0xCC, 0, 0, 255}));
  EXPECT_EQ(PixelAt(frame, 572, 115), (Rgba{0xCC, 0xCC, 0xCC, 255}));
  ExpectBackdropOutside(frame, {{585, 100, 13, 16}, {560, 100, 13, 16}});
}

// A snapshot shows the last presented frame: the backdrop alone before the first one, and
// after a frame the gates kept from drawing; its size is that frame's screen size.
TEST_F(SnapshotPixelTest, SnapshotShowsTheLastPresentedFrame) {
  MakeGameDir(SettingsFile::Complete());
  Play(R"({ "game": { "money": 1250, "wanted": 3 },
            "steps": [ { "snapshot": "before.png" },
                       { "mainLoop": 1, "present": 1, "snapshot": "drawn.png" },
                       { "set": { "screen": [800, 600] }, "snapshot": "resized.png" },
                       { "set": { "menuActive": true }, "present": 1,
                         "snapshot": "gated.png" } ] })");
  const Image before = Snapshot("before.png");
  const Image drawn = Snapshot("drawn.png");
  const Image resized = Snapshot("resized.png");
  const Image gated = Snapshot("gated.png");

  EXPECT_EQ(before.rgba, Backdrop(640, 448).rgba);
  EXPECT_NE(drawn.rgba, Backdrop(640, 448).rgba);
  EXPECT_EQ(resized.rgba, drawn.rgba);
  EXPECT_EQ(resized.width, 640);
  EXPECT_EQ(gated.width, 800);
  EXPECT_EQ(gated.rgba, Backdrop(800, 600).rgba);
}

}  // namespace
