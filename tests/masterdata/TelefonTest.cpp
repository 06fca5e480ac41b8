#include "AlanAileleri.h"

#include <gtest/gtest.h>

namespace {

TEST(TelefonTesti, MaskeVeÇıplakNumaraİkiYönde) {
  struct Durum {
    const char* yazılan;
    const char* maskeli;  // on leaving the box
    const char* çıplak;   // on entering a box that holds the masked text
  };
  const Durum durumlar[] = {
      {"1234567890", "0123 456 78 90", "1234567890"},
      {"01234567890", "0123 456 78 90", "1234567890"},
      {"12345678901", "0123 456 78 90", "1234567890"},  // eleven digits: the last is dropped
      {"2125551234", "0212 555 12 34", "2125551234"},
      {"12345", "0 1 23 45", "12345"},
      {"0 123 45", "0 1 23 45", "12345"},  // blanks are passed over
      {"", "", ""},
      {"0", "", ""},
      {"000", "", ""},
      {"12A34", "0   12", "12"},  // pasted letters end the number
      {"ABC", "", ""},
  };
  for (const Durum& d : durumlar) {
    const QString maskeli = AlanAileleri::TelefonMaskesi(QString::fromUtf8(d.yazılan));
    EXPECT_EQ(maskeli, QString::fromUtf8(d.maskeli)) << d.yazılan;
    EXPECT_EQ(AlanAileleri::TelefonRakamları(maskeli), QString::fromUtf8(d.çıplak)) << d.yazılan;
    EXPECT_EQ(AlanAileleri::TelefonMaskesi(maskeli), maskeli) << d.yazılan;  // a second pass changes nothing
  }
  EXPECT_EQ(AlanAileleri::TelefonRakamları("0"), "0");  // no number: the text stays
}

}  // namespace
