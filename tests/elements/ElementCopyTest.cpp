// Copies of elements, as property pages, undo and the copy-screen command
// make them: every stored field travels except the ID and the order, and
// what belongs to where the element lives (its project's bitmap library,
// the handle being dragged) stays put.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "base/Archive.h"
#include "elements/CAsciiGE.h"
#include "elements/CBarGE.h"
#include "elements/CDynamicText.h"
#include "elements/CEventListGE.h"
#include "elements/CFunckeyGE.h"
#include "elements/CLedGE.h"
#include "elements/CPictureGE.h"
#include "elements/CRegisterGE.h"
#include "elements/CSingleColorBitmapLib.h"
#include "elements/CStaticText.h"
#include "elements/CTrendBufferGE.h"
#include "elements/CTrendGE.h"
#include "elements/ElementKinds.h"

namespace balsar {
namespace {

std::vector<uint8_t> Stored(CGraphElement& element) {
    Archive out;
    element.Serialize(out);
    return out.Data();
}

// One element of every kind, each with fields away from their defaults.
std::vector<std::unique_ptr<CGraphElement>> EveryKindEdited() {
    std::vector<std::unique_ptr<CGraphElement>> all;
    auto led = std::make_unique<CLedGE>();
    led->shape = CLedGE::SHAPE_SQUARE;
    led->flash = 1;
    led->period = 7;
    led->Address().address = 12;
    all.push_back(std::move(led));

    auto key = std::make_unique<CFunckeyGE>();
    key->SetKeyCode(3);
    key->SetFunction(CFunckeyGE::FUNCTION_WORD);
    key->SetKeepLevel(1);
    key->extraC = 9;
    key->Jump().targetScreen = 4;
    key->Bit().mode = CBitSet::BIT_INVERT;
    key->Word().limit = 77;
    all.push_back(std::move(key));

    auto text = std::make_unique<CStaticText>();
    text->SetText("Hello", nullptr);
    text->SetFont("F", nullptr);
    text->ChangeDotMatrix(1, nullptr);
    all.push_back(std::move(text));

    auto dynamic = std::make_unique<CDynamicText>();
    dynamic->Row(3)->SetValue("2");
    dynamic->Row(3)->SetText("Run");
    dynamic->SetAlignment(CDynamicText::ALIGN_CENTRE, nullptr);
    all.push_back(std::move(dynamic));

    auto reg = std::make_unique<CRegisterGE>();
    reg->inputUpper = 500.0;
    reg->keepLevel = 1;
    reg->passwordLevel = 2;
    all.push_back(std::move(reg));

    auto bar = std::make_unique<CBarGE>();
    bar->ChangeDirection(CBarGE::DIR_LEFT);
    bar->Scale().fullScale = 900;
    all.push_back(std::move(bar));

    auto trend = std::make_unique<CTrendGE>();
    trend->pointCount = 40;
    trend->sampling = 3;
    all.push_back(std::move(trend));

    auto picture = std::make_unique<CPictureGE>();
    picture->bitmapId = 6;
    picture->compress = 0;
    picture->leftFill = 1;
    picture->threshold = 90;
    picture->sourcePixels = {0x00FFFFFF, 0};
    all.push_back(std::move(picture));

    auto buffer = std::make_unique<CTrendBufferGE>();
    buffer->bufferId = 3;
    buffer->upperLimit = 1000;
    all.push_back(std::move(buffer));

    auto ascii = std::make_unique<CAsciiGE>();
    ascii->SetCharCount(5);
    all.push_back(std::move(ascii));

    auto list = std::make_unique<CEventListGE>();
    list->showDate = 1;
    list->timeFormat = CEventListGE::TIME_HMS;
    all.push_back(std::move(list));

    for (auto& element : all) {
        element->SetNumber(7);
        element->SetOrder(3);
        element->SetTopLeft(5, 6);
        element->SetReverse(1);
        element->SetDoubleSizeFlag(1);
    }
    return all;
}

TEST(ElementCopy, CloneAndCopyFromCarryEveryStoredFieldButIdAndOrder) {
    auto sources = EveryKindEdited();
    ASSERT_EQ(sources.size(), 11u);
    for (auto& source : sources) {
        SCOPED_TRACE(source->GetName());
        const std::unique_ptr<CGraphElement> copy = source->Clone();
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->GetKind(), source->GetKind());
        EXPECT_EQ(copy->GetID(), 0xFFFF);
        EXPECT_EQ(copy->GetName(), source->GetName());
        copy->SetID(source->GetID());
        copy->SetOrder(3);
        EXPECT_EQ(Stored(*copy), Stored(*source));

        // Into a default element of the kind already placed on a screen:
        // its ID and order stay, everything else becomes the source's.
        std::unique_ptr<Archivable> created = source->GetRuntimeClass().create();
        auto* placed = dynamic_cast<CGraphElement*>(created.get());
        ASSERT_NE(placed, nullptr);
        placed->SetID(9);
        placed->SetOrder(4);
        placed->CopyFrom(*source);
        copy->SetID(9);
        copy->SetOrder(4);
        EXPECT_EQ(Stored(*placed), Stored(*copy));
    }
}

TEST(ElementCopy, AnotherKindGivesOnlyTheCommonAttributes) {
    CStaticText text;
    text.SetText("AB", nullptr);
    text.SetID(2);
    CRegisterGE reg;
    reg.SetName("R");
    reg.SetTopLeft(30, 40);
    reg.inputUpper = 5.0;
    text.CopyFrom(reg);
    EXPECT_EQ(text.GetName(), "R");
    EXPECT_EQ(text.GetLeft(), 30);
    EXPECT_EQ(text.GetKind(), KIND_REGISTER); // the kind code travels with the common attributes
    EXPECT_EQ(text.GetText(), "AB");
    EXPECT_EQ(text.GetID(), 2);
}

TEST(ElementCopy, PictureKeepsItsOwnProjectsLibrary) {
    CSingleColorBitmapLib mine;
    CSingleColorBitmapLib other;
    CPictureGE source;
    source.SetLibrary(&other);
    source.bitmapId = 2;

    // A fresh clone lives beside its source and draws from the same library.
    EXPECT_EQ(static_cast<CPictureGE&>(*source.Clone()).Library(), &other);

    // Contents copied into a picture of another project leave it pointing
    // into its own project.
    CPictureGE placed;
    placed.SetLibrary(&mine);
    placed.CopyFrom(source);
    EXPECT_EQ(placed.Library(), &mine);
    EXPECT_EQ(placed.bitmapId, 2);
}

TEST(ElementCopy, HandleBeingDraggedIsNotCopied) {
    CBarGE bar;
    bar.SetTopLeft(10, 10);
    bar.SetWidth(20);
    bar.SetHeight(20);
    ASSERT_EQ(bar.HitHandle(20, 10), HANDLE_TOP);
    EXPECT_EQ(bar.Clone()->GetHandle(), HANDLE_NONE);

    CBarGE other;
    bar.CopyFrom(other);
    EXPECT_EQ(bar.GetHandle(), HANDLE_TOP);
}

} // namespace
} // namespace balsar
