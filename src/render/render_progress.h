// RenderProgress: optional reporter for long renders; sets the progress bar position
// and the text line of a progress dialog.
#pragma once

#include <string>

namespace tessel {

class RenderProgress {
 public:
  virtual ~RenderProgress() = default;
  virtual void SetStep(int position, const std::string& text) = 0;
};

}  // namespace tessel
