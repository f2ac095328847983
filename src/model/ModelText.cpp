#include "model/ModelText.h"

#include "platform/sys/CodePage.h"
#include "resources/StringTable.h"

std::string LoadNarrowString(res::StringId id) {
    return sys::WideToAnsi(res::LoadString(id));
}

std::string StoredName(const char* name) {
    NameField field;
    field.Set(name);
    return field.c_str();
}
