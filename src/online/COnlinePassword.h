#pragma once

#include <string_view>

#include "online/CPasswordCriteria.h"
#include "online/MOnlineMessages.h"

class CCVAccount;
class CCVAccountList;
class CFiItem;
class MOnlineProgress;

// The change of an account's online password at its bank. Opening the change fetches the bank's
// password rules (the bank list is brought up to date first); "Done" checks the new password
// against them and sends the change. Every refusal and failure shows its message (a cancel,
// 1223, none) and changes nothing.
//
// After a successful change every account that signs on to the same bank with the same customer
// id and keeps a stored password gets the new one, so that its next download does not fail with
// the old one. A bank that left the bank list is said, never used.
class COnlinePassword {
  public:
    using Criteria = CPasswordCriteria::Bytes;

    COnlinePassword(CCVAccountList& accounts, MOnlineProgress& progress, MOnlineMessages& messages);

    // 0 with the bank's rules in `criteria`; 1 after the message, if any.
    int FetchCriteria(const CCVAccount& account, Criteria& criteria);
    // 0 once the bank changed the password (the success message shown); 1 when refused or
    // failed.
    int Change(CCVAccount& account, const Criteria& criteria, std::wstring_view oldPassword,
               std::wstring_view newPassword, std::wstring_view confirmation);

  private:
    CFiItem* BankOf(const CCVAccount& account);
    void Say(res::StringId id, MOnlineMessages::Style style, const std::wstring& text);

    CCVAccountList& m_accounts;
    MOnlineProgress& m_progress;
    MOnlineMessages& m_messages;
};
