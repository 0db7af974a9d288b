#include "answers.h"

#include <algorithm>
#include <cstring>

namespace standin {

std::size_t copyBytes(void* region, std::size_t size, const std::string& bytes, std::size_t offset) {
  if (region == nullptr || offset >= bytes.size()) return 0;
  std::size_t count = std::min(size, bytes.size() - offset);
  std::memcpy(region, bytes.data() + offset, count);
  return count;
}

std::size_t copyText(char* buffer, std::size_t size, const std::string& text) {
  std::size_t copied = copyBytes(buffer, size, text);
  if (buffer != nullptr && copied < size) buffer[copied] = '\0';
  return copied;
}

void copyTerminated(char* buffer, std::size_t size, const std::string& text) {
  if (buffer == nullptr || size == 0) return;
  buffer[copyBytes(buffer, size - 1, text)] = '\0';
}

}  // namespace standin
