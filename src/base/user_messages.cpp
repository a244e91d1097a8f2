#include "base/user_messages.h"

#include <cstdio>
#include <iostream>

namespace tessel {

MsgAnswer CRecordingMessages::Message(const std::string& text, MsgButtons buttons) {
  m_entries.push_back({Entry::kMessage, text});
  if (!m_answers.empty()) {
    const MsgAnswer a = m_answers.front();
    m_answers.pop_front();
    return a;
  }
  return buttons == MsgButtons::kOk ? MsgAnswer::kOk : MsgAnswer::kNo;
}

void CRecordingMessages::Status(const std::string& text) { m_entries.push_back({Entry::kStatus, text}); }

void CRecordingMessages::Progress(int, int, const std::string&) { ++m_progressCalls; }

std::optional<std::string> CRecordingMessages::AskText(const std::string&, const std::string&) {
  if (m_texts.empty()) return std::nullopt;
  auto t = std::move(m_texts.front());
  m_texts.pop_front();
  return t;
}

std::vector<std::string> CRecordingMessages::MessageTexts() const {
  std::vector<std::string> out;
  for (const auto& e : m_entries)
    if (e.kind == Entry::kMessage) out.push_back(e.text);
  return out;
}

std::vector<std::string> CRecordingMessages::StatusTexts() const {
  std::vector<std::string> out;
  for (const auto& e : m_entries)
    if (e.kind == Entry::kStatus) out.push_back(e.text);
  return out;
}

MsgAnswer CStderrMessages::Message(const std::string& text, MsgButtons buttons) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return buttons == MsgButtons::kOk ? MsgAnswer::kOk : m_default;
}

void CStderrMessages::Status(const std::string& text) {
  if (!m_quiet) std::fprintf(stderr, "%s\n", text.c_str());
}

void CStderrMessages::Progress(int, int, const std::string&) {}

std::optional<std::string> CStderrMessages::AskText(const std::string& title, const std::string& prompt) {
  if (m_presetText) return m_presetText;
  std::fprintf(stderr, "%s %s ", title.c_str(), prompt.c_str());
  std::string line;
  if (!std::getline(std::cin, line)) return std::nullopt;
  return line;
}

MsgAnswer CDeferredMessages::Message(const std::string& text, MsgButtons buttons) {
  const std::lock_guard<std::mutex> hold(m_lock);
  m_messages.emplace_back(text, buttons);
  return buttons == MsgButtons::kOk ? MsgAnswer::kOk : MsgAnswer::kNo;
}

void CDeferredMessages::ReplayTo(IUserMessages& target) {
  std::vector<std::pair<std::string, MsgButtons>> messages;
  {
    const std::lock_guard<std::mutex> hold(m_lock);
    messages.swap(m_messages);
  }
  for (const auto& [text, buttons] : messages) target.Message(text, buttons);
}

}  // namespace tessel
