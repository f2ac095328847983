#pragma once

#include <array>
#include <memory>

// Results that a child screen hands back to the screen that opened it: the chosen icon or colour,
// an edited memo, split lines, a converted amount, a repeat, a bank and account. The child gives a
// value of its kind before it goes back; the parent takes it when it is shown again. Each slot
// owns its value until it is taken; giving a new value frees one nobody took, and Clear frees
// them all (the controller clears the slots when the navigation stack empties).
namespace shell {

enum class HandBackKind : int {
    kIcon,
    kColour,
    kMemo,
    kSplitLines,
    kConvertedAmount,
    kRepeat,
    kBankAndAccount,
    kCount,
};

class CHandBackValue {
  public:
    virtual ~CHandBackValue() = default;
};

// A hand-back value that is just one value of type T.
template <class T>
class CHandBackOf : public CHandBackValue {
  public:
    explicit CHandBackOf(T value) : m_value(std::move(value)) {}
    const T& Value() const { return m_value; }
    T& Value() { return m_value; }

  private:
    T m_value;
};

class CHandBack {
  public:
    void Give(HandBackKind kind, std::unique_ptr<CHandBackValue> value);
    bool Has(HandBackKind kind) const;
    // The value of that kind, or null; the slot is empty afterwards.
    std::unique_ptr<CHandBackValue> Take(HandBackKind kind);
    // The value when it has type T (null otherwise; a value of another type stays in its slot).
    template <class T>
    std::unique_ptr<T> TakeAs(HandBackKind kind) {
        if (dynamic_cast<T*>(Peek(kind)) == nullptr) return nullptr;
        return std::unique_ptr<T>(static_cast<T*>(Take(kind).release()));
    }
    void Clear();

  private:
    CHandBackValue* Peek(HandBackKind kind) const;

    std::array<std::unique_ptr<CHandBackValue>, static_cast<std::size_t>(HandBackKind::kCount)>
        m_slots;
};

}  // namespace shell
