#include "mutaflux/gene_library.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>

#include "base/app_context.h"
#include "base/archive.h"
#include "base/safe_file.h"

namespace tessel {

namespace fs = std::filesystem;

namespace {
constexpr char kExtension[] = ".dna";
constexpr size_t kExtensionLength = sizeof kExtension - 1;
constexpr size_t kShortName = 5;
constexpr char kSeparator = '|';
constexpr uint64_t kMinEntryBytes = 1;  // the length byte of an empty string

bool EndsWithDna(const std::string& name) {
  if (name.size() < kExtensionLength) return false;
  std::string tail = name.substr(name.size() - kExtensionLength);
  for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
  return tail == kExtension;
}

bool ParseWord(const std::string& text, uint32_t* word) {
  if (text.empty() || text.size() > 11) return false;
  if (text[0] != '-' && !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno || *end != '\0' || v < INT32_MIN || v > UINT32_MAX) return false;
  *word = uint32_t(v);
  return true;
}

void AddLibrariesOf(const std::string& folder, std::vector<std::string>& names) {
  std::error_code ec;
  if (folder.empty()) return;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.' || !EndsWithDna(name) || !it->is_regular_file(ec)) continue;
    names.push_back(name);
  }
}
}  // namespace

bool ReadGeneLibrary(const std::string& path, std::vector<std::string>* entries, std::string* error) {
  std::vector<std::string> read;
  try {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) throw CArchiveException("the file does not exist");
    CArchive ar = CArchive::FromFile(path);
    const uint32_t count = ar.ReadU32();
    ar.CheckCount(count, kMinEntryBytes);
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i) read.push_back(ar.ReadString());
  } catch (const CArchiveException& e) {
    if (error) *error = fs::path(path).filename().string() + ": " + e.what();
    return false;
  }
  if (read.empty() || read.front() != kGeneLibraryBack) read.insert(read.begin(), kGeneLibraryBack);
  *entries = std::move(read);
  return true;
}

bool WriteGeneLibrary(const std::string& path, const std::vector<std::string>& entries, std::string* error) {
  CArchive ar;
  ar.WriteU32(uint32_t(entries.size()));
  for (const std::string& e : entries) ar.WriteString(e);
  return WriteFileSafely(path, ar.Buffer().data(), ar.Buffer().size(), error, true);
}

std::string FormatGeneEntry(const std::string& name, const CMutafluxWords& words) {
  std::string clean = name;
  std::replace(clean.begin(), clean.end(), kSeparator, '/');
  // "%d": the words print as signed 32-bit numbers.
  return clean + kSeparator + std::to_string(int32_t(words.a)) + kSeparator + std::to_string(int32_t(words.b)) +
         kSeparator + std::to_string(int32_t(words.c));
}

bool ParseGeneEntry(const std::string& entry, std::string* name, CMutafluxWords* words) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar; (bar = entry.find(kSeparator, start)) != std::string::npos; start = bar + 1)
    parts.push_back(entry.substr(start, bar - start));
  parts.push_back(entry.substr(start));
  if (parts.size() != 4) return false;
  CMutafluxWords w;
  if (!ParseWord(parts[1], &w.a) || !ParseWord(parts[2], &w.b) || !ParseWord(parts[3], &w.c)) return false;
  *name = parts[0];
  *words = w;
  return true;
}

std::string GeneLibraryTitle(const std::string& libraryName) {
  std::string shown = libraryName.size() > kShortName ? libraryName.substr(0, libraryName.size() - kExtensionLength)
                                                      : libraryName.substr(0, 1);
  if (!shown.empty()) shown[0] = char(std::toupper(static_cast<unsigned char>(shown[0])));
  return "Mutaflux : " + shown;
}

std::vector<std::string> ListGeneLibraries() {
  std::vector<std::string> names;
  AddLibrariesOf(App().Paths().UserFolder(), names);
  AddLibrariesOf(App().Paths().ProgramFolder(), names);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

std::string GeneLibraryReadPath(const std::string& libraryName) {
  const std::string user = GeneLibraryWritePath(libraryName);
  std::error_code ec;
  if (fs::exists(user, ec)) return user;
  return App().Paths().ProgramFolder() + "/" + libraryName;
}

std::string GeneLibraryWritePath(const std::string& libraryName) {
  const AppPaths& paths = App().Paths();
  return (paths.UserFolder().empty() ? paths.ProgramFolder() : paths.UserFolder()) + "/" + libraryName;
}

}  // namespace tessel
