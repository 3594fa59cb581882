#pragma once
// The project's language table: up to eight display languages in the order
// the user configured them.
#include <memory>
#include <vector>

#include "base/Archivable.h"
#include "elements/CLangDefineItem.h"
#include "elements/LanguageDefaults.h"

namespace balsar {

class CLangDefine : public Archivable {
    BALSAR_DECLARE_CLASS(CLangDefine)
public:
    // One language: the system default with its default font.
    explicit CLangDefine(const LanguageDefaults& defaults = {});

    // version 1, then the item list in the object-list form.
    void Serialize(Archive& ar) override;

    int Count() const { return static_cast<int>(m_items.size()); }
    // Font of item index; the system default font beyond the table.
    std::string GetFontName(int index) const;
    // Language of item index; the system default language beyond the table.
    uint16_t GetLangID(int index) const;
    void Clear() { m_items.clear(); }
    void Add(uint16_t language, const std::string& font);
    const std::vector<std::unique_ptr<CLangDefineItem>>& Items() const { return m_items; }
    const LanguageDefaults& Defaults() const { return m_defaults; }

    bool operator==(const CLangDefine& other) const;

private:
    LanguageDefaults m_defaults;
    std::vector<std::unique_ptr<CLangDefineItem>> m_items;
};

} // namespace balsar
