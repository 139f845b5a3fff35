#include "core/text.h"

namespace velmora {

Text Join(std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  Text joined;
  joined.reserve(size);
  for (std::string_view part : parts) joined.append(part);
  return joined;
}

}  // namespace velmora
