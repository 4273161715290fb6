#include "ui/prompt_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ombrel {
namespace {

TEST(PromptText, TypedNumbersRefuseCommasAndSecondPoints) {
  const std::string huge = "1" + std::string(400, '0');
  for (const std::string& ok :
       std::vector<std::string>{"4.12", " 3.5", "7", "-2", "+.5", "1e3", "2.E-4 ", "1e-999",
                                huge + "e-395", "0.000" + huge + "e-90"})
    EXPECT_TRUE(IsTypedNumber(ok)) << ok;
  // Beyond the range of a double: refused, never an overflow where it is used.
  for (const std::string& bad :
       std::vector<std::string>{"", "4,12", "1.2.3", ".", "-", "abc", "3a", "1e", "1 2", "1e999",
                                "-1E+400", "1e99999999999999999999", huge, huge + "e-80"})
    EXPECT_FALSE(IsTypedNumber(bad)) << bad;
  EXPECT_TRUE(IsTypedWholeNumber(" 7 "));
  for (const std::string& bad : std::vector<std::string>{"7.", "7.0", "-1", "", "1e2", huge})
    EXPECT_FALSE(IsTypedWholeNumber(bad)) << bad;
}

}  // namespace
}  // namespace ombrel
