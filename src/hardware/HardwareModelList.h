#pragma once
// The list of panel models: one entry per model file of the hardware
// folder, in ascending model ID. Built on first use and kept until exit.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace balsar {

class HardwareModel;
class MessageSink;

class HardwareModelList {
public:
    struct Entry {
        int32_t id = 0;
        std::filesystem::path path;
        std::string description;
    };

    // folder: the folder of the model files (normally lib/hardware).
    explicit HardwareModelList(std::filesystem::path folder);
    static HardwareModelList ForProgram();

    // Builds the list the first time; unreadable files are reported with
    // "Error Load XML: %s" and left out.
    void EnsureLoaded(MessageSink& sink);
    const std::vector<Entry>& Entries() const { return m_entries; }
    // The description texts in list order.
    void ModelDescriptions(std::vector<std::string>& out) const;
    // Loads an entry's file into a model. False (model unchanged) for an
    // index out of range or a file that fails.
    bool LoadModelByIndex(HardwareModel& model, int index, MessageSink& sink) const;
    // Loads the first entry with that ID. False (model unchanged) when none.
    bool LoadModelById(HardwareModel& model, int32_t id, MessageSink& sink) const;
    // The position of the first entry with that ID; -1 when none.
    int IndexOfId(int32_t id) const;
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    bool m_loaded = false;
    std::vector<Entry> m_entries;
};

} // namespace balsar
