#include "cli/CFileImport.h"

#include <array>
#include <vector>

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CliExit.h"
#include "cli/CliValues.h"
#include "interchange/CCsvReader.h"
#include "interchange/CLineImport.h"
#include "interchange/CQifReader.h"
#include "model/CCVAccount.h"
#include "model/CImportBackup.h"
#include "platform/sys/Files.h"

namespace cli {
namespace {

bool EndsWithNoCase(const std::string& text, std::string_view end) {
    return text.size() >= end.size() &&
           SameText(std::string_view(text).substr(text.size() - end.size()), end);
}

bool ReadFile(CCommand::Context& context, const std::string& path, std::string& text) {
    std::vector<std::uint8_t> bytes;
    if (sys::ReadWholeFile(path, bytes) != 0) {
        context.data.Say(interchange::Message(res::IDS_INTERCHANGE_UNREADABLE, path.c_str()));
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

// The mapping of the rules file, then of the options.
bool ReadMapping(CCommand::Context& context, CCsvMapping& mapping) {
    std::string error;
    if (const std::string* rules = context.arguments.Value("--rules")) {
        std::string text;
        if (!ReadFile(context, *rules, text)) return false;
        if (!mapping.ReadRules(text, *rules, error)) {
            context.data.Say(error);
            return false;
        }
    }
    constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kOptions{{
        {"--columns", "columns"},
        {"--date-format", "date-format"},
        {"--header-lines", "header-lines"},
        {"--separator", "separator"},
        {"--decimal", "decimal"},
    }};
    for (const auto& [option, key] : kOptions) {
        const std::string* value = context.arguments.Value(option);
        if (value != nullptr && !mapping.Set(key, *value, error)) {
            context.data.Say(error);
            return false;
        }
    }
    return true;
}

// QIF dates are month first unless --date-format puts the day first.
interchange::DateOrder QifDateOrder(CCommand::Context& context) {
    const std::string* format = context.arguments.Value("--date-format");
    if (format == nullptr) return interchange::DateOrder::kMonthDayYear;
    const std::size_t day = format->find_first_of("Dd");
    const std::size_t month = format->find_first_of("Mm");
    return day < month ? interchange::DateOrder::kDayMonthYear
                       : interchange::DateOrder::kMonthDayYear;
}

}  // namespace

bool CFileImport::ChooseFormat(CCommand::Context& context, const std::string& path,
                               FileFormat& format) {
    if (const std::string* given = context.arguments.Value("--format")) {
        if (SameText(*given, "ofx") || SameText(*given, "qfx")) {
            format = FileFormat::kOfx;
        } else if (SameText(*given, "qif")) {
            format = FileFormat::kQif;
        } else if (SameText(*given, "csv")) {
            format = FileFormat::kCsv;
        } else {
            context.data.Say(
                interchange::Message(res::IDS_INTERCHANGE_BAD_IMPORT_FORMAT, given->c_str()));
            return false;
        }
        return true;
    }
    format = EndsWithNoCase(path, ".qif")   ? FileFormat::kQif
             : EndsWithNoCase(path, ".csv") ? FileFormat::kCsv
                                            : FileFormat::kOfx;
    return true;
}

int CFileImport::Import(CCommand::Context& context, CCVAccount& account, const std::string& path,
                        FileFormat format) {
    std::string text;
    if (!ReadFile(context, path, text)) return kExitRefused;
    ImportedFile file;
    if (format == FileFormat::kQif) {
        file = CQifReader(path, QifDateOrder(context)).Read(text);
    } else {
        CCsvMapping mapping;
        if (!ReadMapping(context, mapping)) return kExitRefused;
        file = CCsvReader(mapping, path).Read(text);
    }
    if (!file.error.empty()) {
        context.data.Say(file.error);
        return kExitRefused;
    }
    // As every import: the folder as it was is kept first.
    if (const std::string refusal = CImportBackup::Make(context.data.Accounts());
        !refusal.empty()) {
        context.data.Say(refusal);
        return kExitRefused;
    }
    CLineImport import(context.data.Accounts(), format == FileFormat::kQif ? "QIF" : "CSV", path);
    CLineImport::Result result;
    const bool imported = import.Apply(account, file.lines, result);
    for (const std::string& note : result.notes) context.data.Say(note);
    if (!imported) {
        // What went in before a failure lives only in memory: without a save the data folder
        // stays as it was.
        context.data.Say(result.error);
        return kExitRefused;
    }
    if (const int rc = context.data.Save(); rc != 0) return rc;

    const std::string name = Utf8(account.GetName());
    if (context.output.IsJson()) {
        context.output.Json(
            {{"account", name},
             {"file", path},
             {"new", result.added},
             {"matched", result.matched},
             {"skipped", result.skipped},
             {"notes", result.notes},
             {"balance", FormatAmount(account.GetBalance(CCVAccount::kBalanceCurrent))},
             {"cleared", FormatAmount(account.GetBalance(CCVAccount::kBalanceCleared))}});
    } else {
        context.output.Line(Format(res::IDS_CLI_IMPORTED, name.c_str(), result.added,
                                   result.matched, result.skipped));
    }
    return kExitDone;
}

}  // namespace cli
