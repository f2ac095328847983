#include "reminder/CReminderText.h"

#include <cstdio>

#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace reminder {
namespace {

// A text of the string table with printf arguments, as UTF-8.
template <typename... Args>
std::string Format(res::StringId id, Args... args) {
    return sys::FormatText(sys::WideToUtf8(res::LoadString(id)), args...);
}

std::string IsoDate(DateTime date) {
    const DateParts parts = DateToParts(date);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{parts.year}, unsigned{parts.month},
                  unsigned{parts.day});
    return text;
}

}  // namespace

CReminderText CReminderText::For(const CDueReminders& due) {
    CReminderText text;
    switch (due.GetSource()) {
        case CDueReminders::Source::kLocked:
            text.m_summary = Format(res::IDS_COMPANION_SUMMARY_DUE);
            text.m_lines.push_back(Format(res::IDS_COMPANION_LOCKED));
            return text;
        case CDueReminders::Source::kUnreadable:
            text.m_summary = Format(res::IDS_COMPANION_SUMMARY_DUE);
            text.m_lines.push_back(Format(res::IDS_COMPANION_NOT_READ, due.Folder().c_str()));
            return text;
        case CDueReminders::Source::kData:
            break;
    }
    const std::vector<CDueReminders::Entry>& entries = due.Entries();
    if (entries.empty()) return text;
    text.m_summary = entries.size() == 1 ? Format(res::IDS_COMPANION_SUMMARY_ONE)
                                         : Format(res::IDS_COMPANION_SUMMARY_MANY,
                                                  static_cast<unsigned>(entries.size()));
    for (std::size_t i = 0; i < entries.size() && i < kMostLines; ++i) {
        text.m_lines.push_back(Line(entries[i]));
    }
    if (entries.size() > kMostLines) {
        text.m_lines.push_back(
            Format(res::IDS_COMPANION_MORE, static_cast<unsigned>(entries.size() - kMostLines)));
    }
    return text;
}

std::string CReminderText::Body() const {
    std::string body;
    for (const std::string& line : m_lines) {
        if (!body.empty()) body += '\n';
        body += line;
    }
    return body;
}

std::string CReminderText::Plain() const {
    if (IsEmpty()) return {};
    std::string plain = m_summary + '\n';
    for (const std::string& line : m_lines) plain += "  " + line + '\n';
    return plain;
}

std::string CReminderText::Line(const CDueReminders::Entry& entry) {
    const std::string payee =
        entry.payee.empty() ? Format(res::IDS_COMPANION_NO_PAYEE) : entry.payee;
    return Format(res::IDS_COMPANION_LINE, IsoDate(entry.date).c_str(), payee.c_str(),
                  AmountText(entry.amount).c_str(), entry.account.c_str());
}

std::string CReminderText::AmountText(Amount amount) {
    // The magnitude as unsigned, so that the smallest Amount has one too.
    const bool negative = amount < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    char text[40];
    std::snprintf(text, sizeof text, "%s%llu.%02u", negative ? "-" : "",
                  static_cast<unsigned long long>(magnitude / 100), cents);
    return text;
}

std::string CReminderText::EscapeMarkup(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += ch;
        }
    }
    return escaped;
}

}  // namespace reminder
