#include "transfer/Downloader.h"

#include "base/Text.h"
#include "transfer/LinkCheck.h"
#include "transfer/RegionNames.h"
#include "transfer/TransferStrings.h"

namespace caldo {

std::string PanelStateText(PanelState state) {
    switch (state) {
    case PanelState::Untouched:
        return text::kStateUntouched;
    case PanelState::Unknown:
        return text::kStateUnknown;
    case PanelState::BootIntact:
        return text::kStateBootIntact;
    case PanelState::BootNoGui:
        return text::kStateBootNoGui;
    case PanelState::GuiNoAnswer:
        return text::kStateGuiNoAnswer;
    case PanelState::AppIntact:
        return text::kStateAppIntact;
    case PanelState::AppIncomplete:
        return text::kStateAppIncomplete;
    case PanelState::DownloadNoAnswer:
        return text::kStateDownloadNoAnswer;
    case PanelState::Done:
        break;
    }
    return {};
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

bool CDownloader::RunDownload() {
    m_state = PanelState::Untouched;
    m_panelAnswered = false;
    m_downloadModeSent = false;
    m_projectErased = false;
    m_bytesWritten = 0;
    Outcome outcome;
    std::string settingsProblem;
    if (!PrepareLinkSettings(m_options.link, settingsProblem)) {
        outcome = Failed(settingsProblem);
    } else {
        CPackageFile package;
        outcome = LoadPackage(package);
        if (outcome.ok) {
            CPanelConnection connection(m_clock, m_factory);
            outcome = Session(connection, package);
            if (!outcome.ok) {
                EndSession(connection);
            }
        } // the connection closes its link here, before any message
    }
    if (outcome.ok) {
        m_state = PanelState::Done;
        return true;
    }
    // Where the panel is matters once it was reached or its mode was touched.
    if (m_panelAnswered || m_state != PanelState::Untouched) {
        outcome.message += '\n';
        outcome.message += PanelStateText(m_state);
    }
    m_messages.Message(outcome.message, balsar::MessageKind::Error);
    return false;
}

std::string CDownloader::WithLink(const char* message) const {
    return std::string(message) + "\n" + DescribeLink(m_options.link);
}

CDownloader::Outcome CDownloader::LoadPackage(CPackageFile& package) {
    const std::string path = m_options.packagePath.string();
    CPackageFile::Status status = package.Load(m_options.packagePath);
    if (status == CPackageFile::Status::Ok) {
        status = package.Parse();
    }
    switch (status) {
    case CPackageFile::Status::Ok:
        return {};
    case CPackageFile::Status::CannotOpen:
        return Failed(std::string(text::kOpenFileFailed) + "\n" + path);
    case CPackageFile::Status::UnknownKind:
        return Failed(std::string(text::kPackageKindMismatch) + "\n" + path);
    default:
        return Failed(std::string(text::kPackageDamaged) + "\n" + path);
    }
}

CDownloader::Outcome CDownloader::Session(CPanelConnection& connection, const CPackageFile& package) {
    if (!connection.Connect(m_options.link)) {
        return Failed(WithLink(text::kStartFailure));
    }
    PanelInfo info;
    if (!connection.GetPanelInfo(info)) {
        return Failed(WithLink(text::kGetInfoFailed));
    }
    m_panelAnswered = true;
    m_progress.ShowPanel(info);
    DownloadPlan plan;
    std::string refusal;
    const PlanOptions planOptions{m_options.forceGuiUpdate, m_options.allowPlaceholder};
    if (!PlanDownload(package, info, planOptions, plan, refusal)) {
        return Failed(refusal);
    }
    if (!RegionsFitLink(connection, package, plan)) {
        return Failed(std::string(text::kPackageDamaged) + "\n" + m_options.packagePath.string());
    }
    if (plan.updateGui) {
        if (Outcome updated = UpdateGui(connection, package, plan, info); !updated.ok) {
            return updated;
        }
    }
    return WriteProject(connection, package);
}

bool CDownloader::RegionsFitLink(const CPanelConnection& connection, const CPackageFile& package,
                                 const DownloadPlan& plan) const {
    const int maxPacket = connection.MaxPacketSize();
    if (maxPacket <= 8) {
        return false;
    }
    const uint32_t payload = static_cast<uint32_t>(maxPacket - 8);
    auto fits = [payload](const RegionDescriptor& region) { return BlockCount(region.length, payload) <= 0xFFFF; };
    if (plan.updateGui && !fits(plan.gui)) {
        return false;
    }
    if (!fits(package.UserData())) {
        return false;
    }
    for (const RegionDescriptor& section : package.Sections()) {
        if (!fits(section)) {
            return false;
        }
    }
    return true;
}

CDownloader::Outcome CDownloader::UpdateGui(CPanelConnection& connection, const CPackageFile& package,
                                            const DownloadPlan& plan, PanelInfo& info) {
    if (info.mode == kPanelModeApplication) {
        m_state = PanelState::Unknown;
        if (!connection.EnterBootMode()) {
            return Failed(text::kEnterBootFailed);
        }
        m_state = PanelState::BootIntact;
        if (!Reconnect(connection, info)) {
            return Failed(WithLink(text::kReconnectFailed));
        }
        m_progress.ShowPanel(info);
        if (info.mode == kPanelModeApplication) {
            m_state = PanelState::Untouched;
            return Failed(text::kNotInBootloader);
        }
    } else {
        m_state = PanelState::BootIntact;
    }
    m_downloadModeSent = true;
    if (!connection.EnterDownloadMode()) {
        return Failed(text::kEnterDownloadFailed);
    }
    if (Outcome written = WriteRegion(connection, package, kRegionGui, plan.gui); !written.ok) {
        return written;
    }
    // The verified GUI program starts by itself once the link is closed.
    m_downloadModeSent = false;
    m_state = PanelState::GuiNoAnswer;
    connection.Close();
    if (!Reconnect(connection, info)) {
        return Failed(WithLink(text::kReconnectFailed));
    }
    m_progress.ShowPanel(info);
    if (info.mode != kPanelModeApplication) {
        m_state = PanelState::BootIntact;
        return Failed(text::kNotBackInApplication);
    }
    m_state = PanelState::AppIntact;
    return {};
}

CDownloader::Outcome CDownloader::WriteProject(CPanelConnection& connection, const CPackageFile& package) {
    m_downloadModeSent = true;
    if (!connection.EnterDownloadMode()) {
        return Failed(text::kEnterDownloadFailed);
    }
    if (Outcome written = WriteRegion(connection, package, kRegionUserData, package.UserData()); !written.ok) {
        return written;
    }
    const auto& sections = package.Sections();
    for (size_t i = 0; i < sections.size(); ++i) {
        if (sections[i].length == 0) {
            continue;
        }
        const uint8_t type = i == 0 ? kRegionDriver0 : kRegionDriver1;
        if (Outcome written = WriteRegion(connection, package, type, sections[i]); !written.ok) {
            return written;
        }
    }
    // The panel may restart as soon as it takes this command, so a missing reply
    // does not undo a download whose regions were all verified.
    connection.FinishDownload();
    m_downloadModeSent = false;
    return {};
}

CDownloader::Outcome CDownloader::WriteRegion(CPanelConnection& connection, const CPackageFile& package,
                                              uint8_t type, const RegionDescriptor& region) {
    const uint32_t payload = static_cast<uint32_t>(connection.MaxPacketSize() - 8);
    const uint32_t blocks = BlockCount(region.length, payload);
    const std::span<const uint8_t> data = package.RegionData(region);
    const char* name = RegionName(type);
    m_progress.SetCaption(text::kEraseCaption);
    if (type == kRegionGui) {
        m_state = PanelState::BootNoGui;
    } else {
        m_projectErased = true;
    }
    if (!connection.EraseRegion(type, static_cast<uint16_t>(blocks), region.length, region.checksum,
                                static_cast<uint16_t>(region.version))) {
        return Failed(text::kEraseFailed);
    }
    m_progress.SetPos(0);
    m_progress.SetCaption(balsar::Format(text::kDownloadCaptionFmt, name));
    m_progress.SetRange(0, static_cast<int>(blocks));
    size_t done = 0;
    for (uint32_t index = 0; done < data.size(); ++index) {
        const size_t n = std::min<size_t>(payload, data.size() - done);
        if (!connection.WriteBlock(static_cast<uint16_t>(index), data.subspan(done, n))) {
            return Failed(balsar::Format(text::kWriteBlockFailedFmt, name));
        }
        m_bytesWritten += n;
        m_progress.StepIt();
        done += n;
    }
    if (!connection.VerifyRegion()) {
        m_progress.SetCaption(text::kVerifyErrorCaption);
        return Failed(balsar::Format(text::kBurnFailedFmt, name));
    }
    m_progress.SetPos(0);
    m_progress.SetCaption(balsar::Format(text::kBurnDoneFmt, name));
    return {};
}

void CDownloader::EndSession(CPanelConnection& connection) {
    if (!m_downloadModeSent) {
        return;
    }
    m_downloadModeSent = false;
    const bool finished = connection.Connected() && connection.FinishDownload();
    if (m_state == PanelState::BootIntact || m_state == PanelState::BootNoGui) {
        return; // the bootloader stays; the GUI program decides the state
    }
    if (!finished) {
        m_state = PanelState::DownloadNoAnswer;
    } else {
        m_state = m_projectErased ? PanelState::AppIncomplete : PanelState::AppIntact;
    }
}

bool CDownloader::Reconnect(CPanelConnection& connection, PanelInfo& info) {
    const Deadline deadline(m_clock, kRestartWait + kReconnectAttempts * kReconnectPause);
    m_progress.SetCaption(text::kConnectingCaption);
    m_progress.Repaint();
    m_clock.Sleep(kRestartWait);
    for (int attempt = 0; attempt < kReconnectAttempts; ++attempt) {
        if (connection.Connect(m_options.link) && connection.GetPanelInfo(info)) {
            return true;
        }
        if (deadline.Expired()) {
            break;
        }
        m_progress.SetCaption(text::kConnectingCaption);
        m_clock.Sleep(kReconnectPause);
        m_progress.Repaint();
    }
    connection.Close();
    return false;
}

} // namespace caldo
