#pragma once

#include <cstdint>
#include <memory>

#include "model/CCurrencyItem.h"
#include "model/EditOutcome.h"
#include "model/YesNo.h"
#include "storage/CCVItemList.h"

// The currencies, in order of creation, and which of them is the base currency.
//
// File: the list file framing, then always (also for an empty list) a 2-byte trailer:
//   offset  size  field
//   0       1     baseNumber: the number of the base currency
//   1       1     baseChanged: set when the base changed
class CCurrencyList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kListName = "CCurrencyItem";
    static constexpr std::size_t kTrailerSize = 2;
    static constexpr std::uint8_t kMaxNumber = 250;
    static constexpr double kBaseRate = 1.0;

    // Those who refer to currencies by number (the accounts): when a currency is deleted they
    // move to the base currency.
    class MCurrencyUsers {
      public:
        virtual void ResetCurrency(const CCurrencyItem& deleted) = 0;

      protected:
        ~MCurrencyUsers() = default;
    };

    CCurrencyList() : CCVItemList(kListName, kListVersion) {}

    // Eight currencies numbered 1 to 8 at rate 1.0, their symbols from the string table:
    // "$" (the base), "£", "€", "¥", "DM", "F", "C$", "AU$".
    int CreateDefaults() override;
    // The framing, then the trailer. Load: 1 when the records or the trailer are damaged; the
    // records before the damage are kept, and a damaged trailer leaves the base as it was.
    int Serialize(RecordArchive& ar) override;

    CCurrencyItem* At(std::int64_t index) const {
        return static_cast<CCurrencyItem*>(GetAt(index));
    }

    // The highest number in the list (deleted currencies included) plus one while that is at most
    // 250; otherwise the lowest number from 1 to 250 that no currency has; 0 when all are used.
    std::uint8_t NextFreeNumber() const;
    // The currency not deleted with that number, or null.
    CCurrencyItem* FindByNumber(std::uint8_t number) const;
    // The currency not deleted whose number is the base number, or null.
    CCurrencyItem* GetBase() const { return FindByNumber(m_baseNumber); }
    YesNo IsBase(const CCurrencyItem* currency) const;
    // Makes the currency the base (baseChanged is set when the base changes).
    void SetBase(const CCurrencyItem* currency);
    std::uint8_t GetBaseNumber() const { return m_baseNumber; }
    bool BaseChanged() const { return m_baseChanged != 0; }
    // 1 when a currency not deleted has exactly this symbol (letter case counts), else 0.
    int SymbolExists(const char* symbol) const;

    // Reads a conversion rate typed by a person: a decimal number (blanks around it allowed)
    // that is finite and greater than 0. False, leaving `rate`, for anything else.
    static bool ParseRate(const char* text, double& rate);

    // ---- Editing rules of the currency screens ----
    EditOutcome NewCurrency(const char* symbol, const char* rateText);
    EditOutcome EditCurrency(std::int64_t index, const char* symbol, const char* rateText);
    // Unconfirmed: asks the question first. Confirmed: the currency gets rate 1.0 and becomes the
    // base; the other rates stay as they are.
    EditOutcome MakeBase(std::int64_t index, bool confirmed);
    // Deletes a currency other than the base; `users` move from it to the base currency.
    EditOutcome DeleteCurrency(std::int64_t index, MCurrencyUsers& users);

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CCurrencyItem>();
    }

  private:
    EditOutcome CheckSymbolAndRate(const char* oldSymbol, const char* symbol, const char* rateText,
                                   double& rate) const;

    std::uint8_t m_baseNumber = 1;
    std::uint8_t m_baseChanged = 0;
};
