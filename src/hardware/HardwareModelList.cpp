#include "hardware/HardwareModelList.h"

#include <algorithm>
#include <system_error>

#include "base/MessageSink.h"
#include "base/ProgramPaths.h"
#include "base/Text.h"
#include "base/Utf.h"
#include "hardware/HardwareModel.h"
#include "hardware/HardwareStrings.h"
#include "xml/CXmlDocumentWrapper.h"
#include "xml/XmlConvert.h"

namespace balsar {

namespace fs = std::filesystem;

HardwareModelList::HardwareModelList(fs::path folder) : m_folder(std::move(folder)) {}

HardwareModelList HardwareModelList::ForProgram() { return HardwareModelList(LibraryFolder() / "hardware"); }

void HardwareModelList::EnsureLoaded(MessageSink& sink) {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    std::vector<fs::path> files;
    std::error_code error;
    fs::directory_iterator it(m_folder, error);
    if (!error) {
        for (const fs::directory_entry& entry : it) {
            std::error_code typeError;
            if (entry.is_regular_file(typeError) && AsciiUpper(entry.path().extension().string()) == ".CFG") {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        CXmlDocumentWrapper document;
        if (!document.Load(file)) {
            sink.Message(Format(texts::kHardwareErrorLoadXml, file.string().c_str()));
            continue;
        }
        const CXmlNodeWrapper root = document.RootElement();
        m_entries.push_back({IntAttribute(root, "id"), file, root.GetValue("discription")});
    }
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.id < b.id; });
}

void HardwareModelList::ModelDescriptions(std::vector<std::string>& out) const {
    for (const Entry& entry : m_entries) {
        out.push_back(entry.description);
    }
}

bool HardwareModelList::LoadModelByIndex(HardwareModel& model, int index, MessageSink& sink) const {
    if (index < 0 || static_cast<size_t>(index) >= m_entries.size()) {
        return false;
    }
    return model.Load(m_entries[static_cast<size_t>(index)].path, sink);
}

int HardwareModelList::IndexOfId(int32_t id) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool HardwareModelList::LoadModelById(HardwareModel& model, int32_t id, MessageSink& sink) const {
    return LoadModelByIndex(model, IndexOfId(id), sink);
}

} // namespace balsar
