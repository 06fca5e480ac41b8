#include "AlanAileleri.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(TelefonTesti, MaskeVeÇıplakNumaraİkiYönde) {
  // Typed, shown on leaving the box, shown on entering it again.
  const std::array<const char*, 3> durumlar[] = {
      {"1234567890", "0123 456 78 90", "1234567890"},
      {"01234567890", "0123 456 78 90", "1234567890"},
      {"12345678901", "0123 456 78 90", "1234567890"},  // eleven digits: the last is dropped
      {"12345", "0 1 23 45", "12345"},
      {"0 123 45", "0 1 23 45", "12345"},  // blanks are passed over
      {"", "", ""},
      {"0", "", ""},
      {"12A34", "0   12", "12"},  // pasted letters end the number
  };
  for (const auto& [yazılan, maskeli, çıplak] : durumlar) {
    EXPECT_EQ(AlanAileleri::TelefonMaskesi(yazılan), maskeli) << yazılan;
    EXPECT_EQ(AlanAileleri::TelefonRakamları(maskeli), çıplak) << yazılan;
    EXPECT_EQ(AlanAileleri::TelefonMaskesi(maskeli), maskeli) << yazılan;  // a second pass changes nothing
  }
  EXPECT_EQ(AlanAileleri::TelefonRakamları("0"), "0");  // no number: the text stays
}

}  // namespace
