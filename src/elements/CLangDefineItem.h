#pragma once
// One display language of a project: its language identifier and default
// font.
#include <cstdint>
#include <string>

#include "base/Archivable.h"

namespace balsar {

class CLangDefineItem : public Archivable {
    BALSAR_DECLARE_CLASS(CLangDefineItem)
public:
    CLangDefineItem() = default;
    CLangDefineItem(uint16_t languageId, std::string fontName) : language(languageId), font(std::move(fontName)) {}

    void Serialize(Archive& ar) override;
    bool operator==(const CLangDefineItem& other) const {
        return language == other.language && font == other.font;
    }

    uint16_t language = 0;
    std::string font;
};

} // namespace balsar
