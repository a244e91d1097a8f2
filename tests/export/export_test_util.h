// Pictures and contexts shared by the export tests.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"

namespace tessel::test {

// A smooth colour picture (gradients with a soft wave), packed RGB, top row first.
inline std::vector<uint8_t> SmoothPicture(int w, int h) {
  std::vector<uint8_t> rgb(size_t(w) * size_t(h) * 3);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &rgb[(size_t(y) * size_t(w) + size_t(x)) * 3];
      p[0] = uint8_t(x * 255 / std::max(w - 1, 1));
      p[1] = uint8_t(y * 255 / std::max(h - 1, 1));
      p[2] = uint8_t((x * 7 + y * 13) % 256);
    }
  return rgb;
}

// An application context whose user folder is dir, with recorded messages.
inline std::unique_ptr<CAppContext> ContextIn(const std::string& dir) {
  return std::make_unique<CAppContext>(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(),
                                       AppPaths(dir, dir));
}

inline std::vector<std::string> Messages() {
  return static_cast<CRecordingMessages&>(App().Messages()).MessageTexts();
}

}  // namespace tessel::test
