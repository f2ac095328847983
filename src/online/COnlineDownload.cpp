#include "online/COnlineDownload.h"

#include "model/CCVAccountList.h"
#include "ofx/CFidbClient.h"
#include "ofx/OfxStatus.h"
#include "online/CDownloadedStatement.h"
#include "online/CFiList.h"
#include "online/MOnlineProgress.h"
#include "online/MPasswordPrompt.h"
#include "online/OnlineError.h"
#include "online/OnlineText.h"

namespace {

constexpr int kPluralFrom = 2;
constexpr const char* kPluralSuffix = "s";

// Shows the progress indicator for the life of a run; End may come earlier, for the messages
// that follow the run.
class ProgressShown {
  public:
    explicit ProgressShown(MOnlineProgress& progress) : m_progress(progress) { m_progress.Start(); }
    ~ProgressShown() { End(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

    void End() {
        if (m_ended) return;
        m_ended = true;
        m_progress.End();
    }

  private:
    MOnlineProgress& m_progress;
    bool m_ended = false;
};

// A password for one call; its bytes are overwritten when the call is done with it.
class OneCallPassword {
  public:
    OneCallPassword() = default;
    ~OneCallPassword() {
        volatile char* bytes = m_text.data();
        for (std::size_t i = 0; i < m_text.size(); ++i) bytes[i] = '\0';
    }
    OneCallPassword(const OneCallPassword&) = delete;
    OneCallPassword& operator=(const OneCallPassword&) = delete;

    std::string& Text() { return m_text; }

  private:
    std::string m_text;
};

}  // namespace

COnlineDownload::COnlineDownload(CCVAccountList& accounts, MOnlineProgress& progress,
                                 MPasswordPrompt& prompt, MOnlineMessages& messages)
    : m_accounts(accounts), m_progress(progress), m_prompt(prompt), m_messages(messages) {}

CFiList* COnlineDownload::Institutions() const {
    return dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
}

int COnlineDownload::UpdateInstitutions(Failure& failure) {
    CFiList* institutions = Institutions();
    if (institutions == nullptr) return 0;  // no bank list: no account finds its bank
    institutions->SetProgress(&m_progress);
    CFidbClient directory;
    const bool updated = directory.UpdateFiList(institutions->GetDirectoryVersion(), *institutions);
    institutions->SetProgress(nullptr);  // the indicator lives only as long as the run
    if (updated) return 0;
    failure = {directory.Error(), directory.ErrorMessage()};
    return failure.code;
}

COnlineDownload::Step COnlineDownload::DownloadStatement(CCVAccount& account,
                                                         CCVTxnList& downloaded, Failure& failure) {
    if (UpdateInstitutions(failure) != 0) return Step::kListFailed;
    CFiList* institutions = Institutions();
    const CCVAccountRecord& record = account.Record();
    CFiItem* bank = institutions != nullptr ? institutions->FindById(record.GetFiId()) : nullptr;
    if (bank == nullptr) return Step::kNoBank;

    OneCallPassword password;
    password.Text() = record.GetOnlinePassword();
    if (password.Text().empty() &&
        !m_prompt.AskPassword(record.GetBankName().c_str(), record.GetAccountNumber().c_str(),
                              password.Text())) {
        return Step::kPassedOver;
    }
    bank->SetProgress(&m_progress);
    const int rc = bank->GetStatement(&m_progress, account, password.Text().c_str(), &downloaded);
    bank->SetProgress(nullptr);
    if (rc == 0) {
        m_changedLines += bank->ChangedLineCount();
        return Step::kDownloaded;
    }
    failure = {bank->GetErrorCode(), bank->GetErrorMessage()};
    return Step::kStatementFailed;
}

void COnlineDownload::ShowBankNotListed(MOnlineMessages::Owner owner, const CCVAccount& account) {
    m_messages.ShowMessage(owner, OnlineText(res::IDS_BANK_NOT_LISTED, account.GetName()),
                           res::IDS_APP_NAME, MOnlineMessages::Style::kExclamation);
}

int COnlineDownload::DownloadAccount(CCVAccount& account) {
    if (!account.Record().GetOnlineEnabled()) {
        m_messages.ShowMessage(MOnlineMessages::kOwnerCaller,
                               OnlineText(res::IDS_ACCOUNT_NOT_ONLINE), res::IDS_APP_NAME,
                               MOnlineMessages::Style::kExclamation);
        return 0;
    }
    m_changedLines = 0;
    ProgressShown progress(m_progress);
    CCVTxnList downloaded;
    downloaded.SetBorrowing();
    Failure failure;
    switch (DownloadStatement(account, downloaded, failure)) {
        case Step::kListFailed:
            ShowOnlineError(m_messages, MOnlineMessages::kOwnerProgress, failure.code,
                            failure.message.c_str());
            return 0;
        case Step::kNoBank:
            progress.End();
            ShowBankNotListed(MOnlineMessages::kOwnerCaller, account);
            return 0;
        case Step::kPassedOver:
            return 0;
        case Step::kStatementFailed:
            progress.End();
            ShowOnlineError(m_messages, MOnlineMessages::kOwnerCaller, failure.code,
                            failure.message.c_str());
            return 0;
        case Step::kDownloaded:
            break;
    }
    progress.End();
    if (downloaded.Count() == 0) {
        m_messages.ShowMessage(MOnlineMessages::kOwnerCaller,
                               WithChangedNote(OnlineText(res::IDS_NO_NEW_TRANSACTIONS)),
                               res::IDS_ONLINE_SUMMARY_CAPTION,
                               MOnlineMessages::Style::kInformation);
        return 0;
    }
    if (m_changedLines > 0) {
        m_messages.ShowMessage(MOnlineMessages::kOwnerCaller,
                               CDownloadedStatement::ChangedLinesNote(m_changedLines),
                               res::IDS_ONLINE_SUMMARY_CAPTION,
                               MOnlineMessages::Style::kInformation);
    }
    return 1;
}

int COnlineDownload::DownloadAll() {
    m_changedLines = 0;
    CCVTxnList downloaded;
    downloaded.SetBorrowing();
    ProgressShown progress(m_progress);
    int attempted = 0;
    int notOnline = 0;
    for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
        CCVAccount& account = *m_accounts.At(i);
        if (!account.Record().GetOnlineEnabled()) {
            ++notOnline;
            continue;
        }
        ++attempted;
        Failure failure;
        const Step step = DownloadStatement(account, downloaded, failure);
        if (step == Step::kNoBank) ShowBankNotListed(MOnlineMessages::kOwnerProgress, account);
        if (step != Step::kListFailed && step != Step::kStatementFailed) continue;
        if (failure.code == ofx::kErrorCancelled) return 0;
        ShowOnlineError(m_messages, MOnlineMessages::kOwnerProgress, failure.code,
                        failure.message.c_str());
        // Without a connection every further account would fail the same way.
        if (failure.code == ofx::kErrorNoConnection) return 0;
    }
    progress.End();
    ShowSummary(downloaded.Count(), attempted, notOnline);
    return 1;
}

void COnlineDownload::ShowSummary(std::uint32_t transactions, int attempted, int notOnline) {
    const auto show = [this](const std::wstring& text, res::StringId caption) {
        m_messages.ShowMessage(MOnlineMessages::kOwnerCaller, WithChangedNote(text), caption,
                               MOnlineMessages::Style::kInformation);
    };
    if (static_cast<std::uint32_t>(notOnline) == m_accounts.Count()) {
        show(OnlineText(res::IDS_NO_ACCOUNT_ONLINE), res::IDS_APP_NAME);
    } else if (transactions == 0) {
        show(OnlineText(res::IDS_NO_NEW_TRANSACTIONS), res::IDS_ONLINE_SUMMARY_CAPTION);
    } else if (transactions == 1) {
        show(OnlineText(res::IDS_ONE_TRANSACTION_DOWNLOADED, attempted,
                        attempted >= kPluralFrom ? kPluralSuffix : ""),
             res::IDS_ONLINE_SUMMARY_CAPTION);
    } else {
        show(
            OnlineText(res::IDS_TRANSACTIONS_DOWNLOADED, static_cast<int>(transactions), attempted),
            res::IDS_ONLINE_SUMMARY_CAPTION);
    }
}

std::wstring COnlineDownload::WithChangedNote(std::wstring text) const {
    const std::wstring note = CDownloadedStatement::ChangedLinesNote(m_changedLines);
    if (!note.empty()) text += L"\n\n" + note;
    return text;
}
