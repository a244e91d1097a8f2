// CTextureBank: the application's store of loaded textures, keyed by lower-cased file
// name and category ("TXT" textures, "TR" transparency maps, "SKN" surface skins,
// "BUM" bump maps). Pictures are 24-bit bitmaps.
#pragma once

#include <string>
#include <vector>

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
  const std::vector<CTextureEntry>& Entries() const { return m_entries; }

  static std::string Key(const std::string& name);

 private:
  std::vector<CTextureEntry> m_entries;
};

}  // namespace tessel
