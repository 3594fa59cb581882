#include "projecttext/ElementFields.h"

#include <stdexcept>
#include <string>

#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CStaticText.h"
#include "elements/CTrendBufferGE.h"
#include "elements/CTrendGE.h"
#include "elements/ElementRegistry.h"

namespace balsar {

namespace {

// Setters of text elements resize the element from its text; no fonts are
// given, and the stored size is put back after the kind's fields anyway.
constexpr FontEngine* kNoFonts = nullptr;

void LampFields(JsonIo& io, CLedGE& lamp) {
    io.Field("shape", lamp.shape);
    io.Property("sizeIndex", lamp.GetSizeIndex(), [&](int32_t v) { lamp.SetSizeIndex(v); });
    io.Field("negativeLogic", lamp.negativeLogic);
    io.Field("flash", lamp.flash);
    io.Field("flashState", lamp.flashState);
    io.Field("period", lamp.period);
    AddressObject(io, "address", lamp.Address());
}

void KeyFields(JsonIo& io, CFunckeyGE& key) {
    io.Field("extraC", key.extraC);
    io.Field("extraD", key.extraD);
    io.Property("keyCode", key.GetKeyCode(), [&](int32_t v) { key.SetKeyCode(v); });
    io.Property("function", key.GetFunction(), [&](int32_t v) { key.SetFunction(v); });
    io.Property("sizeIndex", key.GetSizeIndex(), [&](int32_t v) { key.SetSizeIndex(v); });
    io.Property("passwordLevel", key.GetPasswordLevel(), [&](int32_t v) { key.SetPasswordLevel(v); });
    io.Property("hand", key.GetHand(), [&](int32_t v) { key.SetHand(v); });
    io.Property("hidden", key.GetHidden(), [&](int32_t v) { key.SetHidden(v); });
    io.Property("keepLevel", key.GetKeepLevel(), [&](int32_t v) { key.SetKeepLevel(v); });
    AddressObject(io, "address", key.Address());
    io.Object("jump", [&](JsonIo& jump) {
        jump.Field("kind", key.Jump().kind);
        jump.Field("targetScreen", key.Jump().targetScreen);
    });
    io.Object("bit", [&](JsonIo& bit) { bit.Field("mode", key.Bit().mode); });
    io.Object("word", [&](JsonIo& word) {
        CWordSet& set = key.Word();
        word.Field("mode", set.mode);
        word.Field("value", set.value);
        word.Field("limit", set.limit);
        word.Field("delay", set.delay);
        word.Field("speed", set.speed);
        word.Field("immediate", set.immediate);
    });
}

void StaticTextFields(JsonIo& io, CStaticText& text) {
    io.Property("text", text.GetText(), [&](const std::string& v) { text.SetText(v, kNoFonts); });
    io.Property("sizeIndex", text.GetSizeIndex(), [&](int32_t v) { text.SetSizeIndex(v, kNoFonts); });
    io.Property("language", text.GetLanguage(), [&](int32_t v) { text.SetLanguage(v, kNoFonts); });
    io.Property("font", text.GetFont(), [&](const std::string& v) { text.SetFont(v, kNoFonts); });
    io.Property("dotMatrix", text.GetDotMatrix(), [&](int32_t v) { text.ChangeDotMatrix(v, kNoFonts); });
}

bool IsDefaultRow(const CTextItem& row) { return row == CTextItem(); }

// Only the rows that differ from an empty row are listed, by row number.
void StateRows(JsonIo& io, CDynamicText& text) {
    std::vector<int> listed;
    if (io.IsWriting()) {
        for (int row = 1; row <= CDynamicText::kRowCount; ++row) {
            if (!IsDefaultRow(*text.Row(row))) {
                listed.push_back(row);
            }
        }
    }
    std::vector<bool> seen(CDynamicText::kRowCount + 1, false);
    io.Array("rows", listed.size(), [&](JsonIo& entry, size_t i) {
        int32_t number = io.IsWriting() ? listed[i] : 0;
        entry.Field("row", number);
        CTextItem* row = text.Row(number);
        if (row == nullptr) {
            entry.Fail("row", "expected a row number from 1 to " + std::to_string(CDynamicText::kRowCount));
        }
        if (entry.IsReading() && seen[static_cast<size_t>(number)]) {
            entry.Fail("row", "row " + std::to_string(number) + " is listed twice");
        }
        seen[static_cast<size_t>(number)] = true;
        entry.Property("base", row->GetBase(), [&](int32_t v) { row->SetBase(v); });
        // An empty value empties the text, so the text comes second.
        entry.Property("value", row->GetValue(), [&](const std::string& v) { row->SetValue(v); });
        entry.Property("text", row->GetText(), [&](const std::string& v) { row->SetText(v); });
    });
}

void DynamicTextFields(JsonIo& io, CDynamicText& text) {
    io.Property("sizeIndex", text.GetSizeIndex(), [&](int32_t v) { text.SetSizeIndex(v, kNoFonts); });
    io.Property("language", text.GetLanguage(), [&](int32_t v) { text.SetLanguage(v, kNoFonts); });
    io.Property("font", text.GetFont(), [&](const std::string& v) { text.SetFont(v, kNoFonts); });
    io.Property("alignment", text.GetAlignment(), [&](int32_t v) { text.SetAlignment(v, kNoFonts); });
    io.Property("dotMatrix", text.GetDotMatrix(), [&](int32_t v) { text.ChangeDotMatrix(v, kNoFonts); });
    StateRows(io, text);
    AddressObject(io, "address", text.Address());
}

void RegisterFields(JsonIo& io, CRegisterGE& reg) {
    RegisterFormat format = reg.GetFormat();
    io.Field("dataType", format.dataType);
    io.Field("dataWidth", format.dataWidth);
    io.Field("integerDigits", format.integerDigits);
    io.Field("decimalDigits", format.decimalDigits);
    io.Field("leadingZeros", format.leadingZeros);
    io.Field("inputAllowed", format.inputAllowed);
    io.Field("inputLimits", format.inputLimits);
    io.Field("scaling", format.scaling);
    if (io.IsReading()) {
        reg.SetFormat(format, kNoFonts);
    }
    io.Property("sizeIndex", reg.GetSizeIndex(), [&](int32_t v) { reg.SetSizeIndex(v, kNoFonts); });
    io.Field("passwordLevel", reg.passwordLevel);
    io.Field("inputUpper", reg.inputUpper);
    io.Field("inputLower", reg.inputLower);
    io.Field("scaleUpper", reg.scaleUpper);
    io.Field("scaleLower", reg.scaleLower);
    io.Field("alignment", reg.alignment);
    io.Field("keepLevel", reg.keepLevel);
    AddressObject(io, "address", reg.Address());
}

void ScaleFields(JsonIo& io, GraphScale& scale) {
    io.Field("dataType", scale.dataType);
    io.Field("dataWidth", scale.dataWidth);
    io.Field("fullScale", scale.fullScale);
    io.Field("zeroScale", scale.zeroScale);
}

void BarFields(JsonIo& io, CBarGE& bar) {
    ScaleFields(io, bar.Scale());
    io.Property("direction", bar.GetDirection(), [&](int32_t v) { bar.ChangeDirection(v); });
    AddressObject(io, "address", bar.Address());
}

void TrendFields(JsonIo& io, CTrendGE& trend) {
    ScaleFields(io, trend.Scale());
    io.Field("pointCount", trend.pointCount);
    io.Field("sampling", trend.sampling);
    AddressObject(io, "address", trend.Address());
}

void PictureFields(JsonIo& io, CPictureGE& picture) {
    io.Field("compress", picture.compress);
    io.Field("threshold", picture.threshold);
    io.Field("thresholdMaximum", picture.thresholdMaximum);
    io.Field("thresholdMinimum", picture.thresholdMinimum);
    io.Field("leftFill", picture.leftFill);
    std::string fileName = picture.FileName();
    std::string sourcePath = picture.SourcePath();
    io.Field("fileName", fileName);
    io.Field("sourcePath", sourcePath);
    io.HexWords("sourceColours", picture.sourcePixels);
    io.Field("bitmapId", picture.bitmapId);
    if (io.IsReading()) {
        picture.SetSourceNames(sourcePath, fileName);
        if (const auto* context = dynamic_cast<ElementReadContext*>(io.Context())) {
            picture.SetLibrary(context->bitmapLibrary);
        }
    }
}

void TrendBufferFields(JsonIo& io, CTrendBufferGE& buffer) {
    io.Field("reserved", buffer.reserved);
    io.Field("bufferId", buffer.bufferId);
    io.Field("plotCount", buffer.plotCount);
    io.Field("dataMode", buffer.dataMode);
    io.Field("samplingTime", buffer.samplingTime);
    io.Field("lowerLimit", buffer.lowerLimit);
    io.Field("upperLimit", buffer.upperLimit);
    auto* context = dynamic_cast<ElementReadContext*>(io.Context());
    io.Object("address", [&](JsonIo& fields) {
        LegacyAddressFields(fields, buffer.Address(), context != nullptr ? &context->legacyTypes : nullptr);
    });
}

void AsciiFields(JsonIo& io, CAsciiGE& ascii) {
    io.Property("charCount", ascii.GetCharCount(), [&](int32_t v) { ascii.SetCharCount(v); });
    io.Property("sizeIndex", ascii.GetSizeIndex(), [&](int32_t v) { ascii.SetSizeIndex(v); });
    AddressObject(io, "address", ascii.Address());
}

void EventListFields(JsonIo& io, CEventListGE& list) {
    io.Field("showNumber", list.showNumber);
    io.Field("showDate", list.showDate);
    io.Field("dateOrder", list.dateOrder);
    io.Field("dateSeparator", list.dateSeparator);
    io.Field("fourDigitYear", list.fourDigitYear);
    io.Field("noLeadingZeros", list.noLeadingZeros);
    io.Field("showTime", list.showTime);
    io.Field("timeFormat", list.timeFormat);
}

using KindFields = void (*)(JsonIo&, CGraphElement&);

// The kind's fields, looked up by the element's exact class, so the cast
// below always meets the class it names.
template <class Kind, void (*Fields)(JsonIo&, Kind&)> void Adapt(JsonIo& io, CGraphElement& element) {
    Fields(io, static_cast<Kind&>(element));
}

struct KindText {
    const ClassInfo* info;
    KindFields fields;
};

const KindText kKindTexts[] = {
    {&CLedGE::StaticClass(), Adapt<CLedGE, LampFields>},
    {&CFunckeyGE::StaticClass(), Adapt<CFunckeyGE, KeyFields>},
    {&CStaticText::StaticClass(), Adapt<CStaticText, StaticTextFields>},
    {&CDynamicText::StaticClass(), Adapt<CDynamicText, DynamicTextFields>},
    {&CRegisterGE::StaticClass(), Adapt<CRegisterGE, RegisterFields>},
    {&CBarGE::StaticClass(), Adapt<CBarGE, BarFields>},
    {&CTrendGE::StaticClass(), Adapt<CTrendGE, TrendFields>},
    {&CPictureGE::StaticClass(), Adapt<CPictureGE, PictureFields>},
    {&CTrendBufferGE::StaticClass(), Adapt<CTrendBufferGE, TrendBufferFields>},
    {&CAsciiGE::StaticClass(), Adapt<CAsciiGE, AsciiFields>},
    {&CEventListGE::StaticClass(), Adapt<CEventListGE, EventListFields>},
};

const KindText* FindKindText(std::string_view className) {
    for (const KindText& kind : kKindTexts) {
        if (kind.info->name == className) {
            return &kind;
        }
    }
    return nullptr;
}

bool IsRegisteredElement(std::string_view className) {
    for (const ElementClass& element : ElementClasses()) {
        if (element.info->name == className) {
            return true;
        }
    }
    return false;
}

} // namespace

bool HasElementText(std::string_view className) { return FindKindText(className) != nullptr; }

std::unique_ptr<CGraphElement> CreateElement(JsonIo& io) {
    std::string className;
    io.Field("class", className);
    const KindText* kind = FindKindText(className);
    if (kind == nullptr || !IsRegisteredElement(className)) {
        io.Fail("class", "unknown element class \"" + className + "\"");
    }
    std::unique_ptr<Archivable> object = kind->info->create();
    return std::unique_ptr<CGraphElement>(static_cast<CGraphElement*>(object.release()));
}

void ElementFields(JsonIo& io, CGraphElement& element) {
    const std::string_view className = element.GetRuntimeClass().name;
    const KindText* kind = FindKindText(className);
    if (kind == nullptr) {
        // A kind added to the registry without a text form.
        throw std::logic_error("no text form for element class " + std::string(className));
    }
    if (io.IsWriting()) {
        std::string name(className);
        io.Field("class", name);
    }
    int32_t kindCode = element.GetKind();
    uint16_t id = element.GetID();
    std::string name = element.GetName();
    int32_t left = element.GetLeft();
    int32_t top = element.GetTop();
    int32_t width = element.GetWidth();
    int32_t height = element.GetHeight();
    int32_t doubleSize = element.GetDoubleSize();
    int32_t reverse = element.GetReverse();
    int32_t extraA = element.GetExtraA();
    int32_t extraB = element.GetExtraB();
    int32_t order = element.StoredOrder();
    io.Field("kind", kindCode);
    io.Field("id", id);
    io.Field("name", name);
    io.Field("left", left);
    io.Field("top", top);
    io.Field("width", width);
    io.Field("height", height);
    io.Field("doubleSize", doubleSize);
    io.Field("reverse", reverse);
    io.Field("extraA", extraA);
    io.Field("extraB", extraB);
    io.Field("order", order);
    kind->fields(io, element);
    if (io.IsReading()) {
        // Last, so that nothing the kind's setters derived stays.
        element.SetKindCode(kindCode);
        element.SetID(id);
        element.SetName(name);
        element.SetLeft(left);
        element.SetTop(top);
        element.SetWidth(width);
        element.SetHeight(height);
        element.SetDoubleSizeFlag(doubleSize);
        element.SetReverse(reverse);
        element.SetExtraA(extraA);
        element.SetExtraB(extraB);
        element.SetOrder(order);
    }
}

} // namespace balsar
