#include "interchange/CQifWriter.h"

#include <cstdio>

#include "interchange/InterchangeValues.h"
#include "model/CCVAccountList.h"

namespace {

const char* SectionType(const CCVAccount& account) {
    switch (account.Record().GetAccountType()) {
        case CCVAccount::kCash:
            return "Cash";
        case CCVAccount::kCredit:
        case CCVAccount::kLineOfCredit:
            return "CCard";
        case CCVAccount::kAsset:
            return "Oth A";
        case CCVAccount::kLiability:
            return "Oth L";
        default:
            return "Bank";
    }
}

void Field(std::string& out, char letter, const std::string& value) {
    out += letter;
    out += value;
    out += '\n';
}

}  // namespace

void CQifWriter::WriteTransaction(const CTransaction& transaction, std::string& out) const {
    const DateParts date = DateToParts(transaction.GetDate());
    char dateText[32];
    std::snprintf(dateText, sizeof dateText, "%02u/%02u/%04u", unsigned{date.month},
                  unsigned{date.day}, unsigned{date.year});
    Field(out, 'D', dateText);
    Field(out, 'T', interchange::FormatFileAmount(transaction.GetSignedAmount()));
    if (transaction.IsReconciled()) {
        Field(out, 'C', "X");
    } else if (transaction.IsCleared()) {
        Field(out, 'C', "*");
    }
    if (transaction.CarriesCheckNumber() && transaction.GetCheckNumber() != 0) {
        Field(out, 'N', std::to_string(transaction.GetCheckNumber()));
    }
    if (transaction.GetPayeeName()[0] != '\0') {
        Field(out, 'P', interchange::ToUtf8(transaction.GetPayeeName()));
    }
    if (transaction.GetMemo()[0] != '\0')
        Field(out, 'M', interchange::ToUtf8(transaction.GetMemo()));
    const CCVCategoryText& texts = *m_accounts.GetCategoryText();
    const auto category = [&](const RecordKey& key, const RecordKey& classKey) {
        std::string text = interchange::ToUtf8(texts.GetCategoryText(key));
        std::string className;
        if (m_accounts.GetClasses().NameOfKey(classKey, className) != 0) {
            text += '/' + interchange::ToUtf8(className);
        }
        return text;
    };
    if (!transaction.IsSplit()) {
        const std::string text = category(transaction.GetCategoryId(), transaction.GetClassId());
        if (!text.empty()) Field(out, 'L', text);
    } else {
        const std::string text = category(RecordKey{}, transaction.GetClassId());
        if (!text.empty()) Field(out, 'L', text);
        const bool debit = transaction.IsDebit();
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (!transaction.SplitLineInUse(line)) continue;
            const CSplitLine& split = transaction.GetSplit(line);
            Field(out, 'S', category(split.GetCategoryId(), split.GetClassId()));
            if (split.GetMemo()[0] != '\0') Field(out, 'E', interchange::ToUtf8(split.GetMemo()));
            Field(out, '$',
                  interchange::FormatFileAmount(debit ? -split.GetAmount() : split.GetAmount()));
        }
    }
    out += "^\n";
}

void CQifWriter::WriteSection(const CCVAccount& account, std::string& out) const {
    out += "!Type:";
    out += SectionType(account);
    out += '\n';
    const CCVTxnList& transactions = account.Transactions();
    for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
        const CTransaction& transaction = *transactions.At(i);
        if (!transaction.IsVoid()) WriteTransaction(transaction, out);
    }
}

void CQifWriter::WriteAccount(const CCVAccount& account, std::string& out) const {
    WriteSection(account, out);
}

void CQifWriter::WriteAll(std::string& out) const {
    out += "!Option:AutoSwitch\n";
    for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
        const CCVAccount& account = *m_accounts.At(i);
        out += "!Account\n";
        Field(out, 'N', interchange::ToUtf8(account.GetName()));
        Field(out, 'T', SectionType(account));
        out += "^\n";
        WriteSection(account, out);
    }
    out += "!Clear:AutoSwitch\n";
}
