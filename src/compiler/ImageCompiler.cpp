#include "compiler/ImageCompiler.h"

#include <algorithm>

#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "elements/ElementStrings.h"
#include "elements/FindingStrings.h"
#include "elements/Languages.h"
#include "project/CMirloProject.h"

namespace balsar {

std::vector<std::string> FallbackFaces(const CMirloProject& project, FontEngine* fonts) {
    std::vector<std::string> faces;
    const auto add = [&faces](const std::string& face) {
        if (!face.empty() && std::find(faces.begin(), faces.end(), face) == faces.end()) {
            faces.push_back(face);
        }
    };
    for (int i = 0; i < project.languages.Count(); ++i) {
        add(DefaultFontOfLanguage(fonts, project.languages.GetLangID(i)));
    }
    add(strings::kDefaultFace);
    add(strings::kFallbackFace);
    return faces;
}

ImageCompiler::ImageCompiler(const CMirloProject& project, Image& image, const CompileInputs& inputs)
    : m_project(project), m_context(image, inputs.sink, inputs.panelWidth, inputs.panelHeight) {
    m_context.portProtocols = inputs.portProtocols;
    m_context.fontEngine = inputs.fontEngine;
    m_context.findings = inputs.findings;
    m_context.fallbackFaces = FallbackFaces(project, inputs.fontEngine);
    m_context.bitmapLibrary = &project.bitmapLibrary;
    m_trendChannels.BuildChannels(project.Screens(), inputs.portProtocols);
    m_context.trendChannels = &m_trendChannels;
    image.clear();
}

void ImageCompiler::Compile() {
    Image& image = m_context.image;
    image.clear();
    static const uint8_t kMagic[6] = {'Z', 'e', 'm', 'B', 'r', 'a'};
    AppendBytes(image, kMagic, sizeof kMagic);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 0, 1);
    AppendBytes(image, 1, 4);
    AppendRepeated(image, 0, 4, 2);
    AppendBytes(image, kHeaderSize, 4);
    AppendRepeated(image, 0, 4, kSectionCount);

    for (int k = 0; k < static_cast<int>(kSectionCount); ++k) {
        PadTo4(image);
        const size_t start = image.size();
        WriteSection(k);
        if (image.size() > start) {
            WriteAt(image, kHeaderSize + 4 * static_cast<size_t>(k), static_cast<uint32_t>(start), 4);
        }
    }
    WriteAt(image, 12, static_cast<uint32_t>(image.size()), 4);
    WriteAt(image, 16, Checksum(image), 4);
}

uint32_t ImageCompiler::Checksum(const Image& image) {
    uint32_t sum = 0;
    for (size_t i = kHeaderSize; i < image.size(); ++i) {
        sum += image[i];
    }
    return sum;
}

void ImageCompiler::WriteSection(int index) {
    m_context.place = FindingPlace::OfListItem(strings::kListSettings, 0);
    switch (index) {
    case SECTION_SETTINGS:
        m_project.settings.Compile(m_context);
        break;
    case SECTION_PORTS:
        WritePortBlock();
        break;
    case SECTION_SCREENS:
        WriteScreenBlock();
        break;
    case SECTION_TRENDS:
        m_trendChannels.BuildChannels(m_project.Screens(), m_context.portProtocols, &m_context.sink);
        m_trendChannels.WriteChannels(m_context.image);
        break;
    case SECTION_EVENTS:
        m_project.eventList.Compile(m_context, m_project);
        break;
    case SECTION_DATA_TRANSFER:
        m_project.dataTransfers.Compile(m_context);
        break;
    default:
        // Section 2 is never written.
        break;
    }
}

void ImageCompiler::WritePortBlock() {
    Image& image = m_context.image;
    uint32_t inUse = 0;
    for (int i = 0; i < 3; ++i) {
        inUse += m_project.GetPort(i)->enabled != 0 ? 1 : 0;
    }
    inUse += m_project.GetCanPort().enabled != 0 ? 1 : 0;
    AppendBytes(image, inUse, 4);
    size_t slot = image.size();
    const size_t slotsEnd = slot + 4 * inUse;
    AppendRepeated(image, 0, 4, inUse);
    for (int i = 0; i < 3; ++i) {
        const size_t start = image.size();
        m_project.GetPort(i)->Compile(image, m_context.sink);
        if (image.size() > start && slot < slotsEnd) {
            WriteAt(image, slot, static_cast<uint32_t>(start), 4);
            slot += 4;
        }
    }
    // The CAN port has no compiled record.
}

void ImageCompiler::WriteScreenBlock() {
    Image& image = m_context.image;
    const auto& screens = m_project.Screens();
    AppendBytes(image, static_cast<uint32_t>(screens.size()), 4);
    size_t slot = image.size();
    AppendRepeated(image, 0, 4, screens.size());
    for (const auto& screen : screens) {
        WriteAt(image, slot, static_cast<uint32_t>(image.size()), 4);
        slot += 4;
        screen->Compile(m_context);
    }
}

Image CompileProject(const CMirloProject& project, const CompileInputs& inputs) {
    Image image;
    ImageCompiler compiler(project, image, inputs);
    compiler.Compile();
    return image;
}

bool WriteCompileOutput(const std::string& path, const Image& image, MessageSink& sink) {
    std::string error;
    if (!WriteFileAtomically(path, image, error)) {
        sink.Message("Create Compile File Failed!");
        return false;
    }
    return true;
}

} // namespace balsar
