#include "sync/CSyncCommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "Version.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "preferences/CCVPreferences.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "sync/CSynchroniser.h"

namespace {

constexpr std::string_view kPush = "push";
constexpr std::string_view kPull = "pull";
constexpr std::string_view kData = "--data";
constexpr std::string_view kTimeout = "--timeout";
constexpr std::string_view kHelp = "--help";
constexpr std::string_view kVersion = "--version";
constexpr long kMillisecondsPerSecond = 1000;

void Say(std::FILE* stream, const std::string& text) {
    std::fprintf(stream, "%s\n", text.c_str());
}

std::string Text(res::StringId id) {
    return sys::WideToUtf8(res::LoadString(id));
}

int Usage(std::FILE* errors) {
    Say(errors, Text(res::IDS_SYNC_USAGE));
    return CSynchroniser::kUsage;
}

// Whole seconds from 1 to the most; false for anything else.
bool ParseSeconds(const std::string& text, long& seconds) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    seconds = std::strtol(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && seconds >= 1 &&
           seconds <= CSyncCommandLine::kMaxTimeoutSeconds;
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

}  // namespace

int CSyncCommandLine::Run(const std::vector<std::string>& words, std::FILE* out,
                          std::FILE* errors) {
    if (words.size() == 1 && words[0] == kHelp) {
        Say(out, Text(res::IDS_SYNC_HELP));
        return CSynchroniser::kDone;
    }
    if (words.size() == 1 && words[0] == kVersion) {
        Say(out, std::string("coinvale-sync ") + COINVALE_VERSION);
        return CSynchroniser::kDone;
    }
    CSynchroniser::Options options;
    options.timeout = std::chrono::milliseconds(kDefaultTimeoutSeconds * kMillisecondsPerSecond);
    std::vector<std::string> positional;
    bool dataGiven = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == kData || word == kTimeout) {
            if (i + 1 >= words.size()) return Usage(errors);
            const std::string& value = words[++i];
            if (word == kData) {
                if (value.empty()) return Usage(errors);
                options.dataFolder = Absolute(value);
                dataGiven = true;
                continue;
            }
            long seconds = 0;
            if (!ParseSeconds(value, seconds)) {
                Say(errors, sys::FormatText(Text(res::IDS_SYNC_BAD_TIMEOUT), value.c_str()));
                return CSynchroniser::kUsage;
            }
            options.timeout = std::chrono::milliseconds(seconds * kMillisecondsPerSecond);
            continue;
        }
        if (word.size() > 1 && word[0] == '-') return Usage(errors);
        positional.push_back(word);
    }
    if (positional.size() != 2 || (positional[0] != kPush && positional[0] != kPull) ||
        positional[1].empty()) {
        return Usage(errors);
    }
    options.direction = positional[0] == kPush ? CSynchroniser::kPush : CSynchroniser::kPull;
    options.folder = Absolute(positional[1]);
    if (!dataGiven) options.dataFolder = sys::WideToUtf8(CCVPreferences().GetUserPath());

    std::string message;
    const int rc = CSynchroniser::Run(options, message);
    Say(rc == CSynchroniser::kDone ? out : errors, message);
    return rc;
}
