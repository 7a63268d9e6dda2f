// The simulator's renderer: exact blending, clipping for any int32 geometry, tinting, scaling,
// and PNG files in and out, failures included.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sim/render/compositor.h"
#include "sim/render/image.h"
#include "sim/render/png_io.h"

// Found by argument-dependent lookup, so it lives beside Rgba in the global namespace.
void PrintTo(const Rgba& c, std::ostream* os) {
  *os << "{" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ", " << int{c.a} << "}";
}

namespace {

constexpr Rgba kGrey{100, 100, 100, 255};
constexpr Rgba kTransparent{0, 0, 0, 0};

using Point = std::pair<int32_t, int32_t>;

std::set<Point> ChangedPixels(const Image& before, const Image& after) {
  std::set<Point> changed;
  for (int32_t y = 0; y < before.height; ++y) {
    for (int32_t x = 0; x < before.width; ++x) {
      if (!(PixelAt(before, x, y) == PixelAt(after, x, y))) changed.insert({x, y});
    }
  }
  return changed;
}

std::set<Point> PointsIn(int32_t x_begin, int32_t x_end, int32_t y_begin, int32_t y_end) {
  std::set<Point> points;
  for (int32_t y = y_begin; y < y_end; ++y) {
    for (int32_t x = x_begin; x < x_end; ++x) points.insert({x, y});
  }
  return points;
}

// Names each parameterised case after its name field.
struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& param_info) const {
    return param_info.param.name;
  }
};

// ---- Blending ------------------------------------------------------------------------------

struct BlendCase {
  const char* name;
  uint32_t argb;
  Rgba frame;
  Rgba expected;
};

class BoxBlend : public testing::TestWithParam<BlendCase> {};

TEST_P(BoxBlend, GivesTheExactSourceOverValue) {
  const BlendCase& c = GetParam();
  Image frame = MakeImage(3, 3, c.frame);
  BlendBox(frame, 1, 1, 1, 1, c.argb);
  EXPECT_EQ(PixelAt(frame, 1, 1), c.expected);
  EXPECT_EQ(PixelAt(frame, 0, 0), c.frame);
  EXPECT_EQ(PixelAt(frame, 2, 2), c.frame);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BoxBlend,
    testing::Values(
        // 255 × 128/255 + 100 × 127/255 = 178.3; 100 × 127/255 = 49.8.
        BlendCase{"HalfRedOverGrey", 0x80FF0000u, kGrey, {178, 50, 50, 255}},
        BlendCase{"OpaqueReplaces", 0xFF123456u, kGrey, {0x12, 0x34, 0x56, 255}},
        BlendCase{"ZeroAlphaLeavesAlone", 0x00FFFFFFu, kGrey, kGrey},
        BlendCase{"QuarterWhiteOverBlack", 0x40FFFFFFu, {0, 0, 0, 255}, {64, 64, 64, 255}},
        // 200 × 63/255 = 49.4.
        BlendCase{"DarkBoxOverLight", 0xC0000000u, {200, 200, 200, 255}, {49, 49, 49, 255}},
        // Straight alpha: over nothing, the source keeps its own colour and alpha.
        BlendCase{"OverTransparent", 0x80FF0000u, kTransparent, {255, 0, 0, 128}},
        // alpha 0.502 + 0.502 × 0.498 = 0.752 (191.75); red 0.502 / 0.752 × 255 = 170.2,
        // blue 0.250 / 0.752 × 255 = 84.8.
        BlendCase{"OverTranslucent", 0x80FF0000u, {0, 0, 255, 128}, {170, 0, 85, 192}}),
    CaseName());

// ---- Clipping, for boxes and textures alike ------------------------------------------------

struct ClipCase {
  const char* name;
  int32_t x, y, w, h;
  int32_t x_begin, x_end, y_begin, y_end;  // the pixels expected to change
};

enum class Draw { kBox, kTexture };

class Clipping : public testing::TestWithParam<std::tuple<Draw, ClipCase>> {};

