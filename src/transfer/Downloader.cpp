#include "transfer/Downloader.h"

#include "base/Text.h"
#include "transfer/TransferStrings.h"

namespace caldo {

namespace {

// The GUI region of a package that a panel model takes, by package kind.
enum class GuiRegion { Model1, Model2, WrongKind, UnknownModel };

GuiRegion GuiRegionFor(uint16_t model, uint32_t kind) {
    if (IsModel1(model)) {
        return kind == 1 || kind == 2 ? GuiRegion::Model1 : GuiRegion::WrongKind;
    }
    if (model == kPanelModel2) {
        return kind == 2 ? GuiRegion::Model2 : GuiRegion::WrongKind;
    }
    return GuiRegion::UnknownModel;
}

} // namespace

bool IsModel1(uint16_t model) {
    return model == kPanelModel1 || model == kPanelModel1Alias;
}

bool IsKnownModel(uint16_t model) {
    return IsModel1(model) || model == kPanelModel2;
}

bool NeedsGuiUpdate(bool force, uint8_t mode, uint16_t panelGuiVersion, uint16_t packageGuiVersion) {
    const bool skip = !force && mode != 0 && panelGuiVersion >= packageGuiVersion;
    return !skip;
}

bool ProjectFits(uint16_t model, uint32_t g, uint32_t u, bool secondDriverPresent) {
    const int64_t needed = static_cast<int64_t>(u) + 16;
    if (IsModel1(model)) {
        const int64_t gui = g;
        const int64_t reservation = 1024 * ((gui + 256) / 1024 + (gui % 1024 > 0 ? 1 : 0));
        const int64_t limit = 100352 - reservation + (secondDriverPresent ? 0 : 6144);
        return needed <= limit;
    }
    if (model == kPanelModel2) {
        return needed <= 131072;
    }
    return false;
}

const char* RegionName(uint8_t type) {
    switch (type) {
    case kRegionGui:
        return text::kRegionGui;
    case kRegionUserData:
        return text::kRegionUserData;
    case kRegionDriver0:
        return text::kRegionDriver0;
    case kRegionDriver1:
        return text::kRegionDriver1;
    default:
        return nullptr;
    }
}

uint32_t BlockCount(uint32_t length, uint32_t payload) {
    if (payload == 0) {
        return 0;
    }
    return length / payload + (length % payload ? 1 : 0);
}

CDownloader::CDownloader(DownloadOptions options, ProgressView& progress, balsar::MessageSink& messages,
                         Clock& clock, LinkFactory factory)
    : m_options(std::move(options)), m_progress(progress), m_messages(messages), m_clock(clock),
      m_factory(std::move(factory)) {}

bool CDownloader::LoadPackage(CPackageFile& package) {
    switch (package.Load(m_options.packagePath)) {
    case CPackageFile::Status::Ok:
        return true;
    case CPackageFile::Status::CannotOpen:
        Fail(text::kOpenFileFailed);
        return false;
    default:
        Fail(text::kPackageDamaged);
        return false;
    }
}

bool CDownloader::WriteRegion(CPanelConnection& connection, const CPackageFile& package, uint8_t type,
                              const RegionDescriptor& region) {
    const int maxPacket = connection.MaxPacketSize();
    if (maxPacket <= 8) {
        return false;
    }
    const uint32_t payload = static_cast<uint32_t>(maxPacket - 8);
    const uint32_t blocks = BlockCount(region.length, payload);
    const std::span<const uint8_t> data = package.RegionData(region);
    const char* name = RegionName(type);
    // Block counts and indexes travel as 16-bit values; the data must be all there.
    if (blocks > 0xFFFF || data.size() != region.length) {
        Fail(text::kPackageDamaged);
        return false;
    }
    m_progress.SetCaption(text::kEraseCaption);
    if (!connection.EraseRegion(type, static_cast<uint16_t>(blocks), region.length, region.checksum,
                                static_cast<uint16_t>(region.version))) {
        Fail(text::kEraseFailed);
        return false;
    }
    if (!name) {
        return false;
    }
    m_progress.SetPos(0);
    m_progress.SetCaption(std::string(text::kDownloadWord) + name + ":");
    m_progress.SetRange(0, static_cast<int>(blocks));
    size_t done = 0;
    for (uint32_t index = 0; done < data.size(); ++index) {
        const size_t n = std::min<size_t>(payload, data.size() - done);
        if (!connection.WriteBlock(static_cast<uint16_t>(index), data.subspan(done, n))) {
            Fail(balsar::Format(text::kWriteBlockFailedFmt, name));
            return false;
        }
        m_progress.StepIt();
        done += n;
    }
    if (!connection.VerifyRegion()) {
        m_progress.SetCaption(text::kVerifyErrorCaption);
        Fail(balsar::Format(text::kBurnFailedFmt, name));
        return false;
    }
    m_progress.SetPos(0);
    m_progress.SetCaption(balsar::Format(text::kBurnDoneFmt, name));
    return true;
}

bool CDownloader::Reconnect(CPanelConnection& connection) {
    m_progress.SetCaption(text::kConnectingCaption);
    m_progress.Repaint();
    m_clock.Sleep(kRestartWait);
    for (int attempt = 0; attempt < kReconnectAttempts; ++attempt) {
        if (connection.Connect(m_options.link)) {
            return true;
        }
        m_progress.SetCaption(text::kConnectingCaption);
        m_clock.Sleep(kReconnectPause);
        m_progress.Repaint();
    }
    Fail(text::kReconnectFailed);
    return false;
}

uint16_t CDownloader::PackageGuiVersion(uint16_t model) {
    CPackageFile package;
    if (package.Load(m_options.packagePath) == CPackageFile::Status::CannotOpen) {
        Fail(text::kOpenFileFailed);
        return 0;
    }
    uint32_t kind = 0;
    if (package.ReadKind(kind) != CPackageFile::Status::Ok) {
        return 0;
    }
    size_t descriptor = 0;
    switch (GuiRegionFor(model, kind)) {
    case GuiRegion::Model1:
        descriptor = kGuiModel1DescriptorOffset;
        break;
    case GuiRegion::Model2:
        descriptor = kGuiModel2DescriptorOffset;
        break;
    case GuiRegion::WrongKind:
        return 0;
    case GuiRegion::UnknownModel:
        Fail(text::kUnknownModel);
        return 0;
    }
    uint32_t version = 0;
    if (!package.ReadU32(descriptor + kDescriptorVersionField, version)) {
        return 0;
    }
    return static_cast<uint16_t>(version);
}

bool CDownloader::CheckProjectSize(uint16_t model, uint32_t g, uint32_t u, bool secondDriverPresent) {
    if (!IsKnownModel(model)) {
        Fail(text::kUnknownModel);
        return false;
    }
    return ProjectFits(model, g, u, secondDriverPresent);
}

bool CDownloader::UpdateGui() {
    return OnOwnConnection(&CDownloader::UpdateGuiSteps);
}

bool CDownloader::RunDownload() {
    return OnOwnConnection(&CDownloader::DownloadSteps);
}

bool CDownloader::OnOwnConnection(Outcome (CDownloader::*steps)(CPanelConnection&)) {
    Outcome outcome;
    {
        CPanelConnection connection(m_clock, m_factory);
        outcome = (this->*steps)(connection);
    } // the connection closes its link here, on every path
    if (outcome.message) {
        Fail(outcome.message);
    }
    return outcome.ok;
}

CDownloader::Outcome CDownloader::ConnectAndReadInfo(CPanelConnection& connection, PanelInfo& info) {
    if (!connection.Connect(m_options.link)) {
        return Failed(text::kStartFailure);
    }
    if (!connection.GetPanelInfo(info)) {
        return Failed(text::kGetInfoFailed);
    }
    return {};
}

CDownloader::Outcome CDownloader::ReconnectAndReadInfo(CPanelConnection& connection, PanelInfo& info) {
    if (!Reconnect(connection)) {
        return Failed(); // Reconnect has told the user
    }
    if (!connection.GetPanelInfo(info)) {
        return Failed(text::kGetInfoFailed);
    }
    return {};
}

CDownloader::Outcome CDownloader::UpdateGuiSteps(CPanelConnection& connection) {
    PanelInfo info;
    if (const Outcome started = ConnectAndReadInfo(connection, info); !started.ok) {
        return started;
    }
    if (info.mode == kPanelModeApplication) {
        if (!connection.EnterBootMode()) {
            return Failed(text::kEnterBootFailed);
        }
        if (const Outcome restarted = ReconnectAndReadInfo(connection, info); !restarted.ok) {
            return restarted;
        }
    }
    CPackageFile package;
    if (!LoadPackage(package)) {
        return Failed();
    }
    uint32_t kind = 0;
    if (package.ReadKind(kind) != CPackageFile::Status::Ok) {
        return Failed(text::kPackageDamaged);
    }
    const GuiRegion gui = GuiRegionFor(info.model, kind);
    if (gui == GuiRegion::WrongKind) {
        return Failed(text::kPackageKindMismatch);
    }
    if (gui == GuiRegion::UnknownModel) {
        return Failed(text::kUnknownModel);
    }
    if (package.Parse() != CPackageFile::Status::Ok) {
        return Failed(text::kPackageDamaged);
    }
    if (!connection.EnterDownloadMode()) {
        return Failed(text::kEnterDownloadFailed);
    }
    const RegionDescriptor& region = gui == GuiRegion::Model2 ? package.GuiModel2() : package.GuiModel1();
    return WriteRegion(connection, package, kRegionGui, region) ? Outcome{} : Failed();
}

CDownloader::Outcome CDownloader::DownloadSteps(CPanelConnection& connection) {
    PanelInfo info;
    if (const Outcome started = ConnectAndReadInfo(connection, info); !started.ok) {
        return started;
    }
    if (!IsKnownModel(info.model)) {
        return Failed(text::kUnknownModel);
    }
    const bool update = m_options.forceGuiUpdate || info.mode == 0 ||
                        NeedsGuiUpdate(false, info.mode, info.guiVersion, PackageGuiVersion(info.model));
    if (update) {
        // The GUI update talks to the panel over a connection of its own.
        connection.Close();
        if (!UpdateGui()) {
            return Failed();
        }
        if (const Outcome restarted = ReconnectAndReadInfo(connection, info); !restarted.ok) {
            return restarted;
        }
        // A panel still in its bootloader after the update cannot take the project.
        if (info.mode != kPanelModeApplication) {
            return Failed(text::kNotBackInApplication);
        }
    }
    if (!connection.EnterDownloadMode()) {
        return Failed(text::kEnterDownloadFailed);
    }

    CPackageFile package;
    if (!LoadPackage(package)) {
        return Failed();
    }
    switch (package.Parse()) {
    case CPackageFile::Status::Ok:
        break;
    case CPackageFile::Status::UnknownKind:
        return Failed(text::kPackageKindMismatch);
    default:
        return Failed(text::kPackageDamaged);
    }
    const uint32_t guiLength =
        package.Kind() == 1 || IsModel1(info.model) ? package.GuiModel1().length : package.GuiModel2().length;
    const auto& sections = package.Sections();
    const bool secondDriver = sections.size() > 1 && sections[1].length != 0;
    if (!CheckProjectSize(info.model, guiLength, package.UserData().length, secondDriver)) {
        return Failed(text::kProjectTooLarge);
    }

    if (!WriteRegion(connection, package, kRegionUserData, package.UserData())) {
        return Failed();
    }
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].length != 0 &&
            !WriteRegion(connection, package, i == 0 ? kRegionDriver0 : kRegionDriver1, sections[i])) {
            return Failed();
        }
    }
    // The panel may restart as soon as it takes this command, so a missing reply
    // does not undo a download whose regions were all verified.
    connection.FinishDownload();
    return {};
}

} // namespace caldo
