#include "render/parallel_render.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "base/app_context.h"
#include "document/draw_object.h"

namespace tessel {

void FinishLoadingAll(const std::vector<CDrawObject*>& objects, int threads,
                      const std::function<void(int done, int count)>& progress) {
  const int count = int(objects.size());
  if (threads <= 0) threads = int(std::max(1u, std::thread::hardware_concurrency()));
  threads = std::clamp(threads, 1, std::max(count, 1));

  std::atomic<int> next{0}, done{0};
  std::exception_ptr failure;
  std::mutex failureLock;
  // Each thread takes the next unclaimed object until none is left.
  auto work = [&](bool reports) {
    for (int i; (i = next.fetch_add(1)) < count;) {
      try {
        objects[size_t(i)]->FinishLoading();
      } catch (...) {
        const std::lock_guard<std::mutex> hold(failureLock);
        if (!failure) failure = std::current_exception();
        next = count;  // the others stop after their present object
      }
      const int finished = done.fetch_add(1) + 1;
      if (reports && progress) progress(finished, count);
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work, false);
  work(true);
  for (std::thread& t : helpers) t.join();
  App().FlushDeferredMessages();
  if (failure) std::rethrow_exception(failure);
  if (progress) progress(count, count);
}

}  // namespace tessel
