#include "engine/qso_register.h"

#include <gtest/gtest.h>

#include <string>

namespace pelikan {
namespace {

TEST(QsoRegisterTest, FirstSeenOrderExactComparison) {
  QsoRegister calls;
  EXPECT_TRUE(calls.Add("S57BBB"));
  EXPECT_TRUE(calls.Add("s57bbb"));
  EXPECT_TRUE(calls.Add("S57BBB "));
  EXPECT_FALSE(calls.Add("S57BBB"));
  EXPECT_FALSE(calls.Add("")) << "the empty key is never stored";
  EXPECT_EQ(calls.entries(), (std::vector<std::string>{"S57BBB", "s57bbb", "S57BBB "}));
}

TEST(QsoRegisterTest, StaysExactWhileItGrows) {
  QsoRegister keys;
  for (int i = 0; i < 40000; ++i) ASSERT_TRUE(keys.Add(std::to_string(i)));
  for (int i = 0; i < 40000; i += 7) ASSERT_FALSE(keys.Add(std::to_string(i)));
  EXPECT_EQ(keys.size(), 40000u);
  EXPECT_EQ(keys.entries()[12345], "12345");
  EXPECT_TRUE(keys.Contains("39999"));
  EXPECT_FALSE(keys.Contains("40000"));
  EXPECT_FALSE(keys.Contains(""));
  EXPECT_FALSE(QsoRegister().Contains("x"));
}

}  // namespace
}  // namespace pelikan
