#include "export/script_generator.h"

#include <algorithm>

#include "document/draw_object.h"
#include "document/vellum_doc.h"

namespace tessel {

namespace {
constexpr char kStart[] = "<#SCRIPTSTART>";
constexpr char kExtension[] = "<#EXTENSION>";
constexpr char kLoop[] = "<#LOOP>";
constexpr char kEnd[] = "<#END>";

// Drops one line break at the start of text (templates may have either kind).
void DropLeadingBreak(std::string& text) {
  if (text.rfind("\r\n", 0) == 0) text.erase(0, 2);
  else if (!text.empty() && text[0] == '\n') text.erase(0, 1);
}

bool IsButton(const CDrawObject& o) {
  return (o.m_hasHighlightedFrame || o.m_hasPushedFrame) && !o.m_glueWithPrevious;
}

std::string ExpandBody(const std::string& body, const CScriptInputs& in, const std::string& ext) {
  if (!in.doc) return body;
  std::string out;
  int index = 0;
  for (const auto& o : in.doc->m_objects) {
    if (!IsButton(*o)) continue;
    const std::string stem = in.baseName + std::to_string(index);
    std::string copy = body;
    ReplaceTag(copy, "<#OBJECTNUM>", std::to_string(index + 1));
    ReplaceTag(copy, "<#OBJECT>", stem);
    ReplaceTag(copy, "<#FILE0>", stem + "a." + ext);
    ReplaceTag(copy, "<#FILE1>", stem + "b." + ext);
    ReplaceTag(copy, "<#FILE2>", stem + "c." + ext);
    ReplaceTag(copy, "<#WIDTH>", std::to_string(o->m_width));
    ReplaceTag(copy, "<#HEIGHT>", std::to_string(o->m_height));
    ReplaceTag(copy, "<#LEFT>", std::to_string(o->m_left));
    ReplaceTag(copy, "<#TOP>", std::to_string(o->m_top));
    ReplaceTag(copy, "<#RIGHT>", std::to_string(o->m_left + o->m_width));
    ReplaceTag(copy, "<#BOTTOM>", std::to_string(std::min(o->m_top + o->m_height, in.canvasHeight)));
    ReplaceTag(copy, "<#LABEL>", o->m_name);
    out += copy;
    ++index;
  }
  return out;
}
}  // namespace

void ReplaceTag(std::string& text, const std::string& tag, const std::string& value) {
  for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at + value.size()))
    text.replace(at, tag.size(), value);
}

std::optional<std::string> GenerateScript(const std::string& templ, const CScriptInputs& in, std::string* error) {
  const size_t start = templ.find(kStart);
  if (start == std::string::npos) {
    if (error) *error = "Can't find <#SCRIPTSTART>";
    return std::nullopt;
  }
  std::string ext = in.extension;
  if (const size_t at = templ.find(kExtension); at != std::string::npos) {
    const size_t from = at + sizeof kExtension - 1;
    ext = templ.substr(from, templ.find_first_of(" ;,\r\n", from) - from);
  }
  std::string text = templ.substr(start + sizeof kStart - 1);
  DropLeadingBreak(text);
  ReplaceTag(text, "<#BGWIDTH>", std::to_string(in.canvasWidth));
  ReplaceTag(text, "<#BGHEIGHT>", std::to_string(in.canvasHeight));
  ReplaceTag(text, "<#BGFILE>", in.baseName + "." + ext);
  // Each pass expands the first loop; expanded text is never searched again.
  size_t searchFrom = 0;
  for (size_t loop = text.find(kLoop); loop != std::string::npos; loop = text.find(kLoop, searchFrom)) {
    const size_t bodyStart = loop + sizeof kLoop - 1;
    const size_t end = text.find(kEnd, bodyStart);
    std::string body = text.substr(bodyStart, end == std::string::npos ? std::string::npos : end - bodyStart);
    DropLeadingBreak(body);
    const std::string after = end == std::string::npos ? "" : text.substr(end + sizeof kEnd - 1);
    const std::string expanded = ExpandBody(body, in, ext);
    text = text.substr(0, loop) + expanded + after;
    searchFrom = loop + expanded.size();
  }
  return text;
}

}  // namespace tessel
