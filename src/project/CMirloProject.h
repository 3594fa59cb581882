#pragma once
// Everything configured for one panel: model, ports, languages, screens,
// settings, event list, data-transfer list and bitmap library.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Archivable.h"
#include "base/Archive.h"
#include "elements/CLangDefine.h"
#include "elements/CSingleColorBitmapLib.h"
#include "plc/CCommunication.h"
#include "plc/CPortCan.h"
#include "plc/CPortCom.h"
#include "project/CAlarmList.h"
#include "project/CHMIFrame.h"
#include "project/DataTransferList.h"
#include "project/EventList.h"
#include "project/GlobalSettings.h"

namespace balsar {

class CXmlNodeWrapper;
class MessageSink;

// Raised while loading a file whose minimum reader version is above ours.
class NewerFileError : public ArchiveError {
public:
    NewerFileError() : ArchiveError("file made by a newer version") {}
};

class CMirloProject : public Archivable {
    BALSAR_DECLARE_CLASS(CMirloProject)
public:
    static constexpr int32_t kFileVersion = 5;
    static constexpr int32_t kMinimumReaderVersion = 5;

    explicit CMirloProject(const LanguageDefaults& languages = {});
    ~CMirloProject() override;

    void Serialize(Archive& ar) override;

    // Stores the path; the name is the file name without its last extension
    // and the compile output path is <folder>/<name>.bin~.
    void SetProjectPath(const std::string& path);
    const std::string& GetProjectPath() const { return m_path; }
    const std::string& GetProjectName() const { return m_name; }
    const std::string& GetCompileOutputPath() const { return m_compileOutputPath; }
    // <folder>/image.
    std::string GetImageFolder() const;
    std::array<uint8_t, CCommunication::kBlockSize> GetCommunicationBlock() const { return m_communication.Block(); }

    CHMIFrame* FindScreen(uint16_t number) const;
    // Refused (0) when a screen with that number exists; the screen is then
    // destroyed.
    int AddScreen(std::unique_ptr<CHMIFrame> screen);
    // Removes and destroys the screen; 0 when it was not in the list.
    int RemoveScreen(const CHMIFrame* screen);
    CHMIFrame* NextScreen(const CHMIFrame* screen) const;
    CHMIFrame* PrevScreen(const CHMIFrame* screen) const;
    void SortScreens();
    // First unused number from 1 (from 65535 in system-screen mode), as a
    // 16-bit value.
    uint16_t NextFreeScreenNumber(bool systemScreenMode) const;
    const std::vector<std::unique_ptr<CHMIFrame>>& Screens() const { return m_screens; }

    // COM0..COM2; null for any other index.
    CPortCom* GetPort(int index);
    const CPortCom* GetPort(int index) const;
    CPortCan& GetCanPort() { return m_portCan; }
    const CPortCan& GetCanPort() const { return m_portCan; }
    // Exchanges every reference to ports a and b, then the two ports'
    // settings. False (with "Only can switch COM0~2") outside COM0..COM2.
    bool SwapPorts(int a, int b, MessageSink& sink);
    // Resets every address of the project and of every element that is
    // marked as lying on a changed port (CAddr::MarkIfPortChanged); the
    // others stay as they are.
    void ResetAllAddresses();

    // Legacy XML form.
    // pcComPort: the designer's PC serial port, written with the
    // communication record of a "MirloProject" node.
    void XmlSave(CXmlNodeWrapper& node, int pcComPort) const;
    // legacyPlc: the older catalogue's entry the file named, for the
    // communication record of a "MirloProject" node.
    bool XmlLoad(const CXmlNodeWrapper& node, MessageSink& sink, std::optional<int> legacyPlc,
                 const XmlElementFactory& factory);

    int32_t panelModelId = 0;
    int32_t showLabels = 1;
    CLangDefine languages;
    GlobalSettings settings;
    EventList eventList;
    DataTransferList dataTransfers;
    CSingleColorBitmapLib bitmapLibrary;
    CCommunication& Communication() { return m_communication; }
    // Filled only by the legacy XML import; not part of the project file.
    std::unique_ptr<CAlarmList> legacyAlarmList;

private:
    CCommunication m_communication;
    std::string m_name;
    std::string m_path;
    std::string m_compileOutputPath;
    std::array<CPortCom, 3> m_ports{CPortCom(0), CPortCom(1), CPortCom(2)};
    CPortCan m_portCan;
    std::vector<std::unique_ptr<CHMIFrame>> m_screens;
};

} // namespace balsar
