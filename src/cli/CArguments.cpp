#include "cli/CArguments.h"

#include <algorithm>
#include <array>

namespace cli {
namespace {

constexpr std::string_view kOptionStart = "--";
constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kShortHelp = "-h";
constexpr std::string_view kHelp = "--help";
constexpr char kValueSeparator = '=';

constexpr std::array<std::string_view, 26> kValueOptions{
    "--data",     "--filter", "--sort", "--amount", "--date",   "--type",    "--payee",
    "--category", "--class",  "--memo", "--state",  "--check",  "--through", "--format",
    "--by",       "--period", "--from", "--to",     "--account",
    // statement import
    "--statement",
    // interchange: the CSV column mapping
    "--rules", "--columns", "--date-format", "--header-lines", "--separator", "--decimal"};

}  // namespace

bool CArguments::TakesValue(std::string_view option) {
    return std::find(kValueOptions.begin(), kValueOptions.end(), option) != kValueOptions.end();
}

CArguments::Result CArguments::Add(std::string name, std::string value) {
    if (m_options.contains(name)) {
        m_offending = name;
        return kRepeated;
    }
    m_options.emplace(std::move(name), std::move(value));
    return kParsed;
}

CArguments::Result CArguments::Parse(const std::vector<std::string>& words) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool option = !optionsEnded && (word.starts_with(kOptionStart) || word == kShortHelp);
        if (!optionsEnded && word == kEndOfOptions) {
            optionsEnded = true;
        } else if (!option) {
            if (m_command.empty() && m_arguments.empty()) {
                m_command = word;
            } else {
                m_arguments.push_back(word);
            }
        } else {
            std::string name = word == kShortHelp ? std::string(kHelp) : word;
            std::string value;
            const std::size_t separator = name.find(kValueSeparator);
            const bool inline_value = separator != std::string::npos;
            if (inline_value) {
                value = name.substr(separator + 1);
                name.resize(separator);
            }
            if (TakesValue(name) && !inline_value) {
                if (i + 1 == words.size()) {
                    m_offending = name;
                    return kMissingValue;
                }
                value = words[++i];
            } else if (TakesValue(name) && value.empty()) {
                m_offending = name;
                return kMissingValue;
            }
            if (const Result rc = Add(std::move(name), std::move(value)); rc != kParsed) return rc;
        }
    }
    return kParsed;
}

bool CArguments::Has(std::string_view option) const {
    return m_options.find(option) != m_options.end();
}

const std::string* CArguments::Value(std::string_view option) const {
    const auto it = m_options.find(option);
    return it != m_options.end() ? &it->second : nullptr;
}

std::vector<std::string> CArguments::Options() const {
    std::vector<std::string> names;
    for (const auto& [name, value] : m_options) names.push_back(name);
    return names;
}

}  // namespace cli
