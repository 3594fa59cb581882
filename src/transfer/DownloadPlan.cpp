#include "transfer/DownloadPlan.h"

#include "base/Text.h"
#include "transfer/Placeholder.h"
#include "transfer/RegionNames.h"
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

// The first region about to be written that holds a placeholder program, by
// its region type; 0 when there is none.
uint8_t PlaceholderRegion(const CPackageFile& package, const DownloadPlan& plan) {
    if (plan.updateGui && IsPlaceholderProgram(package.RegionData(plan.gui))) {
        return kRegionGui;
    }
    const auto& sections = package.Sections();
    for (size_t i = 0; i < sections.size(); ++i) {
        if (IsPlaceholderProgram(package.RegionData(sections[i]))) {
            return i == 0 ? kRegionDriver0 : kRegionDriver1;
        }
    }
    return 0;
}

} // namespace

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

uint16_t PackageGuiVersion(const CPackageFile& package, uint16_t model) {
    switch (GuiRegionFor(model, package.Kind())) {
    case GuiRegion::Model1:
        return static_cast<uint16_t>(package.GuiModel1().version);
    case GuiRegion::Model2:
        return static_cast<uint16_t>(package.GuiModel2().version);
    default:
        return 0;
    }
}

bool PlanDownload(const CPackageFile& package, const PanelInfo& panel, const PlanOptions& options,
                  DownloadPlan& plan, std::string& refusal) {
    plan = {};
    if (!IsKnownModel(panel.model)) {
        refusal = std::string(text::kUnknownModel) + "\n" + balsar::Format(text::kModelNumberFmt, panel.model);
        return false;
    }
    plan.updateGui = NeedsGuiUpdate(options.forceGuiUpdate, panel.mode, panel.guiVersion,
                                    PackageGuiVersion(package, panel.model));
    if (plan.updateGui) {
        const GuiRegion gui = GuiRegionFor(panel.model, package.Kind());
        if (gui == GuiRegion::WrongKind) {
            refusal = text::kPackageKindMismatch;
            return false;
        }
        plan.gui = gui == GuiRegion::Model2 ? package.GuiModel2() : package.GuiModel1();
        // Erasing the GUI program with nothing to write would leave the panel
        // without one.
        if (plan.gui.length == 0) {
            refusal = text::kNoGuiForModel;
            return false;
        }
    }
    // The size check takes the GUI length the panel's model reserves room for.
    const uint32_t guiLength =
        package.Kind() == 1 || IsModel1(panel.model) ? package.GuiModel1().length : package.GuiModel2().length;
    const auto& sections = package.Sections();
    const bool secondDriver = sections.size() > 1 && sections[1].length != 0;
    if (!ProjectFits(panel.model, guiLength, package.UserData().length, secondDriver)) {
        refusal = text::kProjectTooLarge;
        return false;
    }
    if (!panel.emulated && !options.allowPlaceholder) {
        if (const uint8_t type = PlaceholderRegion(package, plan); type != 0) {
            refusal = balsar::Format(text::kPlaceholderRefusedFmt, RegionName(type));
            return false;
        }
    }
    return true;
}

} // namespace caldo
