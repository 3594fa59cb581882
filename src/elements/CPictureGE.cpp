#include "elements/CPictureGE.h"

#include <filesystem>
#include <system_error>

#include "base/Archive.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "base/Text.h"
#include "elements/BmpColours.h"
#include "elements/CSingleColorBitmapLib.h"
#include "elements/CompileContext.h"
#include "elements/ElementArchiveContext.h"
#include "elements/ElementKinds.h"
#include "elements/GraphKindStrings.h"
#include "elements/ImageRecords.h"
#include "elements/PanelCanvas.h"
#include "xml/CXmlNodeWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

BALSAR_IMPLEMENT_CLASS(CPictureGE, 0, &CGraphElement::StaticClass())

namespace {

bool ReadSourceColours(const std::string& path, std::vector<uint32_t>& pixels) {
    std::vector<uint8_t> file;
    std::string error;
    BmpColours colours;
    if (!ReadFileBytes(path, file, error) || !ReadBmpColours(file, colours)) {
        pixels.clear();
        return false;
    }
    pixels = std::move(colours.pixels);
    return true;
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

CPictureGE::CPictureGE() : CopyableElement(KIND_PICTURE) {}

void CPictureGE::Serialize(Archive& ar) {
    CGraphElement::Serialize(ar);
    auto* context = dynamic_cast<ElementArchiveContext*>(ar.Context());
    CSingleColorBitmapLib* library = context != nullptr ? context->bitmapLibrary : nullptr;
    const bool wholeProject = context != nullptr && context->wholeProject;

    int32_t version = kVersion;
    ar.Value(version);
    ar.Value(compress);
    ar.Value(threshold);
    ar.Value(thresholdMaximum);
    ar.Value(thresholdMinimum);
    ar.Value(leftFill);
    ar.String(m_fileName);
    ar.String(m_sourcePath);

    uint32_t byteCount = static_cast<uint32_t>(sourcePixels.size() * 4);
    ar.Value(byteCount);
    if (ar.IsStoring()) {
        for (uint32_t colour : sourcePixels) {
            ar.Value(colour);
        }
    } else {
        if (byteCount > ar.Remaining()) {
            throw ArchiveError("picture colours beyond the end of the data");
        }
        std::vector<uint8_t> bytes(byteCount);
        ar.Bytes(bytes.data(), bytes.size());
        sourcePixels.assign(byteCount / 4, 0);
        for (size_t i = 0; i < sourcePixels.size(); ++i) {
            sourcePixels[i] = static_cast<uint32_t>(bytes[4 * i]) | static_cast<uint32_t>(bytes[4 * i + 1]) << 8 |
                              static_cast<uint32_t>(bytes[4 * i + 2]) << 16 |
                              static_cast<uint32_t>(bytes[4 * i + 3]) << 24;
        }
        if (library != nullptr) {
            m_library.Set(library);
        }
    }

    if (version >= 2) {
        ar.Value(bitmapId);
        if (wholeProject) {
            if (ar.IsStoring() && library != nullptr) {
                library->MarkUsed(bitmapId);
            }
        } else {
            SerializeLibraryEntry(ar, library);
        }
    } else {
        // The bitmap comes from the source file; a file that cannot be read
        // leaves the picture without an entry.
        const int32_t id = library != nullptr ? library->LoadFromFile(m_sourcePath) : 0;
        bitmapId = id > 0 ? id : 0;
    }
}

void CPictureGE::SerializeLibraryEntry(Archive& ar, CSingleColorBitmapLib* library) {
    if (ar.IsStoring()) {
        const CSingleColorBitmapLib* source = library != nullptr ? library : m_library.Get();
        const CSingleColorBitmapLibItem* item = source != nullptr ? source->FindItem(bitmapId) : nullptr;
        // A picture without an entry sends an empty one.
        CSingleColorBitmapLibItem entry;
        if (item != nullptr) {
            entry.id = item->id;
            entry.useCount = item->useCount;
            entry.width = item->width;
            entry.height = item->height;
            entry.data = item->data;
        }
        entry.Serialize(ar);
        return;
    }
    auto entry = std::make_unique<CSingleColorBitmapLibItem>();
    entry->Serialize(ar);
    if (!entry->IsConsistent()) {
        bitmapId = 0;
    } else if (library != nullptr) {
        entry->useCount = 0;
        bitmapId = library->AddItem(std::move(entry));
    }
}

void CPictureGE::Compile(CompileContext& context) const {
    Image& image = context.image;
    CompilePosition(context);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 2);
    AppendBytes(image, 1, 4);
    const size_t objectField = image.size();
    AppendBytes(image, 0, 4);
    WriteAt(image, objectField, CompilePictureLibObjForDspPrm(context), 4);
}

uint32_t CPictureGE::CompilePictureLibObjForDspPrm(CompileContext& context) const {
    const std::string key = Format("PICTURE_%d", static_cast<int>(bitmapId));
    const CSingleColorBitmapLib* library =
        context.bitmapLibrary != nullptr ? context.bitmapLibrary : m_library.Get();
    return SharedRecord(context, RecordDictionary::Glyph, key, [&] {
        AppendLinkRecord(context.image, 1, [&] {
            return library != nullptr ? library->CompileBitmapLibItem(context, bitmapId) : 0u;
        });
    });
}

void CPictureGE::Draw(PanelCanvas& canvas, FontEngine*) const {
    // The compiled picture record has no reverse flag: the panel shows the
    // picture as it is, so the canvas does too. The stored flag is kept.
    const PanelRect rect = Rect();
    canvas.Fill(rect, false);
    if (m_library.Get() != nullptr) {
        m_library.Get()->DrawItem(bitmapId, canvas, rect, true);
    }
}

void CPictureGE::XmlSave(CXmlNodeWrapper& parts) const {
    CGraphElement::XmlSave(parts);
    CXmlNodeWrapper part = parts.GetNode(parts.NumNodes() - 1);
    CXmlNodeWrapper trait = part.InsertNode(1, "Trait");
    trait.SetValue("Compress", YesNo(compress));
    trait.SetValue("Reverse", YesNo(m_reverse));
    trait.SetValue("Critical", threshold);
    trait.SetValue("LeftFill", leftFill);
    CXmlNodeWrapper url = part.InsertNode(2, "URL");
    url.SetText("%s", m_fileName.c_str());
}

bool CPictureGE::XmlLoad(const CXmlNodeWrapper& part, MessageSink& sink) {
    if (!CGraphElement::XmlLoad(part, sink)) {
        return false;
    }
    const CXmlNodeWrapper trait = part.FindNode("Trait");
    const CXmlNodeWrapper url = part.FindNode("URL");
    if (!trait || !url) {
        return false;
    }
    compress = FlagAttribute(trait, "Compress", "yes") ? 1 : 0;
    m_reverse = FlagAttribute(trait, "Reverse", "yes") ? 1 : 0;
    threshold = IntAttribute(trait, "Critical");
    leftFill = IntAttribute(trait, "LeftFill");
    m_fileName = url.GetText();
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    m_sourcePath = (folder / "image" / m_fileName).string();
    if (!ReadSourceColours(m_sourcePath, sourcePixels)) {
        sink.Message(std::string(strings::kLoadPictureFailed) + "(" + m_fileName + ")" + "!", MessageKind::Error,
                     strings::kErrorCaption);
    }
    return true;
}

bool CPictureGE::SetSourceFile(const std::string& path) {
    m_sourcePath = path;
    m_fileName = FileNameOf(path);
    return ReadSourceColours(path, sourcePixels);
}

bool CPictureGE::CopySourceToImageFolder(const std::string& imageFolder) const {
    namespace fs = std::filesystem;
    if (m_fileName.empty()) {
        return false;
    }
    std::error_code error;
    const fs::path target = fs::path(imageFolder) / m_fileName;
    if (fs::exists(target, error)) {
        // The source itself, or a file of that name kept as it is.
        return true;
    }
    fs::create_directories(imageFolder, error);
    return fs::copy_file(m_sourcePath, target, error) && !error;
}

PicturePlacement PlacePictureFromFile(const std::string& path, CSingleColorBitmapLib& library, int screenWidth,
                                      int screenHeight) {
    PicturePlacement placement;
    const int32_t id = library.LoadFromFile(path);
    if (id == CSingleColorBitmapLib::kNotMonochrome) {
        placement.message = strings::kOnlyMonochromeBitmaps;
        return placement;
    }
    if (id <= 0) {
        placement.message = strings::kLoadPictureFailed;
        return placement;
    }
    if (library.Width(id) > screenWidth || library.Height(id) > screenHeight) {
        placement.message = strings::kPictureTooLarge;
        return placement;
    }
    auto picture = std::make_unique<CPictureGE>();
    picture->SetWidth(library.Width(id));
    picture->SetHeight(library.Height(id));
    picture->bitmapId = id;
    picture->SetSourceFile(path);
    picture->SetLibrary(&library);
    placement.picture = std::move(picture);
    return placement;
}

bool ReplacePictureBitmap(CPictureGE& picture, const std::string& path, CSingleColorBitmapLib& library,
                          int screenWidth, int screenHeight, std::string& message) {
    PicturePlacement placement = PlacePictureFromFile(path, library, screenWidth, screenHeight);
    if (placement.picture == nullptr) {
        message = placement.message;
        return false;
    }
    const CPictureGE& chosen = *placement.picture;
    picture.bitmapId = chosen.bitmapId;
    picture.sourcePixels = chosen.sourcePixels;
    picture.SetSourceNames(chosen.SourcePath(), chosen.FileName());
    picture.SetLibrary(&library);
    picture.SetWidth(chosen.GetWidth());
    picture.SetHeight(chosen.GetHeight());
    picture.SetTopLeft(std::min(picture.GetLeft(), screenWidth - chosen.GetWidth()),
                       std::min(picture.GetTop(), screenHeight - chosen.GetHeight()));
    return true;
}

PicturePageLimits PictureLimits(const CGraphElement& picture, int screenWidth, int screenHeight) {
    const int min = CPictureGE::kMinPageSize;
    return PicturePageLimits{PageRange{0, screenWidth - picture.GetWidth()},
                             PageRange{0, screenHeight - picture.GetHeight()},
                             PageRange{min, screenWidth - picture.GetLeft()},
                             PageRange{min, screenHeight - picture.GetTop()}};
}

} // namespace balsar
