// The interactive program on a headless screen of 80 x 24, on the data set of 20 accounts and
// 100,000 transactions with half of them in the first account (a register of about 50,000 rows),
// the clock fixed, the files in a throw-away home: what a person waits for after a key.
//   build/release/bench/screen_bench
//
//   BM_StartToSummary        from a model that has not loaded the folder: the controller, the
//                            load, the accounts summary presented; < 300 ms
//   BM_OpenLargestRegister   Enter on the largest account's row of the summary, to the register
//                            presented; < 30 ms
//   BM_KeyDown, BM_KeyPageDown  one row, one page further in that register, to the screen
//                            presented; < 5 ms each (also on 120 x 40)
//   BM_ToggleCleared         Enter on an uncleared row, to the first screen showing the new mark
//                            (presented before the account is saved); < 10 ms
//   BM_ToggleClearedSaved    the same until the program is idle again, the save of the account
//                            file included; no budget, the disk sets it
//   BM_EditTransaction       the editor opened on a row of that register (event 4), to the editor
//                            presented, plus "Done" on a changed amount, to the register
//                            presented again; < 20 ms, the save of the account file left out
//   BM_EditTransactionSaved  the same with the save; no budget
//   BM_OpenCategoryChart     the expense chart by category for "This Year" over all accounts,
//                            from the summary's command to the chart presented: the report
//                            built, the slices, the pie and the labels drawn; < 60 ms (on
//                            80 x 24 and on 160 x 50)
//
// The benchmark's manual timing: the screen stamps every Present, and an iteration lasts from the
// key typed (the start) to the stamp of the screen it leads to. What comes between iterations (the
// end of the program, the way back to the summary, the mark put back) is not counted.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "DataSet.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CClearedMark.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "platform/ui/CHeadlessScreen.h"
#include "platform/ui/CListView.h"
#include "platform/ui/WindowApi.h"
#include "reports/CReportSettings.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/ViewNumbers.h"
#include "views/editor/CEditorForm.h"
#include "startup/ModelWiring.h"
#include "views/ViewRegistry.h"
#include "views/summary/CAccountsSummaryView.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kAccounts = 20;
constexpr std::int64_t kTransactions = 100000;
// About half of the entries go to the first account: a register of some 50,000 rows.
constexpr int kFirstAccountPercent = 51;

// A headless screen that notes when each screen was presented.
class CStampedScreen : public ui::CHeadlessScreen {
  public:
    using CHeadlessScreen::CHeadlessScreen;

    void Present(const ui::CCellSurface& screen) override {
        CHeadlessScreen::Present(screen);
        m_stamps.push_back(Clock::now());
    }

    // Forgets the stamps so far: the next ones belong to what comes now.
    void Mark() { m_stamps.clear(); }
    bool Presented() const { return !m_stamps.empty(); }
    Clock::time_point First() const { return m_stamps.front(); }
    Clock::time_point Last() const { return m_stamps.back(); }

  private:
    std::vector<Clock::time_point> m_stamps;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// The program's home, its data folder and its screen, made once for all benchmarks; the data set
// is written before any timing starts.
class Session {
  public:
    static Session& Get() {
        static Session session;
        return session;
    }
    // Whether a benchmark made it (and with it the folder to remove at the end).
    static bool& Made() {
        static bool made = false;
        return made;
    }

    bool Ready() const { return m_ready; }
    CStampedScreen& Screen() { return m_screen; }
    CVModel& Model() { return *CVModel::GetModel(); }
    std::int64_t Entries() const { return m_entries; }

    void Pump() { shell::CCVProgram::PumpUntilIdle(); }

    void Resize(int width, int height) {
        const ui::SIZE size = m_screen.ScreenSize();
        if (size.cx == width && size.cy == height) return;
        m_screen.Resize(width, height);
        Pump();
    }

    // The controller and the first screen, from a model that has not loaded the folder yet.
    bool Start() {
        // The start-of-day questions (the data set always holds a due transaction) wait for a
        // person's answer; the benchmarks time the screens, so they are not asked.
        views::CAccountsSummaryView::ArmStartOfDayChecks(false);
        shell::CCVApplication& app = shell::CCVApplication::Instance();
        if (app.CreateController() != 0) return false;
        Pump();
        return app.CurrentView() == shell::kViewAccountsSummary;
    }

