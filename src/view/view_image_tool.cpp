// Insert image from file (tool 11): a press asks for a file and places it there, a
// picture as a bitmap object, an SVG drawing as the objects it holds.
#include "view/vellum_view.h"
#include "view/view_host.h"

namespace tessel {

void CVellumView::ImageToolDown(CPoint doc) {
  SetTool(kToolSelect);
  const std::string path = m_host.AskImageFile();
  if (!path.empty()) ImportFile(path, &doc);
}

}  // namespace tessel
