// The breeding dialog's random numbers: the C library's linear congruential generator
// (values 0 to 32767), seeded by the caller so that tests can replay a session.
#pragma once

#include <cstdint>

namespace tessel {

class CBreedRandom {
 public:
  static constexpr int kMax = 32767;

  explicit CBreedRandom(uint32_t seed) : m_state(seed) {}
  // The next value, 0 to 32767.
  int Next() {
    m_state = m_state * 214013u + 2531011u;
    return int((m_state >> 16) & kMax);
  }
  // U(n) = trunc(rand() / 32767 * n + 0.5): a number from 0 to n.
  int U(int n) { return int(Next() * 3.051850947599719e-5 * n + 0.5); }

 private:
  uint32_t m_state;
};

}  // namespace tessel
