// Gene libraries (.dna files): named Mutaflux patterns. A file holds a u32 count and
// that many archive strings: first ".." (the way back to the list of libraries), then
// one entry per gene, "name|A|B|C" with the three words in decimal and the gene number
// in bits 16-23 of C. Libraries are read from the user folder first, then from the
// program folder, and always written to the user folder.
#pragma once

#include <string>
#include <vector>

#include "mutaflux/mutaflux_generator.h"

namespace tessel {

constexpr char kGeneLibraryBack[] = "..";

// Reads a library's entries. A library that lacks the leading ".." gets it, so the way
// back always exists. False with *error set when the file is missing or damaged.
bool ReadGeneLibrary(const std::string& path, std::vector<std::string>* entries, std::string* error);
// Writes the entries, creating or replacing the file (and its folder).
bool WriteGeneLibrary(const std::string& path, const std::vector<std::string>& entries, std::string* error);

// "name|A|B|C"; a '|' in the name becomes '/', so the entry splits back the same way.
std::string FormatGeneEntry(const std::string& name, const CMutafluxWords& words);
// Splits an entry at its '|' signs; false unless it holds a name and three decimal
// words (values outside 32 bits are refused).
bool ParseGeneEntry(const std::string& entry, std::string* name, CMutafluxWords* words);

// The dialog title for a library file name: "Mutaflux : " and the name without its last
// four characters when it is longer than five, else only its first character; the first
// letter in upper case.
std::string GeneLibraryTitle(const std::string& libraryName);

// The file names of every *.dna library in the user and program folders, sorted, each
// once.
std::vector<std::string> ListGeneLibraries();
// Where a library is read from (the user folder's copy when it exists) and written to.
std::string GeneLibraryReadPath(const std::string& libraryName);
std::string GeneLibraryWritePath(const std::string& libraryName);

}  // namespace tessel
