#include "ui/prompt_text.h"

#include <gtest/gtest.h>

namespace ombrel {
namespace {

TEST(PromptText, TypedNumbersRefuseCommasAndSecondPoints) {
  for (const char* ok : {"4.12", " 3.5", "7", "-2", "+.5", "1e3", "2.E-4 "})
    EXPECT_TRUE(IsTypedNumber(ok)) << ok;
  for (const char* bad : {"", "4,12", "1.2.3", ".", "-", "abc", "3a", "1e", "1 2"})
    EXPECT_FALSE(IsTypedNumber(bad)) << bad;
  EXPECT_TRUE(IsTypedWholeNumber(" 7 "));
  for (const char* bad : {"7.", "7.0", "-1", "", "1e2"}) EXPECT_FALSE(IsTypedWholeNumber(bad));
}

TEST(PromptText, HeadingPromptFrame) {
  EXPECT_EQ(HeadingPrompt("H", "Q"), "\r\nH\r\n\r\n\r\nQ");
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb");
}

}  // namespace
}  // namespace ombrel
