#include "model/text_file.h"

#include <gtest/gtest.h>

namespace ombrel {
namespace {

TEST(TextFile, Windows1252RoundTripsEveryAssignedByte) {
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D)
      bytes += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(bytes);
  EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
  EXPECT_EQ(Cp1252ToUtf8("\xA1 \xF1 \x80"), "¡ ñ €");
}

TEST(TextFile, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x88\x9A"
                         "b"),
            "a?b");                        // U+221A has no byte
  EXPECT_EQ(Utf8ToCp1252("x\xC3"), "x?");  // truncated sequence
  EXPECT_EQ(Utf8ToCp1252("ASCII solo\r\n"), "ASCII solo\r\n");
  EXPECT_EQ(Utf8ToCp1252("Número de vértices"), "N\xFAmero de v\xE9rtices");
}

}  // namespace
}  // namespace ombrel
