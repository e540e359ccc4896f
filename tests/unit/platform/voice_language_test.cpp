#include "platform/voice_language.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(voice_language_test, chinese_voices_as_their_tokens_name_their_languages) {
  struct Case {
    const char* attribute;
    bool chinese;
  };
  const Case cases[] = {
      {"804", true},  {"804;409", true}, {"409; 804", true}, {"0804", true},
      {"404", false}, {"C04", false},    {"8040", false},    {"804x", false},
      {"409", false}, {"", false},       {";", false},       {"-804", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ListsChineseLanguage(c.attribute), c.chinese) << c.attribute;
}

}  // namespace
}  // namespace orvel
