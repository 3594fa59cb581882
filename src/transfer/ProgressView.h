// The progress display the download routines drive. The Qt dialog, the
// command line and the tests implement it.
#pragma once

#include <string>

#include "transfer/PanelInfo.h"

namespace caldo {

class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetRange(int lower, int upper) = 0;
    virtual void SetPos(int position) = 0;
    virtual void StepIt() = 0;
    virtual void Repaint() = 0;
    // The panel's information, each time the run has read it.
    virtual void ShowPanel(const PanelInfo& panel) = 0;
};

} // namespace caldo
