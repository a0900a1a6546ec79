#include "items/wording.h"

#include <gtest/gtest.h>

namespace {

std::string Repeated(std::string_view text, int times) {
  std::string repeated;
  for (int i = 0; i < times; ++i) repeated += text;
  return repeated;
}

// Forty characters stay whole; one more, and the text keeps its first 39,
// counted and cut in whole UTF-8 characters.
TEST(Wording, QuotedTextIsCutAfterFortyCharacters) {
  const std::string a38 = Repeated("a", 38), a39 = Repeated("a", 39), e39 = Repeated("é", 39);
  const struct {
    std::string text, quoted;
  } cases[] = {
      {"", "\"\""},
      {a39 + "b", "\"" + a39 + "b\""},
      {a39 + "bc", "\"" + a39 + "…\""},
      {Repeated("x", 400), "\"" + Repeated("x", 39) + "…\""},
      {e39 + "é", "\"" + e39 + "é\""},
      {e39 + "éé", "\"" + e39 + "…\""},
      {a38 + "€𝄞", "\"" + a38 + "€𝄞\""},
      {a38 + "€𝄞z", "\"" + a38 + "€…\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedText(c.text), c.quoted) << c.text;
}

}  // namespace
