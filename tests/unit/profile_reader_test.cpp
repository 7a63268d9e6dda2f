// The module's own profile (INI) reader: lookups in small files, found through a relative path
// with backslashes as the module passes it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/windows_api.h"

namespace {

#if !defined(_WIN32)

class ProfileReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousFolder_ = std::filesystem::current_path();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::temp_directory_path() /
              ("velomark-profile-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "sub");
    std::filesystem::current_path(folder_);
  }

  void TearDown() override {
    std::filesystem::current_path(previousFolder_);
    std::filesystem::remove_all(folder_);
  }

  static void WriteFile(const std::string& contents) {
    std::ofstream(std::filesystem::path("sub") / "file.ini", std::ios::binary) << contents;
  }

  // The value of section and key in "sub\file.ini", read into a buffer of the given size.
  static std::string Read(const char* section, const char* key, const char* defaultValue = nullptr,
                          DWORD size = 256, const char* path = "sub\\file.ini") {
    std::string buffer(size, '#');
    const DWORD length = GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), size,
                                                  path);
    const std::string value(buffer.c_str());
    EXPECT_EQ(length, value.size()) << "the result counts the characters copied";
    return value;
  }

 private:
  std::filesystem::path previousFolder_;
  std::filesystem::path folder_;
};

TEST_F(ProfileReaderTest, SectionAndKeyNamesIgnoreCase) {
  WriteFile("[Money]\nfX=12\n[RADAR]\nFy=7\n");
  EXPECT_EQ(Read("Money", "fX"), "12");
  EXPECT_EQ(Read("money", "FX"), "12");
  EXPECT_EQ(Read("MONEY", "fx"), "12");
  EXPECT_EQ(Read("Radar", "fY"), "7");
}

TEST_F(ProfileReaderTest, BlanksAroundNamesAndValuesAreIgnored) {
  WriteFile("  \t[Money]\t \n \t fX \t= \t 12 5 \t \n\tfY=\t\n");
  EXPECT_EQ(Read("Money", "fX"), "12 5");
  EXPECT_EQ(Read("Money", "fY"), "");
}

struct QuoteCase {
  const char* line;
  const char* value;
};

class ProfileQuoteTest : public ProfileReaderTest,
                         public ::testing::WithParamInterface<QuoteCase> {};

TEST_P(ProfileQuoteTest, OnePairOfSurroundingQuotesIsRemoved) {
  WriteFile(std::string("[Money]\n") + GetParam().line + "\n");
  EXPECT_EQ(Read("Money", "fX"), GetParam().value) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileQuoteTest,
    ::testing::Values(QuoteCase{"fX=\"12\"", "12"}, QuoteCase{"fX='12'", "12"},
                      QuoteCase{"fX= \"  12 \" ", "  12 "}, QuoteCase{"fX=\"\"12\"\"", "\"12\""},
                      QuoteCase{"fX=\"12'", "\"12'"}, QuoteCase{"fX=\"12", "\"12"},
                      QuoteCase{"fX=1\"2\"", "1\"2\""}, QuoteCase{"fX=\"\"", ""}));

// Windows has no comment lines: a line starting with ';' is a key whose name starts with ';'.
TEST_F(ProfileReaderTest, SemicolonLinesAreKeysWithOddNames) {
  WriteFile("[Money]\n;fX=1\n  ; fX=2\nfX=3\n");
  EXPECT_EQ(Read("Money", "fX"), "3");
  EXPECT_EQ(Read("Money", ";fX"), "1");
  EXPECT_EQ(Read("Money", "; fX"), "2");
}

TEST_F(ProfileReaderTest, FirstKeyOfANameWins) {
  WriteFile("[Money]\nfX=1\nFX=2\nfX=3\n");
  EXPECT_EQ(Read("Money", "fX"), "1");
}

TEST_F(ProfileReaderTest, KeysAreLookedUpOnlyInTheirSection) {
  WriteFile("fX=0\n[Radar]\nfX=1\n[Money]\nfY=2\n[Ammo]\nfX=3\n");
  EXPECT_EQ(Read("Money", "fX"), "");
  EXPECT_EQ(Read("Radar", "fX"), "1");
  EXPECT_EQ(Read("Ammo", "fX"), "3");
}

TEST_F(ProfileReaderTest, WhatIsMissingReadsAsEmptyOrTheDefault) {
  WriteFile("[Money]\nfX=12\n");
  EXPECT_EQ(Read("Money", "fY"), "");
  EXPECT_EQ(Read("Ammo", "fX"), "");
  EXPECT_EQ(Read("Money", "fX", nullptr, 256, "sub\\other.ini"), "");
  EXPECT_EQ(Read("Money", "fX", nullptr, 256, "none\\file.ini"), "");

  EXPECT_EQ(Read("Money", "fY", "7.5"), "7.5");
  EXPECT_EQ(Read("Ammo", "fX", "7.5"), "7.5");
  EXPECT_EQ(Read("Money", "fX", "7.5", 256, "sub\\other.ini"), "7.5");
  // A key that is there is not replaced by the default.
  EXPECT_EQ(Read("Money", "fX", "7.5"), "12");
}

TEST_F(ProfileReaderTest, ValueIsCutToFitTheBuffer) {
  const std::string longValue = std::string(200, 'a') + std::string(100, 'b');
  WriteFile("[Money]\nfX=" + longValue + "\nfY=abcdef\n");
  EXPECT_EQ(Read("Money", "fX"), longValue.substr(0, 255));
  EXPECT_EQ(Read("Money", "fY", nullptr, 4), "abc");
  EXPECT_EQ(Read("Money", "fY", nullptr, 1), "");
  EXPECT_EQ(Read("Money", "fZ", "default", 4), "def");
}

TEST_F(ProfileReaderTest, WindowsLineEndsAreNotPartOfTheValue) {
  WriteFile("[Money]\r\nfX=12\r\nfY = 7 \r\n[Ammo]\r\nfX=3\r\n");
  EXPECT_EQ(Read("Money", "fX"), "12");
  EXPECT_EQ(Read("Money", "fY"), "7");
  EXPECT_EQ(Read("Ammo", "fX"), "3");
}

TEST_F(ProfileReaderTest, ByteOrderMarkBeforeTheFirstSectionIsIgnored) {
  WriteFile("\xEF\xBB\xBF[Money]\nfX=12\n");
  EXPECT_EQ(Read("Money", "fX"), "12");
}

TEST_F(ProfileReaderTest, LastLineWithoutLineEndIsRead) {
  WriteFile("[Money]\nfX=12");
  EXPECT_EQ(Read("Money", "fX"), "12");
}

TEST_F(ProfileReaderTest, KeyWithoutEqualsSignReadsAsEmptyAndLeavesTheRestReadable) {
  WriteFile("[Money]\nbFlag\nfX=12\n");
  EXPECT_EQ(Read("Money", "bFlag"), "");
  EXPECT_EQ(Read("Money", "fX"), "12");
}

#endif  // !_WIN32

}  // namespace
