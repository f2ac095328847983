#include "reports/CCVReportList.h"

#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/AmountMath.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "model/ModelText.h"
#include "reports/CReportRowOrder.h"
#include "storage/Text.h"

namespace {

// Rows below |Total| / 200 (0.5 %) are small.
constexpr Amount kSmallRowDivisor = 200;
// The sort by icon orders by (icon - 1) AND this mask.
constexpr int kIconSortMask = 17;

Amount AbsoluteAmount(Amount amount) {
    return amount < 0 ? NegateAmount(amount) : amount;
}

Amount MultiplyAmount(Amount amount, int factor) {
    Amount product = 0;
    if (!__builtin_mul_overflow(amount, static_cast<Amount>(factor), &product)) return product;
    return (amount < 0) != (factor < 0) ? std::numeric_limits<Amount>::min()
                                        : std::numeric_limits<Amount>::max();
}

// "Total %s" with the category's name.
std::string TotalRowName(const char* category) {
    std::string name = LoadNarrowString(res::IDS_REPORT_TOTAL);
    constexpr std::string_view kPlaceholder = "%s";
    if (const auto at = name.find(kPlaceholder); at != std::string::npos) {
        name.replace(at, kPlaceholder.size(), category);
    }
    return name;
}

std::unique_ptr<CCVReportItem> UnassignedRow(int by) {
    return std::make_unique<CCVReportItem>(by, LoadNarrowString(res::IDS_REPORT_UNASSIGNED),
                                           RecordKey{}, RecordKey{}, CCVReportItem::kUnassignedRow);
}

}  // namespace

std::unique_ptr<CCVItemList> CCVReportList::MakeForModel(CCVAccountList& accounts) {
    return std::make_unique<CCVReportList>(accounts);
}

CCVReportList* CCVReportList::FromModel(CVModel& model) {
    return dynamic_cast<CCVReportList*>(model.GetReports());
}

CCVReportList::CCVReportList(CCVAccountList& accounts) : m_accountList(accounts) {}

CCVReportList::~CCVReportList() = default;

// ---- what the report is ----

int CCVReportList::SetReportOptions(bool groupSmall, int direction) {
    if (direction < 0 || direction >= report::kDirectionCount) return 1;
    m_budgetMode = false;
    m_groupSmall = groupSmall;
    m_direction = static_cast<std::uint8_t>(direction);
    return 0;
}

void CCVReportList::SetBudgetMode() {
    m_budgetMode = true;
    m_groupSmall = false;
    m_direction = report::kAllAmounts;
}

int CCVReportList::ApplySettings(const CReportSettings& settings) {
    if (settings.by >= report::kByCount || settings.period >= report::kPeriodCount ||
        settings.direction >= report::kDirectionCount) {
        return 1;
    }
    m_by = settings.by;
    m_period = settings.period;
    m_showEmpty = settings.showEmpty;
    m_startDate = settings.startDate;
    m_endDate = settings.endDate;
    m_direction = settings.direction;
    // Dates kept from an earlier day would report the wrong month, quarter or year.
    GetPeriodDates(m_period);
    return 0;
}

int CCVReportList::ApplySettings(int by, int period, bool showEmpty) {
    if (by < 0 || by >= report::kByCount || period < 0 || period >= report::kCustom) return 1;
    m_by = static_cast<std::uint8_t>(by);
    m_period = static_cast<std::uint8_t>(period);
    m_showEmpty = showEmpty;
    return GetPeriodDates(period);
}

int CCVReportList::GetPeriodDates(int period) {
    return report::PeriodDates(period, m_startDate, m_endDate);
}

// ---- building ----

int CCVReportList::Build() {
    Clear(true, true);
    m_total = 0;
    m_budgetTotal = 0;
    if (m_budgetMode) {
        m_groupSmall = false;
        m_direction = report::kAllAmounts;
    }
    if (m_account != nullptr && m_accountList.FindAccount(m_account) < 0) return kAccountGone;
    Prefill();
    const CReportRowOrder order(m_accountList, m_by);
    if (m_account != nullptr) {
        AddAccount(*m_account, order);
    } else {
        for (std::uint32_t i = 0; i < m_accountList.Count(); ++i) {
            AddAccount(*m_accountList.At(i), order);
        }
    }
    if (m_by == report::kByCategory && !m_budgetMode && !m_groupSmall) AddCategoryTotals();
    if (!m_showEmpty) RemoveEmptyRows();
    if (m_direction != report::kAllAmounts) KeepDirection();
    if (m_groupSmall && Count() > 0) GroupSmallRows();
    return 0;
}

