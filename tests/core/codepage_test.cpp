#include "core/codepage.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(Codepage, GbkAndWideConvertBothWays) {
  struct Case {
    const char* gbk;
    const wchar_t* wide;
  };
  const Case cases[] = {
      {"", L""},
      {"DNS", L"DNS"},
      {"\xba\xfe\xb1\xb1", L"\u6e56\u5317"},                          // 湖北
      {"IP\xb5\xd8\xd6\xb7(I)\xa3\xba", L"IP\u5730\u5740(I)\uff1a"},  // IP地址(I)：
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WideFromGbk(c.gbk), c.wide) << c.gbk;
    EXPECT_EQ(GbkFromWide(c.wide), c.gbk) << c.gbk;
  }
}

TEST(Codepage, CharactersGbkLacksBecomeQuestionMarks) {
  EXPECT_EQ(GbkFromWide(L"a\u00c5\U0001F600b").find('?'), 1u);
}

}  // namespace
}  // namespace velmora
