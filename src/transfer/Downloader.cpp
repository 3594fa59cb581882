#include "transfer/Downloader.h"

#include "base/Text.h"
#include "transfer/TransferStrings.h"

namespace caldo {

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
    uint32_t version = 0;
    if (IsModel1(model)) {
        if ((kind == 1 || kind == 2) && package.ReadU32(68, version)) {
            return static_cast<uint16_t>(version);
        }
        return 0;
    }
    if (model == kPanelModel2) {
        if (kind == 2 && package.ReadU32(88, version)) {
            return static_cast<uint16_t>(version);
        }
        return 0;
    }
    Fail(text::kUnknownModel);
    return 0;
}

bool CDownloader::CheckProjectSize(uint16_t model, uint32_t g, uint32_t u, bool secondDriverPresent) {
    if (!IsKnownModel(model)) {
        Fail(text::kUnknownModel);
        return false;
    }
    return ProjectFits(model, g, u, secondDriverPresent);
}

bool CDownloader::UpdateGui() {
    CPanelConnection connection(m_clock, m_factory);
    if (!connection.Connect(m_options.link)) {
        Fail(text::kStartFailure);
        return false;
    }
    PanelInfo info;
    if (!connection.GetPanelInfo(info)) {
        connection.Close();
        Fail(text::kGetInfoFailed);
        return false;
    }
    if (info.mode == kPanelModeApplication) {
        if (!connection.EnterBootMode()) {
            connection.Close();
            Fail(text::kEnterBootFailed);
            return false;
        }
        if (!Reconnect(connection)) {
            return false;
        }
        if (!connection.GetPanelInfo(info)) {
            connection.Close();
            Fail(text::kGetInfoFailed);
            return false;
        }
    }
    CPackageFile package;
    if (!LoadPackage(package)) {
        connection.Close();
        return false;
    }
    uint32_t kind = 0;
    if (package.ReadKind(kind) != CPackageFile::Status::Ok) {
        connection.Close();
        Fail(text::kPackageDamaged);
        return false;
    }
    bool model2 = false;
    if (IsModel1(info.model)) {
        if (kind != 1 && kind != 2) {
            connection.Close();
            Fail(text::kPackageKindMismatch);
            return false;
        }
    } else if (info.model == kPanelModel2) {
        if (kind != 2) {
            connection.Close();
            Fail(text::kPackageKindMismatch);
            return false;
        }
        model2 = true;
    } else {
        connection.Close();
        Fail(text::kUnknownModel);
        return false;
    }
    if (package.Parse() != CPackageFile::Status::Ok) {
        connection.Close();
        Fail(text::kPackageDamaged);
        return false;
    }
    if (!connection.EnterDownloadMode()) {
        connection.Close();
        Fail(text::kEnterDownloadFailed);
        return false;
    }
    const RegionDescriptor& gui = model2 ? package.guiModel2() : package.guiModel1();
    const bool written = WriteRegion(connection, package, kRegionGui, gui);
    connection.Close();
    return written;
}

bool CDownloader::RunDownload() {
    CPanelConnection connection(m_clock, m_factory);
    auto fail = [&](const char* message) {
        connection.Close();
        if (message) {
            Fail(message);
        }
        return false;
    };
    if (!connection.Connect(m_options.link)) {
        return fail(text::kStartFailure);
    }
    PanelInfo info;
    if (!connection.GetPanelInfo(info)) {
        return fail(text::kGetInfoFailed);
    }
    if (!IsKnownModel(info.model)) {
        return fail(text::kUnknownModel);
    }

    const bool update = m_options.forceGuiUpdate || info.mode == 0 ||
                        NeedsGuiUpdate(false, info.mode, info.guiVersion, PackageGuiVersion(info.model));
    if (update) {
        connection.Close();
        if (!UpdateGui()) {
            return false;
        }
        if (!Reconnect(connection)) {
            return false;
        }
        if (!connection.GetPanelInfo(info)) {
            return fail(text::kGetInfoFailed);
        }
        // A panel still in its bootloader after the update cannot take the project.
        if (info.mode != kPanelModeApplication) {
            return fail(text::kNotBackInApplication);
        }
    }
    if (!connection.EnterDownloadMode()) {
        return fail(text::kEnterDownloadFailed);
    }

    CPackageFile package;
    if (!LoadPackage(package)) {
        return fail(nullptr);
    }
    switch (package.Parse()) {
    case CPackageFile::Status::Ok:
        break;
    case CPackageFile::Status::UnknownKind:
        return fail(text::kPackageKindMismatch);
    default:
        return fail(text::kPackageDamaged);
    }
    uint32_t guiLength = 0;
    if (package.kind() == 1 || IsModel1(info.model)) {
        guiLength = package.guiModel1().length;
    } else {
        guiLength = package.guiModel2().length;
    }
    const auto& sections = package.sections();
    const bool secondDriver = sections.size() > 1 && sections[1].length != 0;
    if (!CheckProjectSize(info.model, guiLength, package.userData().length, secondDriver)) {
        return fail(text::kProjectTooLarge);
    }

    if (!WriteRegion(connection, package, kRegionUserData, package.userData())) {
        return fail(nullptr);
    }
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].length == 0) {
            continue;
        }
        if (!WriteRegion(connection, package, i == 0 ? kRegionDriver0 : kRegionDriver1, sections[i])) {
            return fail(nullptr);
        }
    }
    // The panel may restart as soon as it takes this command, so a missing reply
    // does not undo a download whose regions were all verified.
    connection.FinishDownload();
    connection.Close();
    return true;
}

} // namespace caldo
