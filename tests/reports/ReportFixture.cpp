#include "ReportFixture.h"

#include <memory>

#include "model/BuiltInKey.h"
#include "platform/sys/Clock.h"

namespace report_fixture {

namespace {

RecordKey TypeFor(Amount amount) {
    return BuiltInKey(amount < 0 ? CTransactionTypeList::kTypeWithdrawal
                                 : CTransactionTypeList::kTypeDeposit);
}

Amount Magnitude(Amount amount) {
    return amount < 0 ? -amount : amount;
}

}  // namespace

std::vector<Row> Rows(const CCVReportList& report) {
    std::vector<Row> rows;
    for (std::uint32_t i = 0; i < report.Count(); ++i) {
        rows.emplace_back(report.At(i)->Name(), report.At(i)->GetAmount());
    }
    return rows;
}

const CCVReportItem* FindRow(const CCVReportList& report, const std::string& name) {
    for (std::uint32_t i = 0; i < report.Count(); ++i) {
        if (report.At(i)->Name() == name) return report.At(i);
    }
    return nullptr;
}

ReportTest::ReportTest() {
    sys::SetTestTime(sys::MakeSystemTime(2027, 3, 15, 10, 0, 0));
    list.GetCategories().CreateDefaults();
    list.GetClasses().CreateDefaults();
    list.GetCurrencies().CreateDefaults();
    list.GetTransactionTypes().CreateDefaults();
}

ReportTest::~ReportTest() {
    sys::ClearTestTime();
}

CCVAccount& ReportTest::AddAccount(const char* name, std::uint8_t currency) {
    auto* account = new CCVAccount;
    account->SetName(name);
    account->Record().SetCurrency(currency);
    account->SetOwner(&list);
    list.InsertSorted(account);
    return *account;
}

CTransaction& ReportTest::Add(CCVAccount& account, DateTime date, Amount amount, const char* payee,
                              const RecordKey& category, const RecordKey& classKey) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(date);
    t->SetAmount(Magnitude(amount));
    t->SetTypeId(TypeFor(amount));
    t->SetPayeeName(payee);
    t->SetCategoryId(category);
    t->SetClassId(classKey);
    CTransaction& added = *t;
    EXPECT_EQ(account.AddTransaction(std::move(t)), 0);
    return added;
}

CTransaction& ReportTest::AddSplit(CCVAccount& account, DateTime date, Amount amount,
                                   const std::vector<Line>& lines, const char* payee) {
    CTransaction& t = Add(account, date, amount, payee, CTransaction::SplitCategoryId());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CSplitLine line;
        line.SetCategoryId(lines[i].category);
        line.SetAmount(Magnitude(lines[i].amount));
        t.SetSplit(static_cast<int>(i), line);
    }
    return t;
}

void ReportTest::AddTransfer(CCVAccount& from, CCVAccount& to, DateTime date, Amount amount) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(date);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeWithdrawal));
    t->SetCategoryId(to.GetAccountId());
    EXPECT_EQ(list.AddTransactionWithTwins(from, std::move(t)), 0);
}

RecordKey ReportTest::Category(const char* path) {
    return list.GetCategories().FindOrCreate(path, true);
}

RecordKey ReportTest::ClassKey(const char* name) {
    RecordKey key;
    return list.GetClasses().KeyForName(name, key, true);
}

CCVReportList& ReportTest::Report(int by, bool showEmpty, int direction) {
    EXPECT_EQ(report.SetReportOptions(report.GetGroupSmall(), direction), 0);
    CReportSettings settings;
    settings.by = static_cast<std::uint8_t>(by);
    settings.period = report::kThisMonth;
    settings.showEmpty = showEmpty;
    settings.direction = static_cast<std::uint8_t>(direction);
    EXPECT_EQ(report.ApplySettings(settings), 0);
    EXPECT_EQ(report.Build(), 0);
    return report;
}

}  // namespace report_fixture
