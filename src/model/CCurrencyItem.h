#pragma once

#include <cstdint>

#include "storage/CCVItem.h"
#include "storage/FixedText.h"

// A currency: a short symbol and its conversion rate against the base currency.
//
// Stored form, after the CCVItem part (23 bytes in all), little-endian:
//   offset  size  field
//   5       1     number: the currency's identity, 1 to 250 (accounts refer to it)
//   6       5     symbol: narrow Windows-1252 text, at most 4 characters ("£" is the byte A3)
//   11      8     rate: IEEE-754 double (1.0 is 00 00 00 00 00 00 F0 3F)
//   19      4     reserved, zero (read and ignored)
class CCurrencyItem : public CCVItem {
  public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 14 + 4;
    static constexpr std::size_t kSymbolSize = 5;

    CCurrencyItem() = default;
    // A currency with these fields; the record is not marked modified.
    CCurrencyItem(std::uint8_t number, const char* symbol, double rate);

    // Currencies are named by their symbol.
    const char* GetName() const override { return m_symbol.c_str(); }
    int Serialize(RecordArchive& ar) override;

    // Each setter changes the field, and marks the record modified, only when the value differs.
    std::uint8_t GetNumber() const { return m_number; }
    void SetNumber(std::uint8_t number);
    const char* GetSymbol() const { return m_symbol.c_str(); }
    // Keeps at most 4 characters and compares exactly. 1 (nothing changed) for a missing symbol.
    int SetSymbol(const char* symbol);
    double GetRate() const { return m_rate; }
    void SetRate(double rate);

  private:
    std::uint8_t m_number = 0;
    FixedText<kSymbolSize> m_symbol;
    double m_rate = 1.0;
};
