// What a run writes into a panel, decided from the package and the panel
// information before any command changes the panel's mode. Every reason to
// refuse the package is found here, so that a refused package leaves the
// panel exactly as it was.
#pragma once

#include <cstdint>
#include <string>

#include "transfer/PackageFile.h"
#include "transfer/PanelInfo.h"

namespace caldo {

struct PlanOptions {
    bool forceGuiUpdate = false;   // the "强制更新GUI" check box
    bool allowPlaceholder = false; // write placeholder programs into a panel that is not emulated
};

struct DownloadPlan {
    bool updateGui = false;
    RegionDescriptor gui; // the GUI region for the panel's model, when updateGui
};

// Whether a run rewrites the GUI program: unless forced, a panel running its
// application with a GUI at least as new as the package's is left alone.
bool NeedsGuiUpdate(bool force, uint8_t mode, uint16_t panelGuiVersion, uint16_t packageGuiVersion);

// Whether user data of length u fits beside a GUI program of length g on a known
// model. Computed without overflow for any 32-bit lengths.
bool ProjectFits(uint16_t model, uint32_t g, uint32_t u, bool secondDriverPresent);

// The GUI version a parsed package carries for a model: the model-1 descriptor
// for model 1 (or 0xFFFF) and kind 1 or 2, the model-2 descriptor for model 2
// and kind 2; 0 for any other pairing.
uint16_t PackageGuiVersion(const CPackageFile& package, uint16_t model);

// Plans the run for a parsed package and the panel's information. False with
// the refusal message (the panel's model, the package kind, a missing GUI
// program for the model, the project size, a placeholder program for a panel
// that is not emulated).
bool PlanDownload(const CPackageFile& package, const PanelInfo& panel, const PlanOptions& options,
                  DownloadPlan& plan, std::string& refusal);

} // namespace caldo
