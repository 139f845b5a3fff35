#include <iconv.h>

#include <cerrno>
#include <string>

#include "core/codepage.h"

namespace velmora {

namespace {

// Converts with iconv, putting `replacement` in place of what cannot be converted.
template <typename Out, typename In>
Out Convert(const char* to, const char* from, const In& in, const Out& replacement) {
  Out out;
  if (in.empty()) return out;
  iconv_t cd = iconv_open(to, from);
  // iconv_open fails with (iconv_t)-1.
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;  // NOLINT(performance-no-int-to-ptr)
  const char* src = reinterpret_cast<const char*>(in.data());
  size_t src_left = in.size() * sizeof(in[0]);
  std::string buffer(src_left * 4 + 16, '\0');
  while (src_left > 0) {
    char* dst = buffer.data();
    size_t dst_left = buffer.size();
    const size_t rc = iconv(cd, const_cast<char**>(&src), &src_left, &dst, &dst_left);
    out.append(reinterpret_cast<const typename Out::value_type*>(buffer.data()),
               (buffer.size() - dst_left) / sizeof(typename Out::value_type));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
      out += replacement;  // skip one unit that does not convert
      const size_t unit = sizeof(in[0]);
      src += unit;
      src_left -= unit;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::wstring WideFromGbk(std::string_view gbk) {
  return Convert<std::wstring>("WCHAR_T", "GBK", gbk, std::wstring(1, L'\xFFFD'));
}

std::string GbkFromWide(std::wstring_view wide) {
  return Convert<std::string>("GBK", "WCHAR_T", wide, std::string("?"));
}

}  // namespace velmora
