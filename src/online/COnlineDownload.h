#pragma once

#include <cstdint>
#include <string>

#include "online/MOnlineMessages.h"

class CCVAccount;
class CCVAccountList;
class CCVTxnList;
class CFiList;
class MOnlineProgress;
class MPasswordPrompt;

// The statement download runs: one account, from its register ("Go online"), or every account,
// from the accounts summary ("Go Online"). Each run shows the progress indicator from its start
// to its end, on every way out, and takes the bank's lines into the accounts (matched against
// the transactions entered and awaiting review). A password typed at the prompt serves the one
// account it was asked for and is wiped afterwards; the account's stored password, when it has
// one, is used instead of asking.
//
// For each account: the bank list is brought up to date from the institution directory, the
// account's bank is looked up by its institution id, the password is found, and the bank
// downloads the statement. Failures show the online error message (never for a cancel, 1223).
class COnlineDownload {
  public:
    COnlineDownload(CCVAccountList& accounts, MOnlineProgress& progress, MPasswordPrompt& prompt,
                    MOnlineMessages& messages);

    // 1 when transactions were downloaded (the register then opens the online summary); else 0,
    // after the message that says why, if any: the account is not set up for online access, its
    // bank is not in the bank list any more, the download failed, or no transaction was new. A
    // cancelled prompt or download ends quietly. Lines whose texts were changed to be stored are
    // reported as the statement-file import reports them: in the no-new-transactions message, or
    // in a message of their own before the review.
    int DownloadAccount(CCVAccount& account);

    // Every account set up for online access, in list order. A failure shows its message and the
    // run goes on with the next account; a cancel, or no usable connection (20000), stops the run
    // with 0 and no summary. Otherwise 1, and one summary: none of the accounts is set up, no
    // transaction was new, or how many transactions came from how many accounts tried; followed by
    // the note on lines whose texts were changed to be stored, when there are such lines.
    int DownloadAll();

  private:
    enum class Step { kDownloaded, kPassedOver, kNoBank, kListFailed, kStatementFailed };
    struct Failure {
        int code = 0;
        std::string message;
    };

    CFiList* Institutions() const;
    // 0, or the directory's error in `failure`.
    int UpdateInstitutions(Failure& failure);
    // The steps of one account; the failure of the last two results in `failure`.
    Step DownloadStatement(CCVAccount& account, CCVTxnList& downloaded, Failure& failure);
    void ShowBankNotListed(MOnlineMessages::Owner owner, const CCVAccount& account);
    void ShowSummary(std::uint32_t transactions, int attempted, int notOnline);
    // The summary's text with the note on changed lines of this run, if any.
    std::wstring WithChangedNote(std::wstring text) const;

    CCVAccountList& m_accounts;
    MOnlineProgress& m_progress;
    MPasswordPrompt& m_prompt;
    MOnlineMessages& m_messages;
    std::uint32_t m_changedLines = 0;  // of the statements taken in this run
};
