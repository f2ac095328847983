#include "model/CRegisterText.h"

#include <array>

#include "model/CCVAccountList.h"

namespace {

// By CTransaction::State.
constexpr std::array<res::StringId, 4> kStateNames{
    res::IDS_CLI_STATE_UNCLEARED, res::IDS_CLI_STATE_CLEARED, res::IDS_CLI_STATE_RECONCILED,
    res::IDS_CLI_STATE_VOID};

}  // namespace

res::StringId CRegisterText::StateNameId(int state) {
    if (state < 0 || state >= static_cast<int>(kStateNames.size())) return res::IDS_NONE;
    return kStateNames[static_cast<std::size_t>(state)];
}

CRegisterText::Fields CRegisterText::Of(const CTransaction& transaction) const {
    Fields fields;
    fields.type = m_accounts.GetTransactionTypes().NameOfKey(transaction.GetTypeId());
    if (transaction.CarriesCheckNumber()) fields.checkNumber = transaction.GetCheckNumber();
    fields.payee = transaction.GetPayeeName();
    const RecordKey categoryId = transaction.GetCategoryId();
    std::uint16_t icon = 0;
    m_accounts.GetCategoryText(categoryId, fields.category, icon);
    // A split and a transfer show their text alone.
    if (!categoryId.IsNull() && !transaction.IsSplit() &&
        m_accounts.FindAccountById(categoryId) == nullptr) {
        fields.categoryIcon = icon;
        fields.hasCategoryIcon = true;
    }
    m_accounts.GetClasses().NameOfKey(transaction.GetClassId(), fields.className);
    fields.memo = transaction.GetMemo();
    fields.signedAmount = transaction.GetSignedAmount();
    fields.state = transaction.GetState();
    fields.awaitingReview = transaction.GetOnlineOrigin() == CTransaction::kAwaitingReview;
    return fields;
}
