// Messages of tessel-cli: printed to stderr (status lines unless quiet) and kept in
// order for `info --json`; questions take the --yes answer, the password prompt the
// --password text or a line from stdin.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/user_messages.h"

namespace tessel::cli {

class CCliMessages : public IUserMessages {
 public:
  CCliMessages(bool quiet, bool yes, std::optional<std::string> password)
      : m_quiet(quiet), m_yes(yes), m_password(std::move(password)) {}

  MsgAnswer Message(const std::string& text, MsgButtons buttons) override;
  void Status(const std::string& text) override;
  void Progress(int, int, const std::string&) override {}
  std::optional<std::string> AskText(const std::string& title, const std::string& prompt) override;

  // Every message and status text so far, in order.
  const std::vector<std::string>& Log() const { return m_log; }
  // The message-box texts only, in order.
  const std::vector<std::string>& MessagesOnly() const { return m_messages; }
  // Stops printing (the JSON output then carries the texts).
  void SetQuiet(bool quiet) { m_quiet = quiet; }
  // Messages (not status lines) are printed even when quiet: they are errors.
  void SetEchoMessages(bool echo) { m_echoMessages = echo; }

 private:
  bool m_quiet;
  bool m_yes;
  bool m_echoMessages = true;
  std::optional<std::string> m_password;
  std::vector<std::string> m_log;
  std::vector<std::string> m_messages;
};

}  // namespace tessel::cli