TEST_P(Clipping, ChangesExactlyTheVisiblePart) {
  const auto& [draw, c] = GetParam();
  const Image before = MakeImage(8, 6, kGrey);  // not square, so swapped axes show
  Image frame = before;
  if (draw == Draw::kBox) {
    BlendBox(frame, c.x, c.y, c.w, c.h, 0xFFFFFFFFu);
  } else {
    const Image texture = MakeImage(3, 2, {255, 255, 255, 255});
    BlendTexture(frame, texture, c.x, c.y, c.w, c.h, 0xFFFFFFFFu);
  }
  EXPECT_EQ(ChangedPixels(before, frame), PointsIn(c.x_begin, c.x_end, c.y_begin, c.y_end));
}

constexpr int32_t kMin = INT32_MIN;
constexpr int32_t kMax = INT32_MAX;

INSTANTIATE_TEST_SUITE_P(
    Cases, Clipping,
    testing::Combine(
        testing::Values(Draw::kBox, Draw::kTexture),
        testing::Values(ClipCase{"Inside", 1, 2, 3, 2, 1, 4, 2, 4},
                        ClipCase{"OverTopLeft", -3, -2, 5, 4, 0, 2, 0, 2},
                        ClipCase{"OverBottomRight", 6, 4, 10, 10, 6, 8, 4, 6},
                        ClipCase{"CoversAll", -5, -5, 100, 100, 0, 8, 0, 6},
                        // x + w overflows int32 here; the rectangle still reaches past the frame.
                        ClipCase{"EndPastInt32Max", 2, 1, kMax, kMax, 2, 8, 1, 6},
                        ClipCase{"EndsJustLeft", kMin, 0, kMax, 3, 0, 0, 0, 0},
                        ClipCase{"StartsAtInt32Max", kMax, kMax, kMax, kMax, 0, 0, 0, 0},
                        ClipCase{"FarLeftTiny", kMin, kMin, 1, 1, 0, 0, 0, 0},
                        ClipCase{"JustOffRight", 8, 0, 4, 4, 0, 0, 0, 0},
                        ClipCase{"JustOffBottom", 0, 6, 4, 4, 0, 0, 0, 0},
                        ClipCase{"ZeroWidth", 1, 1, 0, 3, 0, 0, 0, 0},
                        ClipCase{"ZeroHeight", 1, 1, 3, 0, 0, 0, 0, 0},
                        ClipCase{"NegativeWidth", 4, 1, -3, 3, 0, 0, 0, 0},
                        ClipCase{"Int32MinHeight", 1, 1, 3, kMin, 0, 0, 0, 0},
                        ClipCase{"Int32MinEverything", kMin, kMin, kMin, kMin, 0, 0, 0, 0})),
    [](const testing::TestParamInfo<std::tuple<Draw, ClipCase>>& param_info) {
      return std::string(std::get<0>(param_info.param) == Draw::kBox ? "Box_" : "Texture_") +
             std::get<1>(param_info.param).name;
    });

// ---- Texture tint and scaling ----------------------------------------------------------------

struct TintCase {
  const char* name;
  Rgba texel;
  uint32_t argb;
  Rgba expected;  // drawn over a transparent frame, which leaves the source itself
};

class TextureTint : public testing::TestWithParam<TintCase> {};