void CCVReportList::Prefill() {
    switch (m_by) {
        case report::kByPayee: {
            const CCVPayeeList& payees = m_accountList.GetPayees();
            for (std::uint32_t i = 0; i < payees.Count(); ++i) {
                const CCVPayeeItem& payee = *payees.At(i);
                AppendRow(std::make_unique<CCVReportItem>(report::kByPayee, payee.GetName()));
                m_budgetTotal = AddAmounts(m_budgetTotal, payee.GetBudget());
            }
            // The payee list is kept in this order; a list file written elsewhere may not be,
            // and the rows must be for the bisection.
            SortStable([](const CCVReportItem& a, const CCVReportItem& b) {
                return CompareNoCase(a.GetName(), b.GetName()) < 0;
            });
            return;
        }
        case report::kByCategory: {
            const CCVCategoryList& categories = m_accountList.GetCategories();
            for (std::uint32_t i = 0; i < categories.Count(); ++i) {
                const CCVCategoryItem& category = *categories.At(i);
                std::string name = category.GetFullName(categories);
                if (name.empty()) name = category.GetName();  // a sub-category without parent
                AppendRow(std::make_unique<CCVReportItem>(report::kByCategory, std::move(name),
                                                          *category.GetKey(),
                                                          category.GetParentKey()));
                m_budgetTotal = AddAmounts(m_budgetTotal, category.GetBudget());
            }
            AppendRow(UnassignedRow(m_by));
            m_budgetTotal = AddAmounts(m_budgetTotal, categories.GetUnassignedBudget());
            return;
        }
        case report::kByClass: {
            const CClassList& classes = m_accountList.GetClasses();
            for (std::uint32_t i = 0; i < classes.Count(); ++i) {
                const CClassItem& item = *classes.At(i);
                AppendRow(std::make_unique<CCVReportItem>(report::kByClass, item.GetName(),
                                                          *item.GetKey()));
                m_budgetTotal = AddAmounts(m_budgetTotal, item.GetBudget());
            }
            AppendRow(UnassignedRow(m_by));
            m_budgetTotal = AddAmounts(m_budgetTotal, classes.GetBudget(RecordKey{}));
            return;
        }
        default:
            return;
    }
}

void CCVReportList::AddAccount(const CCVAccount& account, const CReportRowOrder& order) {
    const std::uint8_t currency = account.Record().GetCurrency();
    const CCVTxnList& transactions = account.Transactions();
    const std::int64_t count = transactions.Count();
    for (std::int64_t i = 0; i < count; ++i) {
        CTransaction& transaction = *transactions.At(i);
        if (transaction.IsVoid()) continue;
        const DateTime date = transaction.GetDate();
        if (date < m_startDate || date > m_endDate) continue;
        AddTransaction(transaction, currency, order);
    }
}

bool CCVReportList::LeavesOut(const RecordKey& categoryId) const {
    return m_direction != report::kAllAmounts && m_account == nullptr &&
           m_accountList.FindAccountById(categoryId) != nullptr;
}

void CCVReportList::AddTransaction(CTransaction& transaction, std::uint8_t currency,
                                   const CReportRowOrder& order) {
    const auto add = [&](std::uint8_t splitIndex, bool unassigned, Amount amount) {
        const Amount converted = m_accountList.ConvertToHome(amount, currency);
        m_total =
            AddAmounts(m_total, AddPart(transaction, splitIndex, unassigned, converted, order));
    };
    if (m_by == report::kByPayee || !transaction.IsSplit()) {
        if (LeavesOut(transaction.GetCategoryId())) return;
        add(CCVReportItem::kWholeTransaction, false, transaction.GetSignedAmount());
        return;
    }
    // The remainder is worked out before conversion, so that rounding leaves no cents over.
    Amount remainder = transaction.GetSignedAmount();
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        if (!transaction.SplitLineInUse(line)) continue;
        const Amount amount = transaction.GetSplitSignedAmount(line);
        remainder = SubtractAmounts(remainder, amount);
        if (LeavesOut(transaction.GetSplit(line).GetCategoryId())) continue;
        add(static_cast<std::uint8_t>(line), false, amount);
    }
    if (remainder != 0) add(CCVReportItem::kWholeTransaction, true, remainder);
}

