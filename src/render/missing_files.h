// The application's lists of data files that objects named but that could not be read;
// they are shown in one message after a project has loaded.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "render/map_names.h"

namespace tessel {

// Adds the file-name part of name to list unless it is there already.
inline void NoteMissingFile(std::vector<std::string>& list, const std::string& name) {
  const std::string file = FileNamePart(name);
  if (std::find(list.begin(), list.end(), file) == list.end()) list.push_back(file);
}

}  // namespace tessel
