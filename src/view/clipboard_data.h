// The bytes of the private clipboard format of drawing objects ("VELVETLINE"): a u32
// object count, then one object record per object (the record without uid), in
// document order.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

class CDrawObject;
class CVellumDoc;

// The clipboard bytes of the objects, in the order given.
std::vector<uint8_t> WriteClipboardObjects(const std::vector<const CDrawObject*>& objects);

// Reads clipboard bytes into new objects fixed up for pasting into target: each is
// rendered and has a fresh m_uid, its m_inGroup and m_packageId are cleared, and its
// m_cloneOf is cleared unless target holds a package with that identity. Returns the
// objects in stored order, or nothing when the bytes are truncated, damaged or hold no
// object. target is only looked at.
std::vector<std::unique_ptr<CDrawObject>> ReadClipboardObjects(const std::vector<uint8_t>& bytes,
                                                               const CVellumDoc& target);

}  // namespace tessel