Amount CCVReportList::AddPart(CTransaction& transaction, std::uint8_t splitIndex, bool unassigned,
                              Amount amount, const CReportRowOrder& order) {
    if (m_direction == report::kExpenses && amount >= 0) return 0;
    if (m_direction == report::kIncomes && amount <= 0) return 0;
    CReportRowOrder::Place place = order.PlaceOf(transaction, splitIndex);
    if (unassigned) place = order.UnassignedPlace();
    const Position position =
        FindRow([&](const CCVReportItem& row) { return order.Compare(row, place); });
    if (position.found) {
        At(position.index)->AddPart(transaction, amount);
    } else if (place.unassigned) {
        InsertRow(position.index, UnassignedRow(m_by)).AddPart(transaction, amount);
    } else {
        InsertRow(position.index, std::make_unique<CCVReportItem>(m_accountList, m_by, transaction,
                                                                  splitIndex, amount));
    }
    return amount;
}

void CCVReportList::AddCategoryTotals() {
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count()); ++i) {
        const CCVReportItem& category = *At(i);
        const RecordKey& key = *category.GetKey();
        if (category.GetRole() != CCVReportItem::kItemRow || key.IsNull() ||
            !category.GetParentKey().IsNull()) {
            continue;
        }
        std::int64_t end = i + 1;
        while (end < static_cast<std::int64_t>(Count()) && At(end)->GetParentKey() == key) ++end;
        if (end == i + 1) continue;
        auto total =
            std::make_unique<CCVReportItem>(report::kByCategory, TotalRowName(category.GetName()),
                                            RecordKey{}, key, CCVReportItem::kTotalRow);
        Amount sum = 0;
        for (std::int64_t row = i; row < end; ++row) {
            sum = AddAmounts(sum, At(row)->GetAmount());
            total->AppendEntries(*At(row));
        }
        total->MergeEntries();
        total->SetAmount(sum);
        InsertRow(end, std::move(total));
        i = end;
    }
}

void CCVReportList::RemoveEmptyRows() {
    KeepRowsBackwards([this](CCVReportItem& row, const CCVReportItem* next) {
        if (row.GetAmount() != 0) return true;
        if (m_budgetMode && MonthlyBudget(row) != 0) return true;
        // A category stays above the sub-categories that stay.
        return row.GetKind() == CCVReportItem::kCategory && next != nullptr &&
               !row.GetKey()->IsNull() && next->GetParentKey() == *row.GetKey();
    });
}

void CCVReportList::KeepDirection() {
    m_total = 0;
    KeepRowsBackwards([this](CCVReportItem& row, const CCVReportItem*) {
        if (row.IsTotalRow()) return true;
        const Amount amount = row.GetAmount();
        const bool keep = m_direction == report::kIncomes ? amount >= 0 : amount <= 0;
        if (keep) m_total = AddAmounts(m_total, amount);
        return keep;
    });
}

void CCVReportList::GroupSmallRows() {
    const Amount threshold = AbsoluteAmount(m_total) / kSmallRowDivisor;
    auto other =
        std::make_unique<CCVReportItem>(m_by, LoadNarrowString(res::IDS_REPORT_OTHER), RecordKey{},
                                        RecordKey{}, CCVReportItem::kOtherRow);
    KeepRowsBackwards([&](CCVReportItem& row, const CCVReportItem*) {
        if (AbsoluteAmount(row.GetAmount()) >= threshold) return true;
        other->AppendEntries(row);
        return false;
    });
    if (other->TransactionCount() == 0) return;
    other->MergeEntries();
    other->SetAmount(other->SumOfParts());
    AppendRow(std::move(other));
}

int CCVReportList::SortRows(int key, int direction) {
    const bool ascending = direction == kSortAscending;
    if (key == kSortName) {
        if (m_by == report::kByCategory) {
            const int rc = Build();
            if (rc == 0 && !ascending) Reverse();
            return rc;
        }
        SortStable([ascending](const CCVReportItem& a, const CCVReportItem& b) {
            const int order = std::strcmp(a.GetName(), b.GetName());
            return ascending ? order < 0 : order > 0;
        });
        return 0;
    }
    if (key < kSortIcon || key > kSortDifference) return 1;
    std::unordered_map<const CCVReportItem*, Amount> values;
    values.reserve(Count());
    for (std::uint32_t i = 0; i < Count(); ++i) values.emplace(At(i), SortValue(key, *At(i)));
    SortStable([&](const CCVReportItem& a, const CCVReportItem& b) {
        const Amount first = values.at(&a);
        const Amount second = values.at(&b);
        return ascending ? first < second : first > second;
    });
    return 0;
}

