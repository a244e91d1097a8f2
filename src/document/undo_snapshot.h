// Undo snapshots: the document's object list as one in-memory archive. Layout: u32
// count n; n times the object's m_uid (archive string) followed by its object record
// (recordOnly 0); the end word -1. The canvas, guidelines, grid, groups and crop
// rectangle are not part of a snapshot.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class CVellumDoc;

using CUndoSnapshot = std::vector<uint8_t>;

// Stores every object of doc, in list order.
CUndoSnapshot WriteUndoSnapshot(CVellumDoc& doc);

// Replaces doc's objects by those of the snapshot. Each object takes the stored uid;
// when the first object of the current list with that uid renders alike
// (CDrawObject::RendersLike) and holds a bitmap of the box size, its rendered bitmap
// and shadow are taken over, otherwise the object is rendered. Snapshots of more than
// four objects report progress, one step per object. Returns the number of objects
// rendered. Throws CArchiveException on a damaged snapshot, with doc unchanged.
int LoadUndoSnapshot(const CUndoSnapshot& snapshot, CVellumDoc& doc);

}  // namespace tessel
