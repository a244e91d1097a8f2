// CAppContext: what the application object owns (profile, user messages, program
// folders, texture store, missing-texture lists, the bitmap compression flag). The GUI,
// the CLI and each test make one; core code reaches the current one through App().
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "base/app_paths.h"

namespace tessel {

class CProfile;
class IUserMessages;
class CDeferredMessages;
class CTextureBank;

class CAppContext {
 public:
  // Becomes the current context until destroyed (the previous one is restored).
  CAppContext(std::unique_ptr<CProfile> profile, std::unique_ptr<IUserMessages> messages, AppPaths paths);
  // A context with an in-memory profile, recording messages and the given paths.
  CAppContext();
  ~CAppContext();
  CAppContext(const CAppContext&) = delete;
  CAppContext& operator=(const CAppContext&) = delete;

  CProfile& Profile() { return *m_profile; }
  // The user's messages on the thread that made the context; on any other thread (a
  // parallel render) a collector whose boxes FlushDeferredMessages shows later.
  IUserMessages& Messages();
  // Shows the boxes that worker threads asked for. Call on the main thread.
  void FlushDeferredMessages();
  const AppPaths& Paths() const { return m_paths; }
  CTextureBank& TextureBank() { return *m_textureBank; }

  // While set, bitmap blocks are written compressed (Save, package write-back).
  bool m_compressBitmaps = false;
  // Whether Save writes a preview picture into project files.
  bool m_writePreview = false;
  // Version number of the last project loaded (1, 2, 21, 3, 4 or 5).
  int m_loadedVersion = 5;
  // Texture and skin files that objects named but that could not be found.
  std::vector<std::string> m_missingTextures;
  std::vector<std::string> m_missingSkins;
  // Adds a name to a missing list once; safe on any thread.
  void NoteMissingTexture(const std::string& name) { NoteMissing(m_missingTextures, name); }
  void NoteMissingSkin(const std::string& name) { NoteMissing(m_missingSkins, name); }

  // The generator behind object identities: seeded once, so that ids made in the same
  // millisecond still differ. Tests may reseed it.
  std::mt19937& Random() { return m_random; }

 private:
  void NoteMissing(std::vector<std::string>& list, const std::string& name);

  std::unique_ptr<CProfile> m_profile;
  std::unique_ptr<IUserMessages> m_messages;
  std::unique_ptr<CDeferredMessages> m_deferred;
  std::thread::id m_mainThread;
  std::mutex m_missingLock;
  AppPaths m_paths;
  std::unique_ptr<CTextureBank> m_textureBank;
  std::mt19937 m_random;
  CAppContext* m_previous;
};

// The current application context. Aborts when none exists.
CAppContext& App();

}  // namespace tessel
