#include "render/texture_bank.h"

#include <cctype>

#include "base/app_context.h"
#include "codecs/image_reader.h"

namespace tessel {

std::string CTextureBank::Key(const std::string& name) {
  std::string k = name;
  for (char& c : k) c = char(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

CTextureEntry& CTextureBank::Add(const std::string& name, const std::string& category, CDIBSection picture) {
  const std::string key = Key(name);
  for (auto& e : m_entries) {
    if (e.category == category && Key(e.name) == key) {
      e.picture = std::move(picture);
      return e;
    }
  }
  m_entries.push_back({name, category, std::move(picture)});
  return m_entries.back();
}

const CTextureEntry* CTextureBank::Find(const std::string& name, const std::string& category) const {
  const std::string key = Key(name);
  for (const auto& e : m_entries)
    if (e.category == category && Key(e.name) == key) return &e;
  return nullptr;
}

std::string CTextureBank::FolderFor(const std::string& category) {
  if (category == "TXT") return "Textures";
  if (category == "TR") return "Transp";
  if (category == "SKN") return "Surface";
  if (category == "BUM") return "Bumpmap";
  return std::string();
}

const CTextureEntry* CTextureBank::FindOrLoad(const std::string& name, const std::string& category) {
  const std::lock_guard<std::mutex> hold(m_loadLock);
  if (const CTextureEntry* e = Find(name, category)) return e;
  // Entries of old project files carry no category; they were all image textures.
  if (category == "TXT")
    if (const CTextureEntry* e = Find(name, std::string())) return e;
  const std::string folder = FolderFor(category);
  if (folder.empty() || name.empty()) return nullptr;
  CDIBSection picture;
  if (!ReadImageFile24(App().Paths().Find(folder, name), picture, nullptr) || picture.IsEmpty()) return nullptr;
  return &Add(name, category, std::move(picture));
}

}  // namespace tessel
