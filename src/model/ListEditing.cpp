#include "model/ListEditing.h"

#include "model/ModelText.h"
#include "storage/CCVItemList.h"
#include "storage/Text.h"

EditOutcome CheckSelection(const CCVItemList& list, std::int64_t index, res::StringId emptyMessage,
                           res::StringId badIndexMessage) {
    if (list.Count() == 0) return EditOutcome::Refused(emptyMessage);
    if (list.GetAt(index) == nullptr) return EditOutcome::Refused(badIndexMessage);
    return EditOutcome::Done();
}

bool NameChanged(const char* oldName, const char* newName) {
    return CompareNoCase(oldName, newName) != 0;
}

EditOutcome CheckName(const CCVItemList& list, const char* oldName, const char* name,
                      res::StringId existsMessage) {
    if (IsEmptyText(name)) return EditOutcome::Refused(res::IDS_INVALID_NAME);
    const bool tested = oldName == nullptr || NameChanged(oldName, name);
    if (tested && list.FindByName(StoredName(name).c_str()) != nullptr) {
        return EditOutcome::Refused(existsMessage);
    }
    return EditOutcome::Done();
}

EditOutcome DeleteSelected(CCVItemList& list, std::int64_t index) {
    if (const EditOutcome selection = CheckSelection(list, index); !selection.IsDone()) {
        return selection;
    }
    list.MarkDeleted(list.GetAt(index));
    return EditOutcome::Done();
}
