// CTextureBank: the application's store of loaded textures, keyed by lower-cased file
// name and category ("TXT" textures, "TR" transparency maps, "SKN" surface skins,
// "BUM" bump maps). Pictures are 24-bit bitmaps. A name that is not in the store yet is
// loaded from its category's data folder (user folder first, then the program folder)
// and kept, so every object naming it shares one picture.
#pragma once

#include <deque>
#include <mutex>
#include <string>

#include "base/dib_section.h"

namespace tessel {

struct CTextureEntry {
  std::string name;      // file name as first given (case kept for writing)
  std::string category;  // "TXT", "TR", "SKN", "BUM", or empty for entries of old files
  CDIBSection picture;   // 24 bits per pixel
};

class CTextureBank {
 public:
  // Removes every entry.
  void Clear() { m_entries.clear(); }
  // Adds an entry, replacing one with the same key. Returns the stored entry.
  CTextureEntry& Add(const std::string& name, const std::string& category, CDIBSection picture);
  // The entry with this name (any letter case) and category, or nullptr.
  const CTextureEntry* Find(const std::string& name, const std::string& category) const;
  // The entry with this name and category: from the store (for "TXT" an entry without
  // category, from an old project file, counts too), else read from the category's
  // folder and kept. nullptr when the category has no folder or the file cannot be read
  // (the caller decides what to tell the user).
  const CTextureEntry* FindOrLoad(const std::string& name, const std::string& category);
  const std::deque<CTextureEntry>& Entries() const { return m_entries; }

  // The data folder of a category: "Textures", "Transp", "Surface", "Bumpmap"; empty for
  // any other category.
  static std::string FolderFor(const std::string& category);

  static std::string Key(const std::string& name);

  // FindOrLoad may be called from several render threads at once; Add, Clear and
  // Entries are for one thread while no render runs.
 private:
  std::mutex m_loadLock;
  std::deque<CTextureEntry> m_entries;  // a deque: entries keep their address as others join
};

}  // namespace tessel
