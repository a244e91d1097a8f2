// Argument parsing for the commands of tessel-cli: each command takes its flags and
// valued options out of its argument list, then checks what is left.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessel::cli {

class CliArgs {
 public:
  explicit CliArgs(std::vector<std::string> args) : m_args(std::move(args)) {}

  // Removes a flag wherever it stands; true when it was present.
  bool Flag(const std::string& name);
  // Removes "--name VALUE"; nullopt when absent. A missing value is an error.
  std::optional<std::string> Value(const std::string& name);
  // Removes and returns the first argument; nullopt when none is left.
  std::optional<std::string> TakeFront();
  // Value parsed as an integer in [lo, hi]; an unparsable value is an error.
  std::optional<long> Int(const std::string& name, long lo, long hi);

  // The positional arguments once every option has been taken; an option left over
  // is an error.
  const std::vector<std::string>& Positional();
  // The first error met ("" when none).
  const std::string& Error() const { return m_error; }
  bool Ok() { return Positional(), m_error.empty(); }
  void Fail(const std::string& error) {
    if (m_error.empty()) m_error = error;
  }

 private:
  std::vector<std::string> m_args;
  std::string m_error;
};

// Parses "A,B,C" into integers; false when malformed.
bool ParseIntList(const std::string& text, std::vector<long>* out);

}  // namespace tessel::cli
