#include "mutaflux/mutaflux_dialog_model.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "base/app_context.h"
#include "base/profile.h"
#include "base/user_messages.h"
#include "mutaflux/gene_library.h"

namespace tessel {

namespace {
constexpr char kSection[] = "DNA";
constexpr char kLastKey[] = "Last";
constexpr int kGeneShift = 16;
constexpr uint32_t kByte = 0xFF;

void Tell(const std::string& text) { App().Messages().Message(text, MsgButtons::kOk); }

// A library is a plain file name in the libraries' folder.
bool PlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos;
}
}  // namespace

CMutafluxDialogModel::CMutafluxDialogModel(const CMutafluxWords& words, int storedGene, uint32_t seed)
    : m_breeder(seed) {
  const std::string last = App().Profile().GetString(kSection, kLastKey, "");
  if (last.empty() || !OpenLibrary(last)) ShowLibraryList();
  m_breeder.SetCurrent(CMutafluxPattern::FromWords(words, storedGene - 1));
  m_breeder.Roll();
}

std::string CMutafluxDialogModel::Title() const {
  return m_library.empty() ? "Mutaflux Library" : GeneLibraryTitle(m_library);
}

void CMutafluxDialogModel::ShowLibraryList() {
  m_entries = ListGeneLibraries();
  m_library.clear();
}

bool CMutafluxDialogModel::OpenLibrary(const std::string& name) {
  std::vector<std::string> entries;
  if (!PlainFileName(name) || !ReadGeneLibrary(GeneLibraryReadPath(name), &entries, nullptr)) {
    ShowLibraryList();
    return false;
  }
  m_entries = std::move(entries);
  m_library = name;
  return true;
}

void CMutafluxDialogModel::Select(int index) {
  if (index < 0 || index >= int(m_entries.size())) return;
  const std::string entry = m_entries[size_t(index)];
  if (entry == kGeneLibraryBack) {
    SaveLibrary();
    ShowLibraryList();
    return;
  }
  std::string name;
  CMutafluxWords words;
  if (entry.find('|') != std::string::npos) {
    if (!ParseGeneEntry(entry, &name, &words)) return;  // a damaged entry loads nothing
    m_breeder.SetCurrent(CMutafluxPattern::FromWords(words, int((words.c >> kGeneShift) & kByte)));
    m_breeder.Breed();
    return;
  }
  // Library names are only listed while no library is open; an entry of an open library
  // that is neither ".." nor a gene is damage, and leaving would drop unsaved changes.
  if (m_library.empty()) OpenLibrary(entry);
}

bool CMutafluxDialogModel::AddGene(const std::string& name) {
  if (m_library.empty()) {
    Tell("First you have to select a library or create a new one.");
    return false;
  }
  m_entries.push_back(FormatGeneEntry(name, m_breeder.Current().Words(true)));
  return SaveLibrary();
}

bool CMutafluxDialogModel::DeleteGene(int index) {
  if (m_library.empty() || index < 1 || index >= int(m_entries.size())) return false;
  m_entries.erase(m_entries.begin() + index);
  return true;
}

bool CMutafluxDialogModel::CreateLibrary(const std::string& fileName) {
  SaveLibrary();
  ShowLibraryList();
  std::string name = fileName.substr(fileName.find_last_of("/\\") == std::string::npos
                                         ? 0
                                         : fileName.find_last_of("/\\") + 1);
  std::string lower = name;
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".dna") != 0) name += ".dna";
  if (!PlainFileName(name) || name == ".dna") return false;
  // An existing library is never replaced by an empty one.
  std::error_code ec;
  if (std::filesystem::exists(GeneLibraryReadPath(name), ec)) {
    Tell("The library " + name + " already exists.");
    return false;
  }
  std::string error;
  const bool written = WriteGeneLibrary(GeneLibraryWritePath(name), {kGeneLibraryBack}, &error);
  if (!written) Tell("The library could not be created: " + error);
  ShowLibraryList();
  return written;
}

bool CMutafluxDialogModel::SaveLibrary() {
  if (m_library.empty()) return true;
  std::string error;
  if (WriteGeneLibrary(GeneLibraryWritePath(m_library), m_entries, &error)) return true;
  Tell("The library could not be saved: " + error);
  return false;
}

CMutafluxDialogModel::Result CMutafluxDialogModel::Ok() {
  CMutafluxPattern pattern = m_breeder.Current();
  pattern.gene = std::max(pattern.gene, 0);
  Result result{pattern.Words(false), pattern.gene + 1};
  SaveLibrary();
  App().Profile().WriteString(kSection, kLastKey, m_library);
  return result;
}

}  // namespace tessel
