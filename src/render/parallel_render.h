// Rendering many objects at once on all cores: loading a project renders every object,
// and the objects do not depend on one another. The result is the same bytes as
// rendering them one after the other.
#pragma once

#include <functional>
#include <vector>

namespace tessel {

class CDrawObject;

// Calls FinishLoading of every object, spread over threads (0 = one per core, never
// more than objects). progress, when given, is called on the calling thread with the
// number of objects finished so far and the count. Message boxes that renders ask for
// on other threads are shown on the calling thread at the end. An exception thrown by
// a render is rethrown here after every thread has stopped.
void FinishLoadingAll(const std::vector<CDrawObject*>& objects, int threads,
                      const std::function<void(int done, int count)>& progress);

}  // namespace tessel
