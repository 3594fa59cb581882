#include "elements/CFunckeyGE.h"

#include "base/Archive.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "elements/CompileContext.h"
#include "elements/ComponentArtwork.h"
#include "elements/ElementKinds.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"
#include "elements/TextAttributes.h"
#include "hardware/HardwareModel.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CFunckeyGE, 0, &CGraphElement::StaticClass())

CFunckeyGE::CFunckeyGE() : CopyableElement(KIND_FUNCKEY) {
    RecalcSize();
}

void CFunckeyGE::TakeFirstKey(const std::vector<HardwareKey>& keys) {
    SetKeyCode(keys.empty() ? kNoKey : keys.front().code);
}

void CFunckeyGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    int32_t version = 2;
    ar.Value(version);
    for (int32_t* field :
         {&extraD, &extraC, &m_keyCode, &m_function, &m_sizeIndex, &m_passwordLevel, &m_hand, &m_hidden}) {
        ar.Value(*field);
    }
    if (ar.IsStoring() || version >= 2) {
        ar.Value(m_keepLevel);
    } else {
        m_keepLevel = 0;
    }
    m_addr.Serialize(ar);
    m_jump.Serialize(ar);
    m_bit.Serialize(ar);
    m_word.Serialize(ar);
}

int32_t CFunckeyGE::GetOrder() const {
    if (m_keyCode == kNoKey) {
        return 0xFFFF;
    }
    return m_order == 0xFFFF ? 1 : m_order;
}

void CFunckeyGE::SetKeyCode(int32_t code) {
    m_keyCode = code;
    RecalcSize();
}

void CFunckeyGE::SetSizeIndex(int32_t index) {
    m_sizeIndex = index;
    RecalcSize();
}

void CFunckeyGE::SetHand(int32_t flag) {
    m_hand = flag;
    RecalcSize();
}

void CFunckeyGE::RecalcSize() {
    if (m_keyCode == kBareKey) {
        return;
    }
    const int factor = m_doubleSize != 0 ? 2 : 1;
    const int size = PixelSizeOfIndex(m_sizeIndex);
    m_height = size * factor;
    m_width = size * (m_hand != 0 ? 2 : 1) * factor;
}

bool CFunckeyGE::WritesAddress() const {
    return m_keyCode != kBareKey && (m_function == FUNCTION_BIT || m_function == FUNCTION_WORD);
}

std::vector<uint32_t> CFunckeyGE::FunctionBlock() const {
    if (m_keyCode == kBareKey) {
        return {0xF001};
    }
    uint32_t code = 0;
    int words = 1;
    uint32_t firstValue = 0;
    switch (m_function) {
    case FUNCTION_BIT:
        code = m_bit.FunctionCode();
        break;
    case FUNCTION_WORD:
        code = m_word.FunctionCode();
        words = CWordSet::BlockWords(m_word.mode);
        firstValue = static_cast<uint32_t>(m_word.value);
        break;
    default:
        code = m_jump.FunctionCode();
        if (m_jump.kind == CJumpFrame::JUMP_TO_SCREEN) {
            words = 2;
        } else if (m_jump.kind >= CJumpFrame::JUMP_BACK && m_jump.kind <= CJumpFrame::JUMP_ALARM_LIST) {
            words = 1;
        } else {
            words = 5;
        }
        firstValue = m_jump.targetScreen;
        break;
    }
    uint32_t first =
        static_cast<uint32_t>(words) | code << 8 | (static_cast<uint32_t>(m_keyCode) & 0x3F) << 16;
    if (m_reverse != 0) {
        first |= 1u << 22;
    }
    if (m_function == FUNCTION_WORD && m_word.immediate != 0) {
        first |= 1u << 23;
    }
    if (m_keepLevel != 0) {
        first |= 1u << 24;
    }
    std::vector<uint32_t> block{first};
    for (int i = 1; i < words; ++i) {
        block.push_back(i == 1 ? firstValue : m_word.ValueWord(i - 1));
    }
    return block;
}

std::string CFunckeyGE::CompiledKeyFile() const {
    return artwork::KeyFileName(m_keyCode, artwork::KEY_NORMAL, PixelSizeOfIndex(m_sizeIndex));
}

std::string CFunckeyGE::CompiledHandFile() const {
    return m_hand != 0 ? artwork::HandFileName(0, PixelSizeOfIndex(m_sizeIndex)) : std::string();
}

uint32_t CFunckeyGE::PictureTable(CompileContext& context) const {
    const std::string keyFile = CompiledKeyFile();
    const std::string handFile = CompiledHandFile();
    const std::string tableKey = Format("FUNCKEY_IMAGE_%s_%s", keyFile.c_str(), handFile.c_str());
    const std::string pictureKey =
        Format("FUNC_KEY_IMAGE_FILE_%s_%s", AsciiUpper(keyFile).c_str(), handFile.c_str());
    Image& image = context.image;
    // A list of one text whose characters are the hand and the key as glyphs.
    const auto glyphs = [&] {
        std::vector<std::string> files;
        if (!handFile.empty()) {
            files.push_back(handFile);
        }
        files.push_back(keyFile);
        AppendOffsetTable(image, files.size(), [&](size_t i) {
            return CompileBitmapFileAsChar(context, (artwork::KeyFolder() / files[i]).string());
        });
    };
    const auto text = [&] {
        AppendLinkRecord(
            image, 6, [&] { return SharedRecord(context, RecordDictionary::TextTable, pictureKey, glyphs); });
    };
    return SharedRecord(context, RecordDictionary::TextTable, tableKey, [&] {
        AppendLinkRecord(image, 1,
                         [&] { return SharedRecord(context, RecordDictionary::Glyph, pictureKey, text); });
    });
}

void CFunckeyGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    const bool writes = WritesAddress();
    AppendBytes(image, writes ? 1 : 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, writes ? 2 : 0, 2);
    if (writes) {
        m_addr.Compile(image, context.portProtocols, context.sink);
    }
    const bool active = IsActive();
    AppendBytes(image, active ? 4 : 0, 4);
    size_t tableField = 0;
    if (active) {
        tableField = image.size();
        AppendBytes(image, 0, 4);
    }
    for (const uint32_t word : FunctionBlock()) {
        AppendBytes(image, word, 4);
    }
    AppendBytes(image, static_cast<uint32_t>(m_passwordLevel) * 1024 + 1, 4);
    if (active && m_hidden == 0) {
        WriteAt(image, tableField, PictureTable(context), 4);
    }
}

void CFunckeyGE::Draw(PanelCanvas& canvas, FontEngine*) const {
    if (ShowsOutline()) {
        return;
    }
    const int size = PixelSizeOfIndex(m_sizeIndex);
    const int keyVariant =
        m_hidden != 0 ? artwork::KEY_HIDDEN : (m_reverse != 0 ? artwork::KEY_REVERSE : artwork::KEY_NORMAL);
    const auto keyPath = artwork::KeyFolder() / artwork::KeyFileName(m_keyCode, keyVariant, size);
    PanelRect keyRect = Rect();
    if (m_hand != 0) {
        PanelRect handRect = keyRect;
        handRect.right = keyRect.left + (keyRect.right - keyRect.left) / 2;
        keyRect.left = handRect.right;
        const int handVariant = m_reverse != 0 ? 1 : 0;
        artwork::DrawPictureFile(canvas, artwork::KeyFolder() / artwork::HandFileName(handVariant, size),
                                 handRect);
    }
    artwork::DrawPictureFile(canvas, keyPath, keyRect);
}

} // namespace balsar
