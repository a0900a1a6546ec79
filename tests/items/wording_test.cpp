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
      {a39 + "b", Quoted(a39 + "b")},
      {a39 + "bc", Quoted(a39 + "…")},
      {Repeated("x", 400), Quoted(Repeated("x", 39) + "…")},
      {e39 + "é", Quoted(e39 + "é")},
      {e39 + "éé", Quoted(e39 + "…")},
      {a38 + "€𝄞", Quoted(a38 + "€𝄞")},
      {a38 + "€𝄞z", Quoted(a38 + "€…")},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedText(c.text), c.quoted) << c.text;
}

}  // namespace
