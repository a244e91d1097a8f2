// The JSON description of a loaded project printed by `tessel-cli info --json`.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace tessel {
class CVellumDoc;
class CDrawObject;
class CTextureBank;
}  // namespace tessel

namespace tessel::cli {

// magic and version as read; every stored document field, the textures of the bank,
// the groups, every object with m_uid and each stored field, and the messages.
nlohmann::ordered_json ProjectInfoJson(const CVellumDoc& doc, const std::string& magic, int version,
                               const CTextureBank& bank, const std::vector<std::string>& messages);

// One object's stored fields (and its frame copies under "frames").
nlohmann::ordered_json ObjectJson(const CDrawObject& object);

// Text of the file as JSON can carry it: valid UTF-8 stays, anything else is read as
// Latin-1.
std::string ToUtf8(const std::string& bytes);

}  // namespace tessel::cli
