// Formats recognised but not read yet.
#include "codecs/format_readers.h"

namespace tessel::codecs {

bool ReadJpeg(const uint8_t*, size_t, CDIBSection&, std::string* error) { return Fail(error, "JPEG files are not supported yet"); }
bool ReadTiff(const uint8_t*, size_t, CDIBSection&, std::string* error) { return Fail(error, "TIFF files are not supported yet"); }
bool ReadGif(const uint8_t*, size_t, CDIBSection&, std::string* error) { return Fail(error, "GIF files are not supported yet"); }
bool ReadTga(const uint8_t*, size_t, CDIBSection&, std::string* error) { return Fail(error, "TGA files are not supported yet"); }
bool ReadPcx(const uint8_t*, size_t, CDIBSection&, std::string* error) { return Fail(error, "PCX files are not supported yet"); }
bool ReadPsd(const uint8_t*, size_t, CDIBSection&, std::string* error) { return Fail(error, "PSD files are not supported yet"); }

}  // namespace tessel::codecs
