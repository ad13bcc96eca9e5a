#include "refdata/stored_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/text.h"
#include "stored_text_encoder.h"
#include "tsv_table.h"

namespace kelvara {
namespace {

// Counts beeps while it lives, instead of sounding them.
class BeepCounter {
 public:
  BeepCounter() : previous_(SetBeepHook([this] { ++count_; })) {}
  ~BeepCounter() { SetBeepHook(std::move(previous_)); }
  int count() const { return count_; }

 private:
  int count_ = 0;
  BeepHook previous_;
};

struct DecodeCase {
  const char* label;
  const char* stored;
  std::string plain_gbk;  // the decoded bytes
  int beeps;
};

// The multi-byte rows were worked out with an independent implementation of
// the seven keyed cycles (key 4821 = 0x12D5).
const DecodeCase kDecodeCases[] = {
    {"empty text", "", "", 0},
    {"one digit", "4", "", 0},
    {"one byte: no pass changes it", "41", "A", 0},
    {"lower-case digits", "6a", "j", 0},
    {"two bytes", "4142", "\x63\x99", 0},
    {"odd length ignores the last digit", "41427", "\x63\x99", 0},
    {"one character", "63A1", ToGbk("吉"), 0},
    {"same in lower case", "63a1", ToGbk("吉"), 0},
    {"five characters", "AB4FCC986F644DA0DAD4", ToGbk("甲子海中金"), 0},
    {"full-width punctuation", "D12E79CBADD4B9ABABB3D482FE1E30FFEC6B",
     ToGbk("乾为天：元亨利贞。"), 0},
    {"a non-hex pair beeps and is skipped", "4G41", "A", 1},
    {"a blank inside a pair is not hex", " 641", "A", 1},
    {"only bad pairs: empty", "zzx!", "", 2},
    {"bad pairs between good ones", "63--A1++", ToGbk("吉"), 2},
    {"sign is not a digit", "+41", "", 1},
};

TEST(DecodeStoredTextTest, DecodesAsStored) {
  for (const DecodeCase& c : kDecodeCases) {
    BeepCounter beeps;
    EXPECT_EQ(DecodeStoredBytes(c.stored), c.plain_gbk) << c.label;
    EXPECT_EQ(beeps.count(), c.beeps) << c.label;
  }
}

TEST(DecodeStoredTextTest, GivesUtf8Text) {
  EXPECT_EQ(DecodeStoredText("AB4FCC986F644DA0DAD4"), "甲子海中金");
  EXPECT_EQ(DecodeStoredText(""), "");
  EXPECT_EQ(DecodeStoredText("X"), "");
}

TEST(DecodeStoredTextTest, BytesThatAreNotGbkStillShow) {
  // A stored value whose bytes end inside a two-byte character.
  const std::string stored = refdata_build::EncodeStoredBytes("\xBC");
  EXPECT_EQ(DecodeStoredText(stored), "\xEF\xBF\xBD");
}

TEST(DecodeStoredTextTest, DefaultBeepIsRestoredByEmptyHook) {
  int count = 0;
  const BeepHook previous = SetBeepHook([&count] { ++count; });
  DecodeStoredBytes("zz");
  SetBeepHook(previous);
  DecodeStoredBytes("zz");  // goes to the default bell, not the counter
  EXPECT_EQ(count, 1);
}

TEST(EncodeStoredTextTest, RoundTripsEveryByteValueAndLength) {
  std::mt19937 random(20240204);
  std::uniform_int_distribution<int> byte(0, 255);
  for (std::size_t length = 0; length <= 48; ++length) {
    for (int sample = 0; sample < 20; ++sample) {
      std::string bytes;
      for (std::size_t i = 0; i < length; ++i) {
        bytes.push_back(static_cast<char>(byte(random)));
      }
      const std::string stored = refdata_build::EncodeStoredBytes(bytes);
      ASSERT_EQ(stored.size(), 2 * length);
      ASSERT_EQ(stored.find_first_not_of("0123456789ABCDEF"),
                std::string::npos);
      ASSERT_EQ(DecodeStoredBytes(stored), bytes) << "length " << length;
    }
  }
}

TEST(EncodeStoredTextTest, TextWithoutGbkFormIsRefused) {
  EXPECT_FALSE(refdata_build::EncodeStoredText("😀").has_value());
  EXPECT_EQ(refdata_build::EncodeStoredText("吉"), "63A1");
}

// Every GBK text of the committed reference sources (a sample of each large
// table) goes through the scrambler and back unchanged.
TEST(EncodeStoredTextTest, RoundTripsTheReferenceTexts) {
  namespace fs = std::filesystem;
  const fs::path data = fs::path(KELVARA_SOURCE_DIR) / "data";
  int texts = 0;
  for (const char* file :
       {"dream.dll", "TarselFile.dll", "TarselBirth.dll", "Tgcode.dll"}) {
    if (!fs::is_directory(data / file)) continue;
    for (const auto& entry : fs::directory_iterator(data / file)) {
      if (entry.path().extension() != ".tsv") continue;
      const auto table = tsv::ReadTsvFile(entry.path());
      const std::size_t rows = std::min<std::size_t>(table.rows.size(), 300);
      for (std::size_t r = 0; r < rows; ++r) {
        for (const std::string& cell : table.rows[r].cells) {
          const auto stored = refdata_build::EncodeStoredText(cell);
          if (!stored) continue;  // a text with characters beyond GBK
          ASSERT_EQ(DecodeStoredText(*stored), cell) << entry.path();
          ++texts;
        }
      }
    }
  }
  EXPECT_GT(texts, 1000) << "too few reference texts under " << data;
}

}  // namespace
}  // namespace kelvara
