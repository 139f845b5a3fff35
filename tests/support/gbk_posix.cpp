#include <iconv.h>

#include "tests/support/gbk.h"

namespace velmora::test {

std::string Gbk(std::string_view utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  std::string out(utf8.size() * 2 + 1, '\0');
  char* src = const_cast<char*>(utf8.data());
  size_t src_left = utf8.size();
  char* dst = out.data();
  size_t dst_left = out.size();
  iconv(cd, &src, &src_left, &dst, &dst_left);
  iconv_close(cd);
  out.resize(out.size() - dst_left);
  return out;
}

}  // namespace velmora::test
