#include "cli/cli_messages.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace tessel::cli {

MsgAnswer CCliMessages::Message(const std::string& text, MsgButtons buttons) {
  m_log.push_back(text);
  m_messages.push_back(text);
  if (m_echoMessages) std::fprintf(stderr, "%s\n", text.c_str());
  if (buttons == MsgButtons::kOk) return MsgAnswer::kOk;
  return m_yes ? MsgAnswer::kYes : MsgAnswer::kNo;
}

void CCliMessages::Status(const std::string& text) {
  m_log.push_back(text);
  if (!m_quiet) std::fprintf(stderr, "%s\n", text.c_str());
}

std::optional<std::string> CCliMessages::AskText(const std::string& title, const std::string& prompt) {
  if (m_password) return m_password;
  if (isatty(STDIN_FILENO)) std::fprintf(stderr, "%s: %s ", title.c_str(), prompt.c_str());
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  return line;
}

}  // namespace tessel::cli
