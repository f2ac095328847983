#include "cli/CBackupCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/CDataBackups.h"
#include "model/CVModel.h"
#include "model/DataFolderText.h"

namespace cli {
namespace {

constexpr std::string_view kList = "list";
constexpr std::string_view kRestore = "restore";

}  // namespace

CDataSession::Access CBackupCommand::AccessFor(const CArguments& arguments) const {
    const std::vector<std::string>& words = arguments.Arguments();
    return words.size() == 2 && words[0] == kRestore ? CDataSession::kChange : CDataSession::kRead;
}

int CBackupCommand::Run(Context& context) {
    const std::vector<std::string>& words = context.arguments.Arguments();
    if (words.size() == 1 && words[0] == kList) return List(context);
    if (words.size() == 2 && words[0] == kRestore) return Restore(context, words[1]);
    context.data.Say(Text(res::IDS_BACKUP_USAGE));
    return kExitUsage;
}

int CBackupCommand::List(Context& context) {
    const CDataBackups backups(context.data.Model().GetDataFolder());
    const std::vector<CDataBackups::Backup> found = backups.List();
    if (context.output.IsJson()) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const CDataBackups::Backup& backup : found) {
            list.push_back(
                {{"name", backup.name}, {"files", backup.files}, {"bytes", backup.bytes}});
        }
        context.output.Json({{"folder", backups.Folder()}, {"backups", list}});
        return kExitDone;
    }
    if (found.empty()) {
        context.output.Line(
            Format(res::IDS_BACKUP_LIST_EMPTY, context.data.Model().GetDataFolder().c_str()));
        return kExitDone;
    }
    CTextTable table;
    table.AddColumn(Text(res::IDS_BACKUP_COLUMN_NAME));
    table.AddColumn(Text(res::IDS_BACKUP_COLUMN_FILES), CTextTable::kRight);
    table.AddColumn(Text(res::IDS_BACKUP_COLUMN_BYTES), CTextTable::kRight);
    for (const CDataBackups::Backup& backup : found) {
        table.AddRow({backup.name, std::to_string(backup.files), std::to_string(backup.bytes)});
    }
    context.output.Table(table);
    return kExitDone;
}

int CBackupCommand::Restore(Context& context, const std::string& name) {
    const std::string& folder = context.data.Model().GetDataFolder();
    CDataBackups backups(folder);
    if (backups.Restore(name) != 0) {
        const std::string reason = SaveFailureText(backups.LastFailure());
        if (reason.empty()) return context.data.Refuse(res::IDS_BACKUP_NOT_FOUND, name.c_str());
        context.data.Say(reason);
        return kExitRefused;
    }
    // The data loaded to open the folder is older than what was put back: it is not saved.
    if (const std::string pending = SaveFailureText(backups.LastFailure()); !pending.empty()) {
        context.data.Say(pending);
    }
    context.output.Line(Format(res::IDS_BACKUP_RESTORED, name.c_str(), folder.c_str()));
    return kExitDone;
}

}  // namespace cli
