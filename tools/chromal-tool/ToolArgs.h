// Shared plumbing of chromal-tool's subcommands: exit codes, option parsing,
// whole-file input and output.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace NTool
{
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A subcommand's arguments split into positionals and options. Options are
// "--name VALUE", "--name=VALUE" or bare flags; "--" ends them.
class CArgs
{
  public:
    // valueOptions take a value, flagOptions do not; "--help" is always known.
    // False (with a message in Error()) on an unknown or incomplete option.
    bool Parse(int argc, char** argv, int first, std::initializer_list<const char*> valueOptions,
               std::initializer_list<const char*> flagOptions = {});

    const std::vector<std::string>& Positional() const { return m_positional; }
    bool Has(const std::string& option) const { return m_options.count(option) != 0; }
    std::string Value(const std::string& option) const;
    bool WantsHelp() const { return Has("help"); }
    const std::string& Error() const { return m_error; }

  private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_options;
    std::string m_error;
};

// Prints "chromal-tool: MESSAGE" (and the usage text, when given) to stderr
// and returns kExitUsage.
int UsageError(const std::string& message, const char* usage = nullptr);
// Prints "chromal-tool: MESSAGE" to stderr and returns kExitFailure.
int Failure(const std::string& message);

// Whole input: a file, or standard input for "" and "-". False on failure,
// with the reason in `error`.
bool ReadInput(const std::string& path, std::string& bytes, std::string& error);
// Whole output: standard output for "" and "-"; a regular or new file is
// replaced atomically, anything else (a device, a pipe) written in place.
bool WriteOutput(const std::string& path, const std::string& bytes, std::string& error);
} // namespace NTool
