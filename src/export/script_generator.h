// The script generator: fills a text template (".mms") with the canvas size, the
// background image name and, once per button object, the button's box, label and frame
// image names, producing a web page or multimedia script.
#pragma once

#include <optional>
#include <string>

namespace tessel {

class CVellumDoc;

struct CScriptInputs {
  int canvasWidth = 0, canvasHeight = 0;
  std::string baseName;            // output base name of the images
  std::string extension;           // image extension without dot; "<#EXTENSION>" overrides it
  const CVellumDoc* doc = nullptr; // may be absent: each loop body then appears once
};

// The generated text: what follows "<#SCRIPTSTART>" with "<#BGWIDTH>", "<#BGHEIGHT>",
// "<#BGFILE>" replaced and every "<#LOOP>" ... "<#END>" body repeated per button object
// (an object with a highlighted or pushed frame that is not glued to the previous one).
// A loop without "<#END>" runs to the end of the text. Without the start tag: nullopt
// and *error = "Can't find <#SCRIPTSTART>".
std::optional<std::string> GenerateScript(const std::string& templ, const CScriptInputs& in, std::string* error);

// Replaces every occurrence of tag in text by value.
void ReplaceTag(std::string& text, const std::string& tag, const std::string& value);

}  // namespace tessel
