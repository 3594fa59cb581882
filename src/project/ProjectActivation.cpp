#include "project/ProjectActivation.h"

#include "hardware/HardwareModel.h"
#include "hardware/HardwareModelList.h"
#include "project/CMirloDoc.h"
#include "project/DesignerContext.h"
#include "project/PortSettingsChange.h"

namespace balsar {

bool ActivateProject(CMirloDoc& doc, DesignerContext& context, HardwareModelList& models, HardwareModel& model) {
    CMirloProject* project = doc.Project();
    if (project == nullptr) {
        return false;
    }
    models.EnsureLoaded(context.sink);
    const bool loaded = models.LoadModelById(model, project->panelModelId, context.sink);
    context.panelModel = &model;
    if (model.resolutionX > 0 && model.resolutionY > 0) {
        doc.SetPanelSize(model.resolutionX, model.resolutionY);
    }
    ReloadPortProtocols(*project, context);
    return loaded;
}

} // namespace balsar
