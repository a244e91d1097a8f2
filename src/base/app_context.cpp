#include "base/app_context.h"

#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "base/profile.h"
#include "base/user_messages.h"
#include "render/texture_bank.h"

namespace tessel {

namespace {
CAppContext* g_current = nullptr;

uint32_t SeedFromClock() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  std::seed_seq seq{uint32_t(ticks), uint32_t(uint64_t(ticks) >> 32), uint32_t(wall), uint32_t(uint64_t(wall) >> 32)};
  uint32_t seed;
  seq.generate(&seed, &seed + 1);
  return seed;
}
}  // namespace

CAppContext::CAppContext(std::unique_ptr<CProfile> profile, std::unique_ptr<IUserMessages> messages, AppPaths paths)
    : m_profile(std::move(profile)),
      m_messages(std::move(messages)),
      m_deferred(std::make_unique<CDeferredMessages>()),
      m_mainThread(std::this_thread::get_id()),
      m_paths(std::move(paths)),
      m_textureBank(std::make_unique<CTextureBank>()),
      m_random(SeedFromClock()),
      m_previous(g_current) {
  g_current = this;
}

CAppContext::CAppContext()
    : CAppContext(std::make_unique<CProfile>(), std::make_unique<CRecordingMessages>(), AppPaths()) {}

CAppContext::~CAppContext() { g_current = m_previous; }

IUserMessages& CAppContext::Messages() {
  if (std::this_thread::get_id() == m_mainThread) return *m_messages;
  return *m_deferred;
}

void CAppContext::FlushDeferredMessages() { m_deferred->ReplayTo(*m_messages); }

void CAppContext::NoteMissing(std::vector<std::string>& list, const std::string& name) {
  const std::lock_guard<std::mutex> hold(m_missingLock);
  if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
}

CAppContext& App() {
  if (!g_current) {
    std::fprintf(stderr, "tessel: no application context\n");
    std::abort();
  }
  return *g_current;
}

}  // namespace tessel
