// The demo scenario on the bundled settings and textures, against its recorded trace, and the
// snapshots it promises.
#include <gmock/gmock.h>

#include "sim/render/png_io.h"
#include "tests/sim/sim_tool.h"

namespace fs = std::filesystem;

namespace {

class GoldenTraceTest : public SimToolTest {};

TEST_F(GoldenTraceTest, DemoTraceMatchesTheGoldenTrace) {
  // No --game-dir and no --scenario: the defaults are the bundled assets and the demo.
  const ToolResult result = Run({"--trace", "demo.trace", "--out", "out"});
  ASSERT_EQ(result.exitCode, 0) << result.standardError;

  const std::vector<std::string> golden =
      ReadLines(fs::path(VELOMARK_SOURCE_DIR) / "tests" / "sim" / "golden" / "demo.trace");
  const std::vector<std::string> actual = ReadLines(scratch / "demo.trace");
  ASSERT_FALSE(golden.empty());
  for (size_t i = 0; i < std::max(golden.size(), actual.size()); ++i) {
    const std::string expected = i < golden.size() ? golden[i] : "(end of trace)";
    const std::string got = i < actual.size() ? actual[i] : "(end of trace)";
    ASSERT_EQ(got, expected) << "first difference at line " << i + 1
                             << "; if the change is intended, run scripts/update_golden.sh";
  }
}

TEST_F(GoldenTraceTest, DemoWritesItsSnapshotsAtTheScreenSizeOfTheirStep) {
  const ToolResult result = Run({"--out", "out"});
  ASSERT_EQ(result.exitCode, 0) << result.standardError;
  EXPECT_THAT(result.standardOutput, ::testing::HasSubstr((scratch / "out").string()));

  const struct {
    const char* file;
    int32_t width;
    int32_t height;
  } expected[] = {{"demo-01-start.png", 640, 448},
                  {"demo-09-under-water.png", 640, 448},
                  {"demo-11-everything-1920x1080.png", 1920, 1080}};
  for (const auto& snapshot : expected) {
    Image image;
    std::string error;
    ASSERT_TRUE(LoadPng((scratch / "out" / snapshot.file).string(), image, error)) << error;
    EXPECT_EQ(image.width, snapshot.width) << snapshot.file;
    EXPECT_EQ(image.height, snapshot.height) << snapshot.file;
  }
  size_t pngCount = 0;
  for (const auto& entry : fs::directory_iterator(scratch / "out")) {
    pngCount += entry.path().extension() == ".png" ? 1 : 0;
  }
  EXPECT_EQ(pngCount, 11u);
}

}  // namespace
