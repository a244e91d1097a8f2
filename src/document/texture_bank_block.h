// The texture-bank block of project files: the textures, skins and bump maps a
// project carries, as 24-bit pictures.
#pragma once

namespace tessel {

class CArchive;
class CTextureBank;

// Writes the bank's "TXT", "SKN" and "BUM" entries.
void WriteTextureBankBlock(CArchive& ar, const CTextureBank& bank);
// Empties the bank and fills it with the entries read. Throws CArchiveException on
// damaged data.
void ReadTextureBankBlock(CArchive& ar, CTextureBank& bank);

}  // namespace tessel
