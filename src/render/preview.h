// The preview picture stored at the head of project files: the canvas scaled to fit
// 120 x 120 when larger, centred on white, 3 bytes per pixel (blue, green, red), rows
// from the top.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class CVellumDoc;

constexpr int kPreviewSide = 120;
constexpr int kPreviewByteCount = kPreviewSide * kPreviewSide * 3;

// Composites the document and returns its preview (kPreviewByteCount bytes), or an
// empty vector when the canvas cannot be composited.
std::vector<uint8_t> MakeProjectPreview(CVellumDoc& doc);

}  // namespace tessel