TEST_P(TextureTint, MultipliesTexelByColour) {
  const TintCase& c = GetParam();
  Image frame = MakeImage(1, 1, kTransparent);
  BlendTexture(frame, MakeImage(1, 1, c.texel), 0, 0, 1, 1, c.argb);
  EXPECT_EQ(PixelAt(frame, 0, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextureTint,
    testing::Values(
        TintCase{"WhiteTakesTheColour", {255, 255, 255, 255}, 0xFF204060u, {0x20, 0x40, 0x60, 255}},
        // 128 × 128 / 255 = 64.3.
        TintCase{"AlphasMultiply", {255, 255, 255, 128}, 0x80FFFFFFu, {255, 255, 255, 64}},
        // 200, 100, 50 times 128/255: 100.4, 50.2, 25.1.
        TintCase{"ChannelsMultiply", {200, 100, 50, 255}, 0xFF808080u, {100, 50, 25, 255}},
        TintCase{"WhiteColourKeepsTexel", {7, 99, 201, 255}, 0xFFFFFFFFu, {7, 99, 201, 255}}),
    CaseName());

TEST(TexturedBlend, OverOpaqueFrameBlendsByTheProductAlpha) {
  Image frame = MakeImage(1, 1, kGrey);
  // Texel alpha 255 × colour alpha 128 gives the half-red case of the box table.
  BlendTexture(frame, MakeImage(1, 1, {255, 255, 255, 255}), 0, 0, 1, 1, 0x80FF0000u);
  EXPECT_EQ(PixelAt(frame, 0, 0), (Rgba{178, 50, 50, 255}));
}

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{0, 255, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};
constexpr Rgba kYellow{255, 255, 0, 255};

// Red, green on top; blue, yellow below.
Image Quadrants() {
  Image texture = MakeImage(2, 2);
  SetPixel(texture, 0, 0, kRed);
  SetPixel(texture, 1, 0, kGreen);
  SetPixel(texture, 0, 1, kBlue);
  SetPixel(texture, 1, 1, kYellow);
  return texture;
}

TEST(TextureScaling, TwoByTwoDrawnFourByFourFillsQuadrants) {
  Image frame = MakeImage(6, 6, kGrey);
  BlendTexture(frame, Quadrants(), 1, 1, 4, 4, 0xFFFFFFFFu);
  for (int32_t y = 0; y < 6; ++y) {
    for (int32_t x = 0; x < 6; ++x) {
      Rgba expected = kGrey;
      if (x >= 1 && x < 5 && y >= 1 && y < 5) {
        const bool right = x >= 3;
        const bool bottom = y >= 3;
        expected = bottom ? (right ? kYellow : kBlue) : (right ? kGreen : kRed);
      }
      EXPECT_EQ(PixelAt(frame, x, y), expected) << "at " << x << "," << y;
    }
  }
}

// A row texture of distinct texels, each one's red channel its index.
Image Row(int32_t width) {
  Image texture = MakeImage(width, 1);
  for (int32_t x = 0; x < width; ++x) {
    SetPixel(texture, x, 0, {static_cast<uint8_t>(x), 0, 0, 255});
  }
  return texture;
}

std::vector<int> RedChannels(const Image& frame) {
  std::vector<int> reds;
  for (int32_t x = 0; x < frame.width; ++x) reds.push_back(PixelAt(frame, x, 0).r);
  return reds;
}

TEST(TextureScaling, EachPixelTakesTheTexelUnderItsCentre) {
  Image stretched = MakeImage(7, 1, kGrey);
  BlendTexture(stretched, Row(3), 0, 0, 7, 1, 0xFFFFFFFFu);
  EXPECT_EQ(RedChannels(stretched), (std::vector<int>{0, 0, 1, 1, 1, 2, 2}));

  Image shrunk = MakeImage(2, 1, kGrey);
  BlendTexture(shrunk, Row(4), 0, 0, 2, 1, 0xFFFFFFFFu);
  EXPECT_EQ(RedChannels(shrunk), (std::vector<int>{1, 3}));
}

TEST(TextureScaling, ClippedDrawKeepsTheMappingOfTheWholeRectangle) {
  Image frame = MakeImage(4, 4, kGrey);
  BlendTexture(frame, Quadrants(), -2, -2, 4, 4, 0xFFFFFFFFu);
  EXPECT_EQ(PixelAt(frame, 0, 0), kYellow);
  EXPECT_EQ(PixelAt(frame, 1, 1), kYellow);
  EXPECT_EQ(PixelAt(frame, 2, 2), kGrey);
}

TEST(TextureScaling, HugeRectangleMapsWithoutOverflow) {
  // A 2 × 2 texture over 2^31 - 1 pixels from -1073741822: the centre line of the texture
  // falls between the frame's first and second pixel on both axes.
  Image frame = MakeImage(4, 4, kGrey);
  BlendTexture(frame, Quadrants(), -1073741822, -1073741822, INT32_MAX, INT32_MAX, 0xFFFFFFFFu);
  EXPECT_EQ(PixelAt(frame, 0, 0), kRed);
  EXPECT_EQ(PixelAt(frame, 1, 0), kGreen);
  EXPECT_EQ(PixelAt(frame, 0, 1), kBlue);
  EXPECT_EQ(PixelAt(frame, 3, 3), kYellow);
}

TEST(MalformedImages, DrawNothing) {
  Image short_texture = MakeImage(2, 2, {255, 255, 255, 255});
  short_texture.rgba.resize(4);  // claims 2 × 2 but holds one pixel
  const Image before = MakeImage(4, 4, kGrey);
  Image frame = before;
  BlendTexture(frame, short_texture, 0, 0, 4, 4, 0xFFFFFFFFu);
  BlendTexture(frame, Image{}, 0, 0, 4, 4, 0xFFFFFFFFu);
  EXPECT_EQ(frame.rgba, before.rgba);

  Image short_frame = MakeImage(4, 4, kGrey);
  short_frame.rgba.resize(8);
  BlendBox(short_frame, 0, 0, 4, 4, 0xFFFFFFFFu);
  FillBackdrop(short_frame);
  EXPECT_EQ(short_frame.rgba, MakeImage(2, 1, kGrey).rgba);
}

TEST(Backdrop, IsAnOpaqueCheckerOfTwoGreys) {
  Image frame = MakeImage(100, 75, kTransparent);  // cells cut off at both far edges
  FillBackdrop(frame);
  for (int32_t y = 0; y < frame.height; ++y) {
    for (int32_t x = 0; x < frame.width; ++x) {
      const bool light = (x / kBackdropCellSize + y / kBackdropCellSize) % 2 == 0;
      ASSERT_EQ(PixelAt(frame, x, y), light ? kBackdropLight : kBackdropDark)
          << "at " << x << "," << y;
    }
  }
  EXPECT_EQ(kBackdropLight.a, 255);
  EXPECT_EQ(kBackdropDark.a, 255);
  EXPECT_FALSE(kBackdropLight == kBackdropDark);
}

// ---- PNG files -----------------------------------------------------------------------------

class PngFiles : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("velomark_render_test_" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directory(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  std::set<std::string> FolderEntries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }

  std::filesystem::path folder_;
};

// A small PNG file put together by hand, so that every colour type and depth can be read.

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (const int value : values) bytes.push_back(static_cast<char>(value));
  return bytes;
}

std::string BigEndian32(uint32_t value) {
  return Bytes({static_cast<int>(value >> 24), static_cast<int>((value >> 16) & 0xFF),
                static_cast<int>((value >> 8) & 0xFF), static_cast<int>(value & 0xFF)});
}

std::string Chunk(const std::string& type, const std::string& data) {
  const std::string body = type + data;
  const auto crc =
      crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
  return BigEndian32(static_cast<uint32_t>(data.size())) + body +
         BigEndian32(static_cast<uint32_t>(crc));
}

std::string Deflated(const std::string& data) {
  std::vector<Bytef> out(compressBound(static_cast<uLong>(data.size())));
  uLongf out_size = static_cast<uLongf>(out.size());
  compress(out.data(), &out_size, reinterpret_cast<const Bytef*>(data.data()),
           static_cast<uLong>(data.size()));
  return std::string(reinterpret_cast<const char*>(out.data()), out_size);
}

struct PngContent {
  uint32_t width;
  uint32_t height;
  int bit_depth;
  int colour_type;  // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  int interlace;    // 0 none, 1 Adam7
  std::string extra_chunks;
  std::string scanlines;  // each starts with its filter byte
};

std::string PngFile(const PngContent& content) {
  const std::string header =
      BigEndian32(content.width) + BigEndian32(content.height) +
      Bytes({content.bit_depth, content.colour_type, 0, 0, content.interlace});
  return Bytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}) + Chunk("IHDR", header) +
         content.extra_chunks + Chunk("IDAT", Deflated(content.scanlines)) + Chunk("IEND", "");
}

