#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The words of a command line: the command (the first word that is not an option), the
// arguments after it, and the options, which may stand anywhere ("--data DIR report ..." as well
// as "report ... --data DIR"). An option is "--name value", "--name=value" or, for a switch,
// "--name"; "-h" is "--help"; after "--" every word is an argument. A word such as "-12.50" is an
// argument, so negative amounts need no quoting.
class CArguments {
  public:
    enum Result {
        kParsed = 0,
        kMissingValue,  // an option that takes a value came last, or with "=" and nothing
        kRepeated,      // an option given twice
    };

    // Whether an option takes a value; every other option is a switch.
    static bool TakesValue(std::string_view option);

    Result Parse(const std::vector<std::string>& words);

    const std::string& Command() const { return m_command; }
    const std::vector<std::string>& Arguments() const { return m_arguments; }
    bool Has(std::string_view option) const;
    // The value of the option, or null when it was not given.
    const std::string* Value(std::string_view option) const;
    // Every option given, by name ("--data").
    std::vector<std::string> Options() const;
    // The option that made the parse fail.
    const std::string& Offending() const { return m_offending; }

  private:
    Result Add(std::string name, std::string value);

    std::string m_command;
    std::vector<std::string> m_arguments;
    std::map<std::string, std::string, std::less<>> m_options;
    std::string m_offending;
};

}  // namespace cli
