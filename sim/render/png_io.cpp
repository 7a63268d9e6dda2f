#include "sim/render/png_io.h"

#include <png.h>
#include <zlib.h>

#include <cerrno>
#include <cinttypes>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <system_error>
#include <vector>

// libpng reports a failure by calling an error handler that must not return; the handler here
// records the message and longjmps back to the setjmp of the step in progress. A longjmp is well
// defined in C++ only when no object with a destructor is skipped, so each step that can fail
// is a small function whose locals are all trivial, and everything that owns memory or a file
// lives in its caller.

namespace {

constexpr uint32_t kMaxDimension = 8192;
constexpr size_t kSignatureBytes = 8;

// What went wrong, as libpng put it. libpng explains some errors only in a warning just before
// them ("Image width exceeds user limit" before "Invalid IHDR data"), so the last warning is kept
// and shown with the error.
struct PngFailure {
  char message[160] = "unknown libpng error";
  char last_warning[160] = "";

  std::string Text() const {
    std::string text = message;
    if (last_warning[0] != '\0') text += std::string(" (") + last_warning + ")";
    return text;
  }
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message) {
  auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
  std::snprintf(failure->message, sizeof failure->message, "%s", message);
  png_longjmp(png, 1);
}

// A warning alone (a bad colour profile, an unknown ancillary chunk) leaves the pixels intact.
void OnPngWarning(png_structp png, png_const_charp message) {
  auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
  std::snprintf(failure->last_warning, sizeof failure->last_warning, "%s", message);
}

// Replaces libpng's own file reader, whose only complaint is "Read Error".
void ReadFromFile(png_structp png, png_bytep data, size_t length) {
  auto* file = static_cast<std::FILE*>(png_get_io_ptr(png));
  if (std::fread(data, 1, length, file) == length) return;
  png_error(png, std::feof(file) ? "the file ends too early" : "the file cannot be read");
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

std::string SystemError(int error_number) { return std::strerror(error_number); }

class PngReadStructs {
 public:
  explicit PngReadStructs(PngFailure* failure)
      : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, failure, OnPngError, OnPngWarning)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {}
  ~PngReadStructs() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReadStructs(const PngReadStructs&) = delete;
  PngReadStructs& operator=(const PngReadStructs&) = delete;

  bool created() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

class PngWriteStructs {
 public:
  explicit PngWriteStructs(PngFailure* failure)
      : png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, failure, OnPngError, OnPngWarning)),
        info_(png_ ? png_create_info_struct(png_) : nullptr) {}
  ~PngWriteStructs() { png_destroy_write_struct(&png_, &info_); }
  PngWriteStructs(const PngWriteStructs&) = delete;
  PngWriteStructs& operator=(const PngWriteStructs&) = delete;

  bool created() const { return png_ != nullptr && info_ != nullptr; }
  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  png_structp png_;
  png_infop info_;
};

struct Layout {
  uint32_t width;
  uint32_t height;
  uint32_t channels;
  uint32_t bit_depth;
};

// Reads the header past the already checked signature and asks for 8-bit RGBA output.
bool ReadLayout(png_structp png, png_infop info, std::FILE* file, Layout* layout) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, file, ReadFromFile);
  png_set_sig_bytes(png, static_cast<int>(kSignatureBytes));
  png_set_user_limits(png, kMaxDimension, kMaxDimension);
  png_read_info(png, info);
  png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, transparency chunk to alpha
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);  // only where no alpha exists by now
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  layout->width = png_get_image_width(png, info);
  layout->height = png_get_image_height(png, info);
  layout->channels = png_get_channels(png, info);
  layout->bit_depth = png_get_bit_depth(png, info);
  return true;
}

bool ReadRows(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);  // reaches the end chunk, so a truncated file fails
  return true;
}

