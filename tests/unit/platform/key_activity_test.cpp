// The key scan of the idle check, the same on every backend.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/key_activity.h"

namespace orvel {
namespace {

constexpr int kKeyA = 0x41;

TEST(key_activity_test, only_keys_1_to_145_down_and_pressed_count_and_all_are_read) {
  struct Case {
    int key;
    std::int16_t value;
    bool resets;
  };
  const Case cases[] = {
      {1, -32767, true},  {145, -32767, true},    {kKeyA, -32767, true},  {146, -32767, false},
      {0, -32767, false}, {kKeyA, 0x0001, false}, {kKeyA, -32768, false}, {kKeyA, -1, false},
  };
  for (const Case& c : cases) {
    std::vector<int> asked;
    const AsyncKeyStateReader keys = [&](int key) {
      asked.push_back(key);
      return key == c.key ? c.value : std::int16_t{0};
    };
    EXPECT_EQ(KeyPressedAndDown(keys), c.resets) << c.key << " " << c.value;
    // Every key once, in order, even after a find: each read clears the key's pressed bit.
    ASSERT_EQ(asked.size(), 145u);
    for (std::size_t i = 0; i < asked.size(); ++i) EXPECT_EQ(asked[i], static_cast<int>(i) + 1);
  }
}

}  // namespace
}  // namespace orvel
