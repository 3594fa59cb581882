#include "elements/CRegisterGE.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "elements/DotMatrixFont.h"
#include "elements/ElementKinds.h"
#include "elements/ElementStrings.h"
#include "elements/GlyphSource.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CRegisterGE, 0, &CGraphElement::StaticClass())

namespace {

// Sizes 8, 12 and 16 use the built-in font, 24 and 32 this face.
const std::string kRegisterFace = strings::kDefaultFace;
constexpr int kRegisterFontMode = 2;

} // namespace

CRegisterGE::CRegisterGE() : CopyableElement(KIND_REGISTER) {
    const std::string sample = Sample();
    m_height = PixelSizeOfIndex(m_sizeIndex);
    m_width = static_cast<int32_t>(sample.size()) * dotmatrix::GlyphWidth(m_height);
}

void CRegisterGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 3;
    ar.Value(version);
    ar.Value(m_format.dataType);
    ar.Value(m_format.integerDigits);
    ar.Value(m_format.decimalDigits);
    ar.Value(m_format.dataWidth);
    ar.Value(m_format.leadingZeros);
    ar.Value(m_sizeIndex);
    ar.Value(m_format.inputAllowed);
    ar.Value(passwordLevel);
    ar.Value(m_format.inputLimits);
    ar.Value(inputUpper);
    ar.Value(inputLower);
    ar.Value(m_format.scaling);
    ar.Value(scaleUpper);
    ar.Value(scaleLower);
    if (ar.IsStoring() || version >= 2) {
        ar.Value(alignment);
    } else {
        alignment = ALIGN_RIGHT;
    }
    if (ar.IsStoring() || version >= 3) {
        ar.Value(keepLevel);
    } else {
        keepLevel = 0;
    }
    m_addr.Serialize(ar);
}

int32_t CRegisterGE::GetOrder() const {
    if (m_format.inputAllowed == 0) {
        return 0xFFFF;
    }
    return m_order == 0xFFFF ? 1 : m_order;
}

PanelRect CRegisterGE::ComputedRect(FontEngine* fonts) const {
    return TextSizedRect(TextElementSize(fonts, Sample(), m_sizeIndex, 1, kRegisterFace));
}

void CRegisterGE::RecalcSize(FontEngine* fonts) { SetSizeFrom(ComputedRect(fonts)); }

void CRegisterGE::SetFormat(const RegisterFormat& format, FontEngine* fonts) {
    m_format = format;
    RecalcSize(fonts);
}

void CRegisterGE::SetSizeIndex(int32_t index, FontEngine* fonts) {
    m_sizeIndex = index;
    RecalcSize(fonts);
}

uint32_t CRegisterGE::AttributeWord() const {
    const RegisterFormat& f = m_format;
    uint32_t word = 1;
    if (f.inputLimits != 0) {
        word += 2;
    }
    if (f.scaling != 0) {
        word += 2;
    }
    const uint32_t type = f.dataType == REG_PASSWORD ? 1u : static_cast<uint32_t>(f.dataType) & 0xF;
    word |= type << 8;
    word |= (f.scaling != 0 ? 1u : 0u) << 12;
    word |= (f.dataType == REG_PASSWORD ? 1u : 0u) << 13;
    word |= (f.inputAllowed != 0 ? 1u : 0u) << 14;
    word |= (m_reverse != 0 ? 1u : 0u) << 15;
    word |= (f.leadingZeros != 0 ? 1u : 0u) << 16;
    word |= (f.inputLimits != 0 ? 1u : 0u) << 17;
    word |= (f.dataWidth == REG_TWO_WORDS ? 1u : 0u) << 18;
    if (alignment == ALIGN_RIGHT) {
        word |= 1u << 20;
    } else if (alignment == ALIGN_CENTRE) {
        word |= 1u << 19;
    }
    word |= (keepLevel != 0 ? 1u : 0u) << 21;
    word |= static_cast<uint32_t>(CharactersShown(f) & 0xF) << 24;
    word |= static_cast<uint32_t>(f.decimalDigits & 0xF) << 28;
    return word;
}

void CRegisterGE::AppendLimitValue(Image& image, double value) const {
    if (m_format.dataType == REG_FLOAT || m_format.dataType == REG_DOUBLE) {
        const float single = static_cast<float>(value);
        uint32_t bits = 0;
        std::memcpy(&bits, &single, 4);
        AppendBytes(image, bits, 4);
        return;
    }
    // Truncated toward zero; values beyond 32 bits keep their low 32 bits
    // of the nearest representable value.
    const double clamped = std::isnan(value) ? 0.0 : std::clamp(std::trunc(value), -2147483648.0, 4294967295.0);
    AppendBytes(image, static_cast<uint32_t>(static_cast<int64_t>(clamped)), 4);
}

void CRegisterGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePositionRecord(context, ComputedRect(context.fontEngine));
    AppendBytes(image, 1, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 1, 2);
    m_addr.Compile(image, context.portProtocols, context.sink);
    AppendBytes(image, 4, 4);
    const size_t tableField = image.size();
    AppendBytes(image, 0, 4);
    AppendBytes(image, AttributeWord(), 4);
    if (m_format.inputLimits != 0) {
        AppendLimitValue(image, inputUpper);
        AppendLimitValue(image, inputLower);
    }
    if (m_format.scaling != 0) {
        AppendLimitValue(image, scaleUpper);
        AppendLimitValue(image, scaleLower);
    }
    AppendBytes(image, static_cast<uint32_t>(passwordLevel) * 1024 + 1, 4);

    const int pixelSize = PixelSizeOfIndex(m_sizeIndex);
    const char* characters = CharacterSetOf(m_format.dataType);
    const std::string keyFont = m_sizeIndex <= 2 ? std::string() : kRegisterFace;
    const std::string key = balsar::Format("REGISTER_TEXT_%s_%d_%s", characters, m_sizeIndex, keyFont.c_str());
    const uint32_t table =
        CompileTextList(context, key, characters, kRegisterFace, pixelSize, kRegisterFontMode, GetName());
    WriteAt(image, tableField, table, 4);
}

void CRegisterGE::Draw(PanelCanvas& canvas, FontEngine* fonts) const {
    DrawTextGlyphs(canvas, ComputedRect(fonts), m_reverse != 0, fonts, Sample(), kRegisterFace,
                   PixelSizeOfIndex(m_sizeIndex), kRegisterFontMode, m_doubleSize != 0 ? 2 : 1);
}

void CRegisterGE::XmlSave(CXmlNodeWrapper& parts) const {
    CGraphElement::XmlSave(parts);
    CXmlNodeWrapper part = parts.GetNode(parts.NumNodes() - 1);
    CXmlNodeWrapper trait = part.InsertNode(1, "Trait");
    trait.SetValue("Double", YesNo(m_doubleSize));
    trait.SetValue("Reverse", YesNo(m_reverse));
    trait.SetValue("FillZero", YesNo(m_format.leadingZeros));
    trait.SetValue("Setting", YesNo(m_format.inputAllowed));
    trait.SetValue("Grade", static_cast<int32_t>(passwordLevel));
    trait.SetValue("ShowBits", static_cast<int32_t>(m_format.integerDigits));
    trait.SetValue("FloatBits", static_cast<int32_t>(m_format.decimalDigits));
    part.InsertNode(2, "Reg");
    CXmlNodeWrapper limit = part.InsertNode(3, "Limit");
    // The legacy form names only the first two types.
    if (m_format.dataType >= 0 && m_format.dataType < 2) {
        limit.SetValue("Type", strings::kLegacyLimitTypes[m_format.dataType]);
    }
    limit.SetValueV("InputUpper", "%ld", static_cast<long>(inputUpper));
    limit.SetValueV("InputLower", "%ld", static_cast<long>(inputLower));
}

bool CRegisterGE::XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) {
    if (!CGraphElement::XmlLoad(part, sink)) {
        return false;
    }
    const CXmlNodeWrapper trait = part.FindNode("Trait");
    const CXmlNodeWrapper reg = part.FindNode("Reg");
    const CXmlNodeWrapper limit = part.FindNode("Limit");
    for (const auto& [node, name] : {std::pair{&trait, "Trait"}, {&reg, "Reg"}, {&limit, "Limit"}}) {
        if (!*node) {
            sink.Message(balsar::Format(strings::kRegisterMissingNode, name));
            return false;
        }
    }
    m_doubleSize = FlagAttribute(trait, "Double", "yes") ? 1 : 0;
    m_reverse = FlagAttribute(trait, "Reverse", "yes") ? 1 : 0;
    m_format.leadingZeros = FlagAttribute(trait, "FillZero", "yes") ? 1 : 0;
    m_format.inputAllowed = FlagAttribute(trait, "Limit", "yes") && FlagAttribute(trait, "Visible", "yes") &&
                                    FlagAttribute(trait, "Setting", "yes")
                                ? 1
                                : 0;
    passwordLevel = static_cast<uint8_t>(IntAttribute(trait, "Grade"));
    m_format.integerDigits = static_cast<uint8_t>(IntAttribute(trait, "ShowBits"));
    m_format.decimalDigits = static_cast<uint8_t>(IntAttribute(trait, "FloatBits"));
    const std::string type = limit.GetValue("Type");
    for (int i = 0; i < 2; ++i) {
        if (type == strings::kLegacyLimitTypes[i]) {
            m_format.dataType = i;
        }
    }
    inputUpper = IntAttribute(limit, "InputUpper");
    inputLower = IntAttribute(limit, "InputLower");
    // "PrjUpper" and "PrjLower" are not kept.
    return true;
}

} // namespace balsar