Amount CCVReportList::SortValue(int key, const CCVReportItem& row) const {
    switch (key) {
        case kSortIcon: {
            // The icon order runs from the higher value to the lower.
            std::string text;
            std::uint16_t icon = 0;
            m_accountList.GetCategoryText(*row.GetKey(), text, icon);
            return -static_cast<Amount>((static_cast<int>(icon) - 1) & kIconSortMask);
        }
        case kSortBudget:
            return GetBudget(row, true);
        case kSortAmount:
            return row.GetAmount();
        default:  // kSortDifference
            return SubtractAmounts(row.GetAmount(), GetBudget(row, true));
    }
}

std::unique_ptr<CCVReportItem> CCVReportList::CopyRow(std::int64_t index) const {
    const CCVReportItem* row = At(index);
    if (row == nullptr) return nullptr;
    auto copy = std::make_unique<CCVReportItem>(row->GetKind(), row->Name(), *row->GetKey(),
                                                row->GetParentKey(), row->GetRole());
    copy->AppendEntries(*row);
    copy->SetAmount(copy->SumOfParts());
    return copy;
}

// ---- budgets ----

Amount CCVReportList::MonthlyBudget(const CCVReportItem& row) const {
    const RecordKey& key = *row.GetKey();
    switch (row.GetKind()) {
        case CCVReportItem::kPayee:
            return row.GetRole() == CCVReportItem::kItemRow
                       ? m_accountList.GetPayees().GetBudgetByName(row.GetName())
                       : 0;
        case CCVReportItem::kCategory: {
            const CCVCategoryList& categories = m_accountList.GetCategories();
            switch (row.GetRole()) {
                case CCVReportItem::kItemRow:
                    return key.IsNull() ? 0 : categories.GetBudget(key);
                case CCVReportItem::kUnassignedRow:
                    return categories.GetUnassignedBudget();
                case CCVReportItem::kTotalRow: {
                    Amount sum = categories.GetBudget(row.GetParentKey());
                    for (std::uint32_t i = 0; i < categories.Count(); ++i) {
                        if (categories.At(i)->GetParentKey() == row.GetParentKey()) {
                            sum = AddAmounts(sum, categories.At(i)->GetBudget());
                        }
                    }
                    return sum;
                }
                default:
                    return 0;
            }
        }
        case CCVReportItem::kClass:
            switch (row.GetRole()) {
                case CCVReportItem::kItemRow:
                    return key.IsNull() ? 0 : m_accountList.GetClasses().GetBudget(key);
                case CCVReportItem::kUnassignedRow:
                    return m_accountList.GetClasses().GetBudget(RecordKey{});
                default:
                    return 0;
            }
        default:
            return 0;
    }
}

Amount CCVReportList::GetBudget(const CCVReportItem& row, bool scale) const {
    const Amount monthly = MonthlyBudget(row);
    return scale ? MultiplyAmount(monthly, report::PeriodFactor(m_period)) : monthly;
}

bool CCVReportList::CanSetBudget(const CCVReportItem& row) const {
    const RecordKey& key = *row.GetKey();
    const bool item = row.GetRole() == CCVReportItem::kItemRow;
    switch (row.GetKind()) {
        case CCVReportItem::kPayee:
            return item;
        case CCVReportItem::kCategory:
            return row.IsUnassigned() ||
                   (item && m_accountList.GetCategories().KeyExists(key) == kYes);
        case CCVReportItem::kClass:
            return row.IsUnassigned() ||
                   (item && m_accountList.GetClasses().FindByKey(key) != nullptr);
        default:
            return false;
    }
}

int CCVReportList::SetBudget(const CCVReportItem& row, Amount monthly) {
    if (!CanSetBudget(row)) return 1;
    const Amount before = MonthlyBudget(row);
    const RecordKey budgetKey = row.IsUnassigned() ? RecordKey{} : *row.GetKey();
    switch (row.GetKind()) {
        case CCVReportItem::kPayee:
            if (m_accountList.GetPayees().SetBudgetByName(row.GetName(), monthly) != 0) return 1;
            break;
        case CCVReportItem::kCategory:
            m_accountList.GetCategories().SetBudget(budgetKey, monthly);
            break;
        default:  // kClass
            m_accountList.GetClasses().SetBudget(budgetKey, monthly);
            break;
    }
    m_budgetTotal = AddAmounts(m_budgetTotal, SubtractAmounts(monthly, before));
    return 0;
}

Amount CCVReportList::GetBudgetTotal() const {
    return MultiplyAmount(m_budgetTotal, report::PeriodFactor(m_period));
}