    // Ends the program without the save at its end: the folder stays as the data set wrote it.
    void Stop() {
        shell::CCVApplication::Instance().Shutdown();
        Model().SetReloadPending(true);
        Model().SaveAndRelease();
        Model().SetReloadPending(false);
        shell::CCVProgram::DropQuit();
    }

    bool Running() const { return shell::CCVApplication::Instance().Controller() != nullptr; }

    // The list of the current screen (it holds the focus on list screens).
    ui::CListView* List() const { return ui::GetControl<ui::CListView>(ui::GetFocus()); }

    // The account with the most transactions, and its place in the account list (the summary's
    // row, the list being in its saved order).
    int LargestAccount() {
        CCVAccountList& accounts = *Model().GetAccountList();
        int largest = 0;
        for (std::uint32_t i = 1; i < accounts.Count(); ++i) {
            if (accounts.At(i)->Transactions().Count() >
                accounts.At(static_cast<std::uint32_t>(largest))->Transactions().Count()) {
                largest = static_cast<int>(i);
            }
        }
        return largest;
    }

    bool ShowSummary() {
        if (!Running() && !Start()) return false;
        shell::CCVApplication& app = shell::CCVApplication::Instance();
        while (app.CurrentView() != shell::kViewAccountsSummary && app.StackDepth() > 0) {
            app.PostBack(0);
            Pump();
        }
        return app.CurrentView() == shell::kViewAccountsSummary;
    }

    // The summary with the largest account's row selected, ready for Enter.
    bool SelectLargestRow() {
        if (!ShowSummary()) return false;
        ui::CListView* list = List();
        if (list == nullptr) return false;
        list->SetSelection(LargestAccount());
        Pump();
        return list->GetSelection() == LargestAccount();
    }

    bool ShowLargestRegister() {
        shell::CCVApplication& app = shell::CCVApplication::Instance();
        if (app.CurrentView() == shell::kViewRegister &&
            Model().GetAccountList()->GetCurrentAccountIndex() == LargestAccount()) {
            return true;
        }
        if (!SelectLargestRow()) return false;
        m_screen.TypeKey(ui::VK_RETURN);
        Pump();
        return app.CurrentView() == shell::kViewRegister;
    }

    void RemoveFolder() {
        if (Running()) Stop();
        std::error_code ignored;
        if (!m_home.empty()) std::filesystem::remove_all(m_home, ignored);
    }

