#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/yaml_tree.h"

namespace orvel::exchange {
namespace {

TEST(yaml_tree_test, reads_json_as_written_with_or_without_blanks) {
  const char* const texts[] = {
      R"({"year": 2027, "days": [{"name": "元旦", "date": "2027-01-01", "isOffDay": true}]})",
      R"({"year":2027,"days":[{"name":"元旦","date":"2027-01-01","isOffDay":true}]})",
  };
  for (const char* text : texts) {
    const YamlRead read = ParseYaml(text);
    ASSERT_TRUE(read.tree) << text;
    const YamlNode root = read.tree->Root();
    EXPECT_EQ(root.Get("year").Scalar(), "2027");
    const std::vector<YamlNode> days = root.Get("days").Items();
    ASSERT_EQ(days.size(), 1u) << text;
    EXPECT_EQ(days[0].Get("name").Scalar(), "元旦");
    EXPECT_EQ(days[0].Get("date").Scalar(), "2027-01-01");
    EXPECT_EQ(days[0].Get("isOffDay").Scalar(), "true");
  }
}

TEST(yaml_tree_test, finds_every_key_of_a_mapping_of_many) {
  std::string yaml = "{";
  for (int i = 0; i < 100; ++i) yaml += "k" + std::to_string(i) + ": v" + std::to_string(i) + ", ";
  yaml += "? [complex]\n: key}";
  const YamlRead read = ParseYaml(yaml);
  ASSERT_TRUE(read.tree);
  const YamlNode root = read.tree->Root();
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(root.Get("k" + std::to_string(i)).Scalar(), "v" + std::to_string(i));
  }
  EXPECT_FALSE(root.Get("k100").IsDefined());
  EXPECT_FALSE(root.Get("complex").IsDefined());
}

}  // namespace
}  // namespace orvel::exchange
