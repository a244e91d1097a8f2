// The "Mutaflux Colors" dialog without its window: the breeder with its previews, and
// the list box that shows either the gene library files or the open library's entries.
// The dialog shows the list, the title and the previews and forwards its controls here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mutaflux/mutaflux_breeding.h"

namespace tessel {

// The name the "Add Gene to Library" dialog offers.
constexpr char kDefaultGeneName[] = "Unknown to man";

class CMutafluxDialogModel {
 public:
  // Opening the dialog for an object's Mutaflux words and stored gene value (gene + 1,
  // 0 while off): opens the library named by "DNA"/"Last" (or shows the library list
  // when there is none), makes the incoming pattern current and rolls twelve variants.
  CMutafluxDialogModel(const CMutafluxWords& words, int storedGene, uint32_t seed);

  CMutafluxBreeder& Breeder() { return m_breeder; }
  // The list box: library file names, or the open library's entries ("..", genes).
  const std::vector<std::string>& Entries() const { return m_entries; }
  // The open library's file name; empty while the list of libraries is shown.
  const std::string& LibraryName() const { return m_library; }
  // "Mutaflux Library" with the list of libraries, else GeneLibraryTitle.
  std::string Title() const;

  // Fills the list with the library files; no library is open.
  void ShowLibraryList();
  // Opens a library file. On failure no library is open and the list of libraries shows.
  bool OpenLibrary(const std::string& name);
  // A list box selection: ".." saves the library and shows the list; a gene entry
  // becomes the current pattern and twelve variants are bred from it; in the list of
  // libraries an entry opens that library.
  void Select(int index);

  // "Add Gene to the library": appends the current pattern under name and saves the
  // library at once. Without an open library shows "First you have to select a library
  // or create a new one." and changes nothing.
  bool AddGene(const std::string& name);
  // "Delete Gene from the library": removes entry index (1 or more; ".." stays) of the
  // open library. The file is written when the library is next saved.
  bool DeleteGene(int index);
  // "Add New Group": saves the open library, creates fileName (".dna" added when
  // missing; folders dropped) holding only "..", and shows the library list. An existing
  // library is not replaced: the user is told and false returned.
  bool CreateLibrary(const std::string& fileName);
  // Writes the open library's entries; true when none is open.
  bool SaveLibrary();

  struct Result {
    CMutafluxWords words;  // A, B, C with P6 and P7 in C
    int storedGene = 0;    // gene + 1; 0 switches Mutaflux off
  };
  // OK: the current pattern (a gene below 0 becomes 0); saves the open library and
  // stores its name in "DNA"/"Last".
  Result Ok();
  // "Remove": Mutaflux off for the object.
  static Result Remove() { return Result{}; }

 private:
  CMutafluxBreeder m_breeder;
  std::vector<std::string> m_entries;
  std::string m_library;
};

}  // namespace tessel
