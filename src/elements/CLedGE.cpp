#include "elements/CLedGE.h"

#include "base/Archive.h"
#include "base/Text.h"
#include "elements/CompileContext.h"
#include "elements/ComponentArtwork.h"
#include "elements/ElementKinds.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CLedGE, 0, &CGraphElement::StaticClass())

CLedGE::CLedGE() : CopyableElement(KIND_LED) {
    SetSizeIndex(m_sizeIndex);
}

void CLedGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 1;
    ar.Value(version);
    for (int32_t* field : {&shape, &m_sizeIndex, &negativeLogic, &flash, &flashState, &period}) {
        ar.Value(*field);
    }
    m_addr.Serialize(ar);
}

void CLedGE::SetSizeIndex(int32_t index) {
    m_sizeIndex = index;
    const int size = PixelSizeOfIndex(index) * (m_doubleSize != 0 ? 2 : 1);
    m_width = size;
    m_height = size;
}

uint16_t CLedGE::Flags() const {
    uint16_t flags = 1;
    if (flash != 0) {
        flags |= 1u << 8;
    }
    if (negativeLogic != 0) {
        flags |= 1u << 9;
    }
    if (flashState == 1) {
        flags |= 1u << 10;
    }
    return flags;
}

std::string CLedGE::PictureFile(int state) const {
    return (artwork::LampFolder() / artwork::LampFileName(shape, state, PixelSizeOfIndex(m_sizeIndex)))
        .string();
}

void CLedGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    AppendBytes(image, 1, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 1, 2);
    m_addr.Compile(image, context.portProtocols, context.sink);
    AppendBytes(image, 1, 4);
    const size_t tableField = image.size();
    AppendBytes(image, 0, 4);
    AppendBytes(image, Flags(), 2);
    AppendBytes(image, static_cast<uint32_t>(period), 2);

    const std::string key = Format("LED_%d_%d", shape, m_sizeIndex);
    const uint32_t table = SharedRecord(context, RecordDictionary::TextTable, key, [&] {
        AppendOffsetTable(image, 2, [&](size_t state) {
            return CompileBitmapFile(context, PictureFile(static_cast<int>(state)));
        });
    });
    WriteAt(image, tableField, table, 4);
}

void CLedGE::Draw(PanelCanvas& canvas, FontEngine*) const {
    artwork::DrawPictureFile(canvas, PictureFile(negativeLogic != 0 ? 1 : 0), Rect());
}

} // namespace balsar
