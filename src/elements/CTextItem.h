#pragma once
// One state row of a dynamic text: a value, written in a number base, and
// the text shown while the address holds that value.
#include <cstdint>
#include <string>

#include "base/Archivable.h"
#include "plc/PlcTypes.h"

namespace balsar {

class CTextItem : public Archivable {
    BALSAR_DECLARE_CLASS(CTextItem)
public:
    // Version 1, text, base, value.
    void Serialize(Archive& ar) override;

    // An empty value takes the row out of the table and empties its text.
    void SetValue(const std::string& value);
    void SetText(const std::string& text) { m_text = text; }
    void SetBase(int32_t base) { m_base = base; }
    // Both value and text emptied.
    void Clear();

    const std::string& GetValue() const { return m_value; }
    const std::string& GetText() const { return m_text; }
    int32_t GetBase() const { return m_base; }
    bool IsUsed() const { return !m_value.empty(); }
    // The value text read in its base: octal, decimal (64-bit, signed) or
    // hexadecimal; the leading part that reads as a number counts, nothing
    // readable gives 0, and so does any other base.
    int64_t NumericValue() const;
    // The same, truncated to 32 bits as the state table keeps it.
    int32_t StateValue() const { return static_cast<int32_t>(static_cast<uint32_t>(NumericValue())); }

    bool operator==(const CTextItem& other) const = default;

private:
    int32_t m_base = BASE_DEC;
    std::string m_value;
    std::string m_text;
};

} // namespace balsar
