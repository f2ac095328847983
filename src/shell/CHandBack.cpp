#include "shell/CHandBack.h"

namespace shell {
namespace {

std::size_t SlotOf(HandBackKind kind) {
    return static_cast<std::size_t>(kind);
}

bool IsValid(HandBackKind kind) {
    return kind >= HandBackKind::kIcon && kind < HandBackKind::kCount;
}

}  // namespace

void CHandBack::Give(HandBackKind kind, std::unique_ptr<CHandBackValue> value) {
    if (IsValid(kind)) m_slots[SlotOf(kind)] = std::move(value);
}

bool CHandBack::Has(HandBackKind kind) const {
    return Peek(kind) != nullptr;
}

std::unique_ptr<CHandBackValue> CHandBack::Take(HandBackKind kind) {
    if (!IsValid(kind)) return nullptr;
    return std::move(m_slots[SlotOf(kind)]);
}

CHandBackValue* CHandBack::Peek(HandBackKind kind) const {
    return IsValid(kind) ? m_slots[SlotOf(kind)].get() : nullptr;
}

void CHandBack::Clear() {
    for (auto& slot : m_slots) slot.reset();
}

}  // namespace shell
