#pragma once
// Activating a project: the designer-wide state that follows the open
// project (its panel model, the document's panel size and the protocol
// description of each port).
namespace balsar {

class CMirloDoc;
class HardwareModel;
class HardwareModelList;
struct DesignerContext;

// Loads the project's model into model (kept as it was when the ID is not
// in the list), publishes it in the context, sizes the document's panel to
// its resolution and reloads the four port protocols. False without a
// project or when the model could not be loaded.
bool ActivateProject(CMirloDoc& doc, DesignerContext& context, HardwareModelList& models, HardwareModel& model);

} // namespace balsar
