#include "model/CCurrencyList.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

#include "model/ListEditing.h"
#include "model/ModelText.h"
#include "storage/RecordArchive.h"

namespace {

// Offsets in the trailer.
constexpr std::size_t kTrailerBase = 0;
constexpr std::size_t kTrailerChanged = 1;

constexpr res::StringId kBuiltInSymbols[] = {
    res::IDS_CURRENCY_DOLLAR,
    res::IDS_CURRENCY_POUND,
    res::IDS_CURRENCY_EURO,
    res::IDS_CURRENCY_YEN,
    res::IDS_CURRENCY_MARK,
    res::IDS_CURRENCY_FRANC,
    res::IDS_CURRENCY_CANADIAN_DOLLAR,
    res::IDS_CURRENCY_AUSTRALIAN_DOLLAR,
};

// The symbol as the record would store it.
std::string StoredSymbol(const char* symbol) {
    FixedText<CCurrencyItem::kSymbolSize> stored;
    stored.Set(symbol);
    return stored.c_str();
}

}  // namespace

int CCurrencyList::CreateDefaults() {
    std::uint8_t number = 1;
    for (const res::StringId symbol : kBuiltInSymbols) {
        Append(new CCurrencyItem(number++, LoadNarrowString(symbol).c_str(), kBaseRate));
    }
    m_baseNumber = 1;
    return 0;
}

int CCurrencyList::Serialize(RecordArchive& ar) {
    // Damaged records leave the trailer's place unknown: it is not read then.
    if (const int rc = CCVItemList::Serialize(ar); rc != 0) return rc;
    std::uint8_t trailer[kTrailerSize] = {m_baseNumber, m_baseChanged};
    if (ar.TransferBytes(trailer, sizeof trailer) != 0) return 1;
    m_baseNumber = trailer[kTrailerBase];
    m_baseChanged = trailer[kTrailerChanged];
    return 0;
}

std::uint8_t CCurrencyList::NextFreeNumber() const {
    bool used[kMaxNumber + 1] = {};
    unsigned highest = 0;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count(true)); ++i) {
        const std::uint8_t number = static_cast<const CCurrencyItem*>(GetAtAny(i))->GetNumber();
        if (number > highest) highest = number;
        if (number <= kMaxNumber) used[number] = true;
    }
    if (highest < kMaxNumber) return static_cast<std::uint8_t>(highest + 1);
    for (unsigned number = 1; number <= kMaxNumber; ++number) {
        if (!used[number]) return static_cast<std::uint8_t>(number);
    }
    return 0;
}

CCurrencyItem* CCurrencyList::FindByNumber(std::uint8_t number) const {
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        if (At(i)->GetNumber() == number) return At(i);
    }
    return nullptr;
}

YesNo CCurrencyList::IsBase(const CCurrencyItem* currency) const {
    return ToYesNo(currency != nullptr && currency->GetNumber() == m_baseNumber);
}

void CCurrencyList::SetBase(const CCurrencyItem* currency) {
    if (currency == nullptr || IsBase(currency) == kYes) return;
    m_baseNumber = currency->GetNumber();
    m_baseChanged = 1;
}

int CCurrencyList::SymbolExists(const char* symbol) const {
    if (symbol == nullptr) return 0;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        if (std::strcmp(At(i)->GetSymbol(), symbol) == 0) return 1;
    }
    return 0;
}

bool CCurrencyList::ParseRate(const char* text, double& rate) {
    if (text == nullptr) return false;
    std::string_view view(text);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!view.empty() && blank(view.front())) view.remove_prefix(1);
    while (!view.empty() && blank(view.back())) view.remove_suffix(1);
    if (!view.empty() && view.front() == '+') view.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (view.empty() || error != std::errc() || end != view.data() + view.size() ||
        !std::isfinite(value) || value <= 0) {
        return false;
    }
    rate = value;
    return true;
}

// ---- Editing rules ----

EditOutcome CCurrencyList::CheckSymbolAndRate(const char* oldSymbol, const char* symbol,
                                              const char* rateText, double& rate) const {
    if (IsEmptyText(symbol) || IsEmptyText(rateText)) {
        return EditOutcome::Refused(res::IDS_INVALID_NAME);
    }
    const std::string stored = StoredSymbol(symbol);
    const bool tested = oldSymbol == nullptr || NameChanged(oldSymbol, stored.c_str());
    if (tested && SymbolExists(stored.c_str()) != 0) {
        return EditOutcome::Refused(res::IDS_CURRENCY_SYMBOL_EXISTS);
    }
    if (!ParseRate(rateText, rate)) return EditOutcome::Refused(res::IDS_CURRENCY_RATE_INVALID);
    return EditOutcome::Done();
}

EditOutcome CCurrencyList::NewCurrency(const char* symbol, const char* rateText) {
    double rate = kBaseRate;
    if (const EditOutcome check = CheckSymbolAndRate(nullptr, symbol, rateText, rate);
        !check.IsDone()) {
        return check;
    }
    const std::uint8_t number = NextFreeNumber();
    if (number == 0) return EditOutcome::Refused(res::IDS_CURRENCY_LIST_FULL);
    auto* currency = new CCurrencyItem(number, symbol, rate);
    currency->MarkModified();
    Append(currency);
    return EditOutcome::Done();
}

EditOutcome CCurrencyList::EditCurrency(std::int64_t index, const char* symbol,
                                        const char* rateText) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    CCurrencyItem* currency = At(index);
    double rate = kBaseRate;
    if (const EditOutcome check = CheckSymbolAndRate(currency->GetSymbol(), symbol, rateText, rate);
        !check.IsDone()) {
        return check;
    }
    if (IsBase(currency) == kYes && rate != kBaseRate) {
        return EditOutcome::Refused(res::IDS_BASE_RATE_NOT_ONE);
    }
    currency->SetSymbol(symbol);
    currency->SetRate(rate);
    return EditOutcome::Done();
}

EditOutcome CCurrencyList::MakeBase(std::int64_t index, bool confirmed) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    CCurrencyItem* currency = At(index);
    if (IsBase(currency) == kYes) return EditOutcome::Done();
    if (!confirmed) return EditOutcome::Ask(res::IDS_MAKE_BASE_QUESTION);
    currency->SetRate(kBaseRate);
    SetBase(currency);
    return EditOutcome::Done();
}

EditOutcome CCurrencyList::DeleteCurrency(std::int64_t index, MCurrencyUsers& users) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    CCurrencyItem* currency = At(index);
    if (IsBase(currency) == kYes) return EditOutcome::Refused(res::IDS_DELETE_BASE_CURRENCY);
    MarkDeleted(currency);
    users.ResetCurrency(*currency);
    return EditOutcome::Done();
}