TEST_F(PngFiles, RoundTripKeepsEveryByte) {
  Image image = MakeImage(5, 3);
  for (int32_t y = 0; y < 3; ++y) {
    for (int32_t x = 0; x < 5; ++x) {
      const auto v = static_cast<uint8_t>(x * 50 + y);
      // Partly and fully transparent pixels keep their colour: the file holds straight alpha.
      SetPixel(image, x, y,
               {v, static_cast<uint8_t>(255 - v), static_cast<uint8_t>(y * 90),
                static_cast<uint8_t>(x * 60)});
    }
  }
  const std::string path = PathOf("snapshot.png");
  WriteBytes("snapshot.png", "old content");
  std::string error;
  ASSERT_TRUE(SavePng(path, image, error)) << error;

  Image loaded;
  ASSERT_TRUE(LoadPng(path, loaded, error)) << error;
  EXPECT_EQ(loaded.width, 5);
  EXPECT_EQ(loaded.height, 3);
  EXPECT_EQ(loaded.rgba, image.rgba);
  EXPECT_EQ(FolderEntries(), std::set<std::string>{"snapshot.png"});
}

struct ConversionCase {
  const char* name;
  PngContent content;
  std::vector<Rgba> expected;  // row by row
};

class PngConversion : public PngFiles, public testing::WithParamInterface<ConversionCase> {};

