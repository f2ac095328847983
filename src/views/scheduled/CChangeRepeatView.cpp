#include "views/scheduled/CChangeRepeatView.h"

#include <string>
#include <vector>

#include "model/CScheduledItem.h"
#include "model/ScheduleDates.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CRepeatRequest.h"

namespace views {
namespace {

enum FieldId : int { kDateId = 100, kFrequencyId, kRepeatId, kTimesId, kEnterId, kDaysId };
enum RepeatKind : int { kIndefinitely = 0, kTimes = 1 };
enum EnterChoice : int { kManually = 0, kRemindMe = 1 };
constexpr int kTimesLimit = 5;
constexpr int kDaysLimit = 3;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CChangeRepeatView::Describe(ui::LPARAM) {
    return Frame{L"ChangeRepeat", Text(res::IDS_CHANGE_REPEAT_TITLE), res::IDM_CHANGE_REPEAT};
}

bool CChangeRepeatView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    const auto* request = dynamic_cast<const shell::CRepeatRequest*>(payload.get());
    if (request == nullptr) return false;
    m_repeat = request->repeat;

    std::vector<std::wstring> frequencies;
    for (int f = 0; f < kFrequencyCount; ++f) frequencies.push_back(Text(FrequencyNameId(f)));
    const std::wstring times =
        m_repeat.Indefinitely() ? L"" : std::to_wstring(m_repeat.RemainingCount());
    const bool remind = m_repeat.EnterMode() == CScheduledItem::kRemindMe;

    m_date = AddDateRow(Text(res::IDS_REPEAT_LABEL_NEXT_DATE), kDateId, m_repeat.NextDate());
    m_frequency = AddSpinnerRow(Text(res::IDS_REPEAT_LABEL_FREQUENCY), kFrequencyId, frequencies,
                                m_repeat.Frequency());
    m_repeatKind = AddSpinnerRow(Text(res::IDS_REPEAT_LABEL_REPEAT), kRepeatId,
                                 {Text(res::IDS_REPEAT_INDEFINITELY), Text(res::IDS_REPEAT_TIMES)},
                                 m_repeat.Indefinitely() ? kIndefinitely : kTimes);
    m_times =
        AddEditRow(Text(res::IDS_REPEAT_LABEL_TIMES), kTimesId, kTimesLimit, ui::ES_NUMBER, times);
    m_enter = AddSpinnerRow(Text(res::IDS_REPEAT_LABEL_ENTER), kEnterId,
                            {Text(res::IDS_ENTER_MANUALLY), Text(res::IDS_ENTER_REMIND_ME)},
                            remind ? kRemindMe : kManually);
    m_days = AddEditRow(Text(res::IDS_REPEAT_LABEL_DAYS), kDaysId, kDaysLimit, ui::ES_NUMBER,
                        std::to_wstring(m_repeat.DaysInAdvance()));
    if (m_date == nullptr || m_frequency == nullptr || m_repeatKind == nullptr ||
        m_times == nullptr || m_enter == nullptr || m_days == nullptr) {
        return false;
    }
    EnableDependentFields();
    FocusField(m_date);
    return true;
}

void CChangeRepeatView::EnableDependentFields() {
    ui::EnableWindow(m_times, SpinnerIndex(m_repeatKind) == kTimes);
    ui::EnableWindow(m_days, SpinnerIndex(m_enter) == kRemindMe);
}

void CChangeRepeatView::OnControlCommand(int id, unsigned code) {
    if ((id == kRepeatId || id == kEnterId) && code == ui::LBN_SELCHANGE) {
        EnableDependentFields();
    }
}

void CChangeRepeatView::Done() {
    CRepeatSetting::Entries entries;
    entries.day = DateOf(m_date);
    entries.frequency = SpinnerIndex(m_frequency);
    entries.indefinitely = SpinnerIndex(m_repeatKind) != kTimes;
    entries.times = CCVUIUtility::NarrowCopy(FieldText(m_times));
    entries.remind = SpinnerIndex(m_enter) == kRemindMe;
    entries.daysInAdvance = CCVUIUtility::NarrowCopy(FieldText(m_days));
    const EditOutcome read = m_repeat.Read(entries);
    if (!read.IsDone()) {
        Ask(read.message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        if (read.message == res::IDS_REPEAT_TIMES_INVALID) FocusField(m_times);
        if (read.message == res::IDS_REPEAT_DAYS_INVALID) FocusField(m_days);
        if (read.message == res::IDS_REPEAT_CHOOSE_FREQUENCY) FocusField(m_frequency);
        Repaint();
        return;
    }
    shell::CCVApplication::Instance().HandBack().Give(
        shell::HandBackKind::kRepeat, std::make_unique<shell::CRepeatRequest>(m_repeat));
    PostBack(0);
}

bool CChangeRepeatView::OnCommand(int id) {
    switch (id) {
        case res::IDC_REPEAT_DONE:
            Done();
            return true;
        case res::IDC_REPEAT_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
