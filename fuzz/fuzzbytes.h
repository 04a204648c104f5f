#pragma once
// Takes typed values off the front of a fuzzer's input; an exhausted input gives zeros and "".
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace mirel::fuzz {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

  bool Empty() const { return m_size == 0; }
  uint8_t Byte() {
    if (m_size == 0) return 0;
    --m_size;
    return *m_data++;
  }
  template <typename T>
  T Raw() {
    T value{};
    const size_t n = sizeof(T) < m_size ? sizeof(T) : m_size;
    std::memcpy(&value, m_data, n);
    m_data += n;
    m_size -= n;
    return value;
  }
  // A value below `count` (count > 0).
  size_t Below(size_t count) { return Byte() % count; }
  // Text up to the next NUL byte (or the end).
  std::string Text() {
    size_t n = 0;
    while (n < m_size && m_data[n] != 0) ++n;
    std::string text(reinterpret_cast<const char*>(m_data), n);
    const size_t used = n < m_size ? n + 1 : n;
    m_data += used;
    m_size -= used;
    return text;
  }
  std::string_view Rest() {
    std::string_view rest(reinterpret_cast<const char*>(m_data), m_size);
    m_data += m_size;
    m_size = 0;
    return rest;
  }

 private:
  const uint8_t* m_data;
  size_t m_size;
};

}  // namespace mirel::fuzz