bool WriteRows(png_structp png, png_infop info, std::FILE* file, uint32_t width, uint32_t height,
               png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  // Snapshots are large and written often. The fastest zlib level with the single "up" filter
  // (each row as its difference from the row above, which the backdrop repeats) encodes a
  // 1920 × 1080 frame about four times faster than libpng's defaults, at a few times the size.
  png_set_compression_level(png, Z_BEST_SPEED);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

// A name beside path that no other writer picks: path + "." + 16 random hex digits + ".tmp".
std::string TemporaryPathBeside(const std::string& path) {
  std::random_device random;
  const uint64_t token = (static_cast<uint64_t>(random()) << 32) ^ random();
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%016" PRIx64 ".tmp", token);
  return path + suffix;
}

// Writes the whole file; on failure sets cause and leaves the file for the caller to remove.
bool WriteFile(const std::string& file_path, const Image& image, std::string& cause) {
  FileHandle file(std::fopen(file_path.c_str(), "wb"));
  if (!file) {
    cause = "cannot create the temporary file " + Quoted(file_path) + ": " + SystemError(errno);
    return false;
  }
  PngFailure failure;
  PngWriteStructs structs(&failure);
  if (!structs.created()) {
    cause = "libpng could not start";
    return false;
  }
  // libpng takes non-const row pointers but only reads the rows when no transform is set.
  std::vector<png_bytep> rows(static_cast<size_t>(image.height));
  const size_t row_bytes = static_cast<size_t>(image.width) * 4;
  for (size_t y = 0; y < rows.size(); ++y) {
    rows[y] = const_cast<png_bytep>(image.rgba.data() + y * row_bytes);
  }
  if (!WriteRows(structs.png(), structs.info(), file.get(), static_cast<uint32_t>(image.width),
                 static_cast<uint32_t>(image.height), rows.data())) {
    cause = failure.Text();
    return false;
  }
  // Buffered data reaches the disk only now, so a full disk shows up here.
  if (std::fclose(file.release()) != 0) {
    cause = SystemError(errno);
    return false;
  }
  return true;
}

}  // namespace

bool LoadPng(const std::string& path, Image& out, std::string& error) {
  FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) {
    error = "cannot open " + Quoted(path) + ": " + SystemError(errno);
    return false;
  }
  png_byte signature[kSignatureBytes];
  const size_t signature_read = std::fread(signature, 1, kSignatureBytes, file.get());
  if (std::ferror(file.get())) {  // a folder, for one, opens but cannot be read
    error = "cannot read " + Quoted(path) + ": " + SystemError(errno);
    return false;
  }
  if (signature_read != kSignatureBytes || png_sig_cmp(signature, 0, kSignatureBytes) != 0) {
    error = Quoted(path) + " is not a PNG file";
    return false;
  }
  PngFailure failure;
  PngReadStructs structs(&failure);
  if (!structs.created()) {
    error = "cannot read " + Quoted(path) + ": libpng could not start";
    return false;
  }
  Layout layout{};
  if (!ReadLayout(structs.png(), structs.info(), file.get(), &layout)) {
    error = "cannot read " + Quoted(path) + ": " + failure.Text();
    return false;
  }
  if (layout.channels != 4 || layout.bit_depth != 8) {
    error = "cannot read " + Quoted(path) + ": unexpected pixel layout after conversion";
    return false;
  }
  Image image;
  std::vector<png_bytep> rows;
  try {
    image = MakeImage(static_cast<int32_t>(layout.width), static_cast<int32_t>(layout.height));
    rows.resize(layout.height);
  } catch (const std::bad_alloc&) {
    error = "cannot read " + Quoted(path) + ": not enough memory for the image";
    return false;
  }
  const size_t row_bytes = static_cast<size_t>(layout.width) * 4;
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = image.rgba.data() + y * row_bytes;
  if (!ReadRows(structs.png(), structs.info(), rows.data())) {
    error = "cannot read " + Quoted(path) + ": " + failure.Text();
    return false;
  }
  out = std::move(image);
  return true;
}

bool SavePng(const std::string& path, const Image& image, std::string& error) {
  if (!HasConsistentSize(image) || image.width == 0 || image.height == 0) {
    error = "cannot save " + Quoted(path) + ": the image has no pixels or a wrong data size";
    return false;
  }
  const std::string temporary = TemporaryPathBeside(path);
  std::string cause;
  if (!WriteFile(temporary, image, cause)) {
    std::remove(temporary.c_str());
    error = "cannot save " + Quoted(path) + ": " + cause;
    return false;
  }
  std::error_code rename_error;
  std::filesystem::rename(temporary, path, rename_error);
  if (rename_error) {
    std::remove(temporary.c_str());
    error = "cannot save " + Quoted(path) + ": " + rename_error.message();
    return false;
  }
  return true;
}