TEST_P(PngConversion, ReadsAsEightBitRgba) {
  const ConversionCase& c = GetParam();
  WriteBytes("in.png", PngFile(c.content));
  Image image;
  std::string error;
  ASSERT_TRUE(LoadPng(PathOf("in.png"), image, error)) << error;
  ASSERT_EQ(image.width, static_cast<int32_t>(c.content.width));
  ASSERT_EQ(image.height, static_cast<int32_t>(c.content.height));
  std::vector<Rgba> pixels;
  for (int32_t y = 0; y < image.height; ++y) {
    for (int32_t x = 0; x < image.width; ++x) pixels.push_back(PixelAt(image, x, y));
  }
  EXPECT_EQ(pixels, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PngConversion,
    testing::Values(
        ConversionCase{"Grey8",
                       {2, 1, 8, 0, 0, "", Bytes({0, 0x00, 0xC8})},
                       {{0, 0, 0, 255}, {200, 200, 200, 255}}},
        ConversionCase{"Grey1",
                       {3, 1, 1, 0, 0, "", Bytes({0, 0b1010'0000})},
                       {{255, 255, 255, 255}, {0, 0, 0, 255}, {255, 255, 255, 255}}},
        // 0x8080 is exactly 128 × 257; 0x4000 / 257 = 63.75.
        ConversionCase{"GreyAlpha16",
                       {1, 1, 16, 4, 0, "", Bytes({0, 0x80, 0x80, 0x40, 0x00})},
                       {{128, 128, 128, 64}}},
        ConversionCase{
            "PaletteWithTransparency",
            {2, 1, 8, 3, 0,
             Chunk("PLTE", Bytes({10, 20, 30, 40, 50, 60})) + Chunk("tRNS", Bytes({0x80})),
             Bytes({0, 0, 1})},
            {{10, 20, 30, 128}, {40, 50, 60, 255}}},
        ConversionCase{
            "RgbColourKey",
            {2, 1, 8, 2, 0, Chunk("tRNS", Bytes({0, 1, 0, 2, 0, 3})), Bytes({0, 1, 2, 3, 4, 5, 6})},
            {{1, 2, 3, 0}, {4, 5, 6, 255}}},
        ConversionCase{
            "Rgba16",
            {1, 1, 16, 6, 0, "", Bytes({0, 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x80, 0x01, 0x01})},
            {{255, 0, 128, 1}}},
        // Adam7 on 2 × 2: pass 1 holds (0,0), pass 6 holds (1,0), pass 7 holds row 1.
        ConversionCase{"InterlacedRgb",
                       {2, 2, 8, 2, 1, "", Bytes({0, 1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12})},
                       {{1, 2, 3, 255}, {4, 5, 6, 255}, {7, 8, 9, 255}, {10, 11, 12, 255}}}),
    CaseName());

const PngContent kValidRgb{2, 2, 8, 2, 0, "", Bytes({0, 1, 2, 3, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12})};

std::string WithByteFlipped(std::string bytes, size_t offset) {
  bytes[offset] = static_cast<char>(bytes[offset] ^ 0x55);
  return bytes;
}

struct BadFileCase {
  const char* name;
  std::string bytes;
};

class UnreadablePng : public PngFiles, public testing::WithParamInterface<BadFileCase> {};

TEST_P(UnreadablePng, FailsWithMessageAndLeavesImageAlone) {
  WriteBytes("bad.png", GetParam().bytes);
  Image image = MakeImage(7, 1, kGrey);
  const Image before = image;
  std::string error;
  EXPECT_FALSE(LoadPng(PathOf("bad.png"), image, error));
  EXPECT_NE(error.find("bad.png"), std::string::npos) << error;
  EXPECT_EQ(image.width, before.width);
  EXPECT_EQ(image.rgba, before.rgba);
}

const std::string kValidFile = PngFile(kValidRgb);
constexpr size_t kHeaderEnd = 8 + 25;  // signature, then the IHDR chunk

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadablePng,
    testing::Values(BadFileCase{"Empty", ""}, BadFileCase{"Text", "this is not an image"},
                    BadFileCase{"SignatureOnly", kValidFile.substr(0, 8)},
                    BadFileCase{"CutInImageData", kValidFile.substr(0, kHeaderEnd + 14)},
                    BadFileCase{"NoEndChunk", kValidFile.substr(0, kValidFile.size() - 12)},
                    BadFileCase{"DamagedImageData", WithByteFlipped(kValidFile, kHeaderEnd + 10)},
                    BadFileCase{"DamagedHeader", WithByteFlipped(kValidFile, 17)},
                    BadFileCase{"TooLittleImageData",
                                PngFile({2, 2, 8, 2, 0, "", Bytes({0, 1, 2, 3, 4, 5, 6})})},
                    BadFileCase{"PaletteMissing", PngFile({1, 1, 8, 3, 0, "", Bytes({0, 0})})},
                    BadFileCase{"HugeWidth", PngFile({100000, 1, 8, 0, 0, "", Bytes({0, 0})})}),
    CaseName());

TEST_F(PngFiles, MissingFileOrFolderFailsWithMessage) {
  std::filesystem::create_directory(folder_ / "folder.png");
  for (const std::string name : {"absent.png", "folder.png"}) {
    Image image = MakeImage(7, 1, kGrey);
    std::string error;
    EXPECT_FALSE(LoadPng(PathOf(name), image, error)) << name;
    EXPECT_NE(error.find(name), std::string::npos) << error;
    EXPECT_EQ(image.width, 7) << name;
  }
}

TEST_F(PngFiles, FailedSaveLeavesNoFileBehind) {
  const Image image = MakeImage(4, 4, kGrey);
  std::filesystem::create_directory(folder_ / "taken");
  const std::set<std::string> entries_before = FolderEntries();
  // A folder that does not exist, and a name taken by a folder: the second fails only at the
  // final rename, after the whole temporary file is written.
  for (const std::string& path : {PathOf("absent/out.png"), PathOf("taken")}) {
    std::string error;
    EXPECT_FALSE(SavePng(path, image, error)) << path;
    EXPECT_FALSE(error.empty()) << path;
    EXPECT_EQ(FolderEntries(), entries_before) << path;
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "taken"));
}

TEST_F(PngFiles, SaveRefusesImagesWithoutValidPixels) {
  Image short_data = MakeImage(3, 3, kGrey);
  short_data.rgba.pop_back();
  for (const Image& image : {Image{}, MakeImage(0, 5), short_data}) {
    std::string error;
    EXPECT_FALSE(SavePng(PathOf("out.png"), image, error));
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
