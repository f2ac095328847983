#include "reminder/CPlainNotifier.h"

namespace reminder {

bool CPlainNotifier::Show(const CReminderText& text) {
    const std::string plain = text.Plain();
    if (std::fputs(plain.c_str(), m_out) < 0) return false;
    return std::fflush(m_out) == 0;
}

}  // namespace reminder
