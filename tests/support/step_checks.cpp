#include "support/step_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "support/temp_dir.h"

namespace ombrel::testing {

std::string ValidationProject(const std::string& name) {
  return ValidationDir() + "/" + name + "/project.txt";
}

std::vector<std::string> ConstrainedNetworks() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(ValidationDir())) {
    if (!entry.is_directory()) continue;
    const std::string expected = ReadBytes((entry.path() / "expected.json").string());
    if (Contains(expected, "\"how_to_adjust\": \"constrained"))
      names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void ExpectStepFailed(const NetworkState& s, const ScriptedInteraction& ui,
                      const std::string& message) {
  EXPECT_TRUE(s.Abandon);
  EXPECT_EQ(s.MessageText, message);
  const std::vector<RecordedCall> prompts = ui.Prompts();
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0].kind, "MessageBox");
  EXPECT_EQ(prompts[0].text, message);
  EXPECT_EQ(prompts[0].title, "Ombrel");
  EXPECT_EQ(prompts[0].buttons, Buttons::Ok);
  EXPECT_EQ(prompts[0].icon, Icon::Exclamation);
}

void ExpectNoNonFiniteText(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_FALSE(Contains(lower, "nan"));
  EXPECT_FALSE(Contains(lower, "inf"));
}

std::size_t LineIndex(const std::vector<std::string>& lines, const std::string& text) {
  const auto it = std::find(lines.begin(), lines.end(), text);
  if (it == lines.end()) ADD_FAILURE() << "no line \"" << text << "\"";
  return static_cast<std::size_t>(it - lines.begin());
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

ScriptedInteraction& PlainRun(ScriptedInteraction& ui, const std::string& listing,
                              OutputType type) {
  return ui.Then(Answer::No)
      .Then(Answer::No)
      .Then("4.12")
      .Then(Answer::No)
      .Then(listing)
      .Then(type)
      .Then(Answer::No);
}

}  // namespace ombrel::testing
