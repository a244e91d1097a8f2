// IUserMessages: how core code talks to the user. The GUI shows dialogs and the status
// bar; the CLI prints to stderr and takes default answers; tests record everything and
// return scripted answers.
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tessel {

enum class MsgButtons { kOk, kYesNo, kYesNoCancel };
enum class MsgAnswer { kOk, kYes, kNo, kCancel };

class IUserMessages {
 public:
  virtual ~IUserMessages() = default;
  // Shows a message box with the given buttons and returns the button chosen.
  virtual MsgAnswer Message(const std::string& text, MsgButtons buttons) = 0;
  // Puts a text into the status line.
  virtual void Status(const std::string& text) = 0;
  // Reports progress pos of range with a text line.
  virtual void Progress(int pos, int range, const std::string& text) = 0;
  // Asks for one line of text (the password prompt); nullopt when cancelled.
  virtual std::optional<std::string> AskText(const std::string& title, const std::string& prompt) = 0;
};

// Records every message and status text in order; answers from a script, then with
// defaults (Ok for Ok boxes, No for questions, nullopt for text).
class CRecordingMessages : public IUserMessages {
 public:
  struct Entry {
    enum Kind { kMessage, kStatus } kind;
    std::string text;
  };

  MsgAnswer Message(const std::string& text, MsgButtons buttons) override;
  void Status(const std::string& text) override;
  void Progress(int pos, int range, const std::string& text) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& prompt) override;

  void ScriptAnswer(MsgAnswer a) { m_answers.push_back(a); }
  void ScriptText(std::optional<std::string> t) { m_texts.push_back(std::move(t)); }

  const std::vector<Entry>& Entries() const { return m_entries; }
  std::vector<std::string> MessageTexts() const;
  std::vector<std::string> StatusTexts() const;
  int ProgressCalls() const { return m_progressCalls; }
  void Clear() { m_entries.clear(); }

 private:
  std::vector<Entry> m_entries;
  std::deque<MsgAnswer> m_answers;
  std::deque<std::optional<std::string>> m_texts;
  int m_progressCalls = 0;
};

// Prints messages to stderr (status lines unless quiet), answers questions with a
// fixed default, and answers text prompts from a preset value or stdin.
class CStderrMessages : public IUserMessages {
 public:
  explicit CStderrMessages(bool quiet) : m_quiet(quiet) {}
  MsgAnswer Message(const std::string& text, MsgButtons buttons) override;
  void Status(const std::string& text) override;
  void Progress(int pos, int range, const std::string& text) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& prompt) override;

  // The answer to every text prompt, instead of reading stdin.
  void PresetText(std::string text) { m_presetText = std::move(text); }
  // The answer to Yes/No questions (default No).
  void SetDefaultAnswer(MsgAnswer a) { m_default = a; }

 private:
  bool m_quiet;
  MsgAnswer m_default = MsgAnswer::kNo;
  std::optional<std::string> m_presetText;
};

// Collects the message boxes asked for by worker threads (a parallel document render),
// which may not open windows, so that the main thread can show them afterwards. Boxes
// are answered with Ok or No at once; status and progress lines are dropped; text
// prompts are cancelled.
class CDeferredMessages : public IUserMessages {
 public:
  MsgAnswer Message(const std::string& text, MsgButtons buttons) override;
  void Status(const std::string&) override {}
  void Progress(int, int, const std::string&) override {}
  std::optional<std::string> AskText(const std::string&, const std::string&) override { return std::nullopt; }

  // Shows the collected messages through target in the order they came, then forgets them.
  void ReplayTo(IUserMessages& target);

 private:
  std::mutex m_lock;
  std::vector<std::pair<std::string, MsgButtons>> m_messages;
};

}  // namespace tessel
