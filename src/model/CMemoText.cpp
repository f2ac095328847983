#include "model/CMemoText.h"

#include "resources/ScreenIds.h"

std::string CMemoText::ToStored(const std::string& field) {
    std::string stored;
    stored.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char ch = field[i];
        if (ch == '\n' && (i == 0 || field[i - 1] != '\r')) stored += '\r';
        stored += ch;
    }
    return stored;
}

std::string CMemoText::ToField(const std::string& stored) {
    std::string field;
    field.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char ch = stored[i];
        if (ch != '\r') {
            field += ch;
        } else if (i + 1 >= stored.size() || stored[i + 1] != '\n') {
            field += '\n';
        }
    }
    return field;
}

EditOutcome CMemoText::Check(const std::string& field, std::size_t capacity) {
    if (ToStored(field).size() > capacity) return EditOutcome::Refused(res::IDS_MEMO_TOO_LONG);
    return EditOutcome::Done();
}