  private:
    Session() {
        Made() = true;
        sys::SetTestTime(sys::MakeSystemTime(2026, 12, 6, 9, 30));
        std::string pattern =
            (std::filesystem::temp_directory_path() / "coinvale-screen-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return;
        m_home = pattern + "/";
        std::error_code error;
        std::filesystem::create_directories(m_home + "run", error);
        ::setenv("COINVALE_HOME", m_home.c_str(), 1);
        ::setenv("XDG_DOCUMENTS_DIR", (m_home + "Documents").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", (m_home + "run").c_str(), 1);

        const std::string data = m_home + "data/";
        DataSet dataSet({.accounts = kAccounts,
                         .transactions = kTransactions,
                         .firstAccountPercent = kFirstAccountPercent});
        if (dataSet.Write(data) != 0) return;

        CVModel& model = Model();
        startup::WireModel(model);
        if (model.PreparePreferences() != 0) return;
        std::wstring folder(data.begin(), data.end());  // an ASCII path
        if (!model.GetPreferences().SetUserPath(folder)) return;
        shell::CCVApplication& app = shell::CCVApplication::Instance();
        app.Catalog().Clear();
        views::RegisterViews(app.Catalog());
        app.SetFirstScreenChooser([this] { m_program.ChooseFirstScreen(); });
        if (!Start()) return;
        m_entries = static_cast<std::int64_t>(
            Model().GetAccountList()->At(LargestAccount())->Transactions().Count());
        m_ready = true;
    }

    std::string m_home;
    CStampedScreen m_screen{80, 24};
    shell::CCVProgram m_program;
    std::int64_t m_entries = 0;
    bool m_ready = false;
};

bool Prepare(benchmark::State& state, int width = 80, int height = 24) {
    Session& session = Session::Get();
    if (!session.Ready()) {
        state.SkipWithError("the data set or the program could not be set up");
        return false;
    }
    session.Resize(width, height);
    return true;
}

void BM_StartToSummary(benchmark::State& state) {
    if (!Prepare(state)) return;
    Session& session = Session::Get();
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    for (auto _ : state) {
        if (session.Running()) session.Stop();
        session.Screen().Mark();
        const Clock::time_point start = Clock::now();
        if (!session.Start() || !session.Screen().Presented() ||
            !session.Screen().Shows(L"Accounts Summary")) {
            state.SkipWithError("the accounts summary did not open");
            break;
        }
        state.SetIterationTime(Seconds(start, session.Screen().Last()));
        benchmark::DoNotOptimize(app.CurrentWindow());
    }
    // What the last start loaded.
    std::int64_t entries = 0;
    if (const CCVAccountList* accounts = session.Model().GetAccountList()) {
        for (std::uint32_t i = 0; i < accounts->Count(); ++i) {
            entries += accounts->At(i)->Transactions().Count();
        }
    }
    state.counters["transactions"] = static_cast<double>(entries);
}
BENCHMARK(BM_StartToSummary)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenLargestRegister(benchmark::State& state) {
    if (!Prepare(state)) return;
    Session& session = Session::Get();
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    for (auto _ : state) {
        if (!session.SelectLargestRow()) {
            state.SkipWithError("the summary did not show the account");
            break;
        }
        session.Screen().Mark();
        const Clock::time_point start = Clock::now();
        session.Screen().TypeKey(ui::VK_RETURN);
        session.Pump();
        if (app.CurrentView() != shell::kViewRegister || !session.Screen().Presented()) {
            state.SkipWithError("the register did not open");
            break;
        }
        state.SetIterationTime(Seconds(start, session.Screen().Last()));
    }
    state.counters["rows"] = static_cast<double>(session.Entries());
}
BENCHMARK(BM_OpenLargestRegister)->UseManualTime()->Unit(benchmark::kMillisecond);

// One key in the largest register, from the top of it down; back to the top (not counted) before
// the selection would stop at the last row.
void KeyInRegister(benchmark::State& state, unsigned key) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    if (!Prepare(state, width, height)) return;
    Session& session = Session::Get();
    if (!session.ShowLargestRegister() || session.List() == nullptr) {
        state.SkipWithError("the register did not open");
        return;
    }
    ui::CListView* list = session.List();
    const int step = key == ui::VK_NEXT ? list->GetCountPerPage() : 1;
    for (auto _ : state) {
        if (list->GetSelection() + 2 * step >= list->GetItemCount()) {
            session.Screen().TypeKey(ui::VK_HOME);
            session.Pump();
        }
        const int before = list->GetSelection();
        session.Screen().Mark();
        const Clock::time_point start = Clock::now();
        session.Screen().TypeKey(key);
        session.Pump();
        if (list->GetSelection() != before + step || !session.Screen().Presented()) {
            state.SkipWithError("the selection did not move");
            break;
        }
        state.SetIterationTime(Seconds(start, session.Screen().Last()));
    }
    state.counters["rows"] = static_cast<double>(list->GetItemCount());
}

void BM_KeyDown(benchmark::State& state) {
    KeyInRegister(state, ui::VK_DOWN);
}
BENCHMARK(BM_KeyDown)
    ->Args({80, 24})
    ->Args({120, 40})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_KeyPageDown(benchmark::State& state) {
    KeyInRegister(state, ui::VK_NEXT);
}
BENCHMARK(BM_KeyPageDown)
    ->Args({80, 24})
    ->Args({120, 40})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Selects the newest uncleared row of the largest register; -1 when there is none.
int SelectUncleared(Session& session) {
    if (!session.ShowLargestRegister()) return -1;
    CCVAccount& account = *session.Model().GetAccountList()->At(session.LargestAccount());
    const std::vector<CCVAccount::RegisterRow> rows = account.GetRegisterRows(account.GetFilter());
    ui::CListView* list = session.List();
    if (list == nullptr || list->GetItemCount() != static_cast<int>(rows.size())) return -1;
    for (int row = static_cast<int>(rows.size()) - 1; row >= 0; --row) {
        if (rows[static_cast<std::size_t>(row)].transaction->GetState() ==
            CTransaction::kUncleared) {
            list->SetSelection(row);
            session.Pump();
            return row;
        }
    }
    return -1;
}

// Enter on an uncleared row: to the first screen presented after it (the register shows the new
// mark before it saves the account), or, with `saved`, until the program is idle again, the save
// of the account file included. The mark is put back between iterations, uncounted.
void ToggleCleared(benchmark::State& state, bool saved) {
    if (!Prepare(state)) return;
    Session& session = Session::Get();
    const int row = SelectUncleared(session);
    if (row < 0) {
        state.SkipWithError("no uncleared row in the register");
        return;
    }
    CCVAccount& account = *session.Model().GetAccountList()->At(session.LargestAccount());
    CTransaction* transaction =
        account.GetRegisterRows(account.GetFilter())[static_cast<std::size_t>(row)].transaction;
    // Without the save, the program is told a reload is pending: the register then skips it, and
    // an iteration costs what the person waits for.
    // Saving is held back as after a synchronisation (reload pending); marked as reloading too,
    // so that the program's loop does not take the pending reload for a finished one and let
    // the saves through.
    session.Model().SetReloadPending(!saved);
    session.Model().SetReloading(!saved);
    for (auto _ : state) {
        session.Screen().Mark();
        const Clock::time_point start = Clock::now();
        session.Screen().TypeKey(ui::VK_RETURN);
        session.Pump();
        const Clock::time_point idle = Clock::now();
        if (transaction->GetState() != CTransaction::kCleared || !session.Screen().Presented()) {
            state.SkipWithError("the row was not marked cleared");
            break;
        }
        state.SetIterationTime(Seconds(start, saved ? idle : session.Screen().First()));
        // The mark back, and the screen showing it.
        CClearedMark::Toggle(account, *transaction);
        ui::InvalidateRect(ui::GetFocus());
        session.Pump();
    }
    session.Model().SetReloadPending(false);
    session.Model().SetReloading(false);
    state.counters["rows"] = static_cast<double>(session.List()->GetItemCount());
}

void BM_ToggleCleared(benchmark::State& state) {
    ToggleCleared(state, false);
}
BENCHMARK(BM_ToggleCleared)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ToggleClearedSaved(benchmark::State& state) {
    ToggleCleared(state, true);
}
BENCHMARK(BM_ToggleClearedSaved)->UseManualTime()->Unit(benchmark::kMillisecond);

// The newest row of the largest register that the editor saves without a question: not
// reconciled, not the twin of a split line; -1 when there is none.
int SelectEditable(Session& session) {
    if (!session.ShowLargestRegister()) return -1;
    CCVAccount& account = *session.Model().GetAccountList()->At(session.LargestAccount());
    const std::vector<CCVAccount::RegisterRow> rows = account.GetRegisterRows(account.GetFilter());
    ui::CListView* list = session.List();
    if (list == nullptr) return -1;
    for (int row = static_cast<int>(rows.size()) - 1; row >= 0; --row) {
        const CTransaction& t = *rows[static_cast<std::size_t>(row)].transaction;
        if (!t.IsReconciled() && !t.IsSplitTransferTwin() &&
            t.GetOnlineOrigin() != CTransaction::kAwaitingReview) {
            list->SetSelection(row);
            session.Pump();
            return row;
        }
    }
    return -1;
}

// Opening the editor on a row and "Done" on a new amount, each from its key to the screen it
// leads to; typing the amount in between is the person's time, not counted. Without `saved` the
// program is told a reload is pending, so the editor's save writes nothing.
void EditTransaction(benchmark::State& state, bool saved) {
    if (!Prepare(state)) return;
    Session& session = Session::Get();
    const int row = SelectEditable(session);
    if (row < 0) {
        state.SkipWithError("no row to edit in the register");
        return;
    }
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    CCVAccount& account = *session.Model().GetAccountList()->At(session.LargestAccount());
    const RecordKey id =
        account.GetRegisterRows(account.GetFilter())[static_cast<std::size_t>(row)]
            .transaction->GetTransactionId();
    const Amount original = account.FindById(id)->GetAmount();
    // Saving is held back as after a synchronisation (reload pending); marked as reloading too,
    // so that the program's loop does not take the pending reload for a finished one and let
    // the saves through.
    session.Model().SetReloadPending(!saved);
    session.Model().SetReloading(!saved);
    bool changed = false;
    double openTotal = 0;
    double doneTotal = 0;
    int count = 0;
    for (auto _ : state) {
        session.Screen().Mark();
        const Clock::time_point open = Clock::now();
        app.PostNavigate(shell::kEventEditTransaction, row);
        session.Pump();
        if (app.CurrentView() != shell::kViewEditTransaction || !session.Screen().Presented()) {
            state.SkipWithError("the editor did not open");
            break;
        }
        const double opening = Seconds(open, session.Screen().Last());
        changed = !changed;
        const Amount amount = changed ? original + 1 : original;
        const std::string text = std::to_string(amount / 100) + "." +
                                 std::to_string(amount % 100 / 10) + std::to_string(amount % 10);
        ui::SetWindowText(ui::GetDlgItem(app.CurrentWindow(), views::CEditorForm::kAmount),
                          std::wstring(text.begin(), text.end()));
        session.Pump();
        session.Screen().Mark();
        const Clock::time_point done = Clock::now();
        session.Screen().TypeKey(ui::VK_TSOFT1);
        session.Pump();
        const Clock::time_point idle = Clock::now();
        if (app.CurrentView() != shell::kViewRegister || !session.Screen().Presented() ||
            account.FindById(id) == nullptr || account.FindById(id)->GetAmount() != amount) {
            state.SkipWithError("the edit did not reach the register");
            break;
        }
        const double closing = Seconds(done, saved ? idle : session.Screen().Last());
        state.SetIterationTime(opening + closing);
        openTotal += opening;
        doneTotal += closing;
        ++count;
    }
    if (count > 0) {
        state.counters["open_ms"] = 1000.0 * openTotal / count;
        state.counters["done_ms"] = 1000.0 * doneTotal / count;
    }
    session.Model().SetReloadPending(false);
    session.Model().SetReloading(false);
    state.counters["rows"] = static_cast<double>(session.Entries());
}

void BM_EditTransaction(benchmark::State& state) {
    EditTransaction(state, false);
}
BENCHMARK(BM_EditTransaction)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_EditTransactionSaved(benchmark::State& state) {
    EditTransaction(state, true);
}
BENCHMARK(BM_EditTransactionSaved)->UseManualTime()->Unit(benchmark::kMillisecond);
// ---- reports: the category chart ----
void BM_OpenCategoryChart(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    if (!Prepare(state, width, height)) return;
    Session& session = Session::Get();
    CReportSettings settings = CReportSettings::ReadReport(session.Model().GetPreferences());
    settings.by = report::kByCategory;
    settings.period = report::kThisYear;
    settings.direction = report::kExpenses;
    settings.account = RecordKey{};
    if (!settings.WriteReport(session.Model().GetPreferences())) {
        state.SkipWithError("the report could not be defined");
        return;
    }
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    std::int64_t slices = 0;
    for (auto _ : state) {
        if (!session.ShowSummary()) {
            state.SkipWithError("the summary did not show");
            break;
        }
        session.Screen().Mark();
        const Clock::time_point start = Clock::now();
        app.PostNavigate(shell::kEventReportChartFromSummary, 0);
        session.Pump();
        if (app.CurrentView() != shell::kViewReportChart || !session.Screen().Presented() ||
            !session.Screen().Shows(L"Expenses by Category: This Year")) {
            state.SkipWithError("the chart did not open");
            break;
        }
        state.SetIterationTime(Seconds(start, session.Screen().Last()));
        slices = static_cast<std::int64_t>(session.Model().GetReports()->Count());
    }
    state.counters["slices"] = static_cast<double>(slices);
}
BENCHMARK(BM_OpenCategoryChart)
    ->Args({80, 24})
    ->Args({160, 50})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (Session::Made()) {
        Session::Get().RemoveFolder();
        sys::ClearTestTime();
    }
    return 0;
}
