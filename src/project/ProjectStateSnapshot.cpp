#include "project/ProjectStateSnapshot.h"

#include "base/Archive.h"
#include "elements/ElementArchiveContext.h"
#include "project/CMirloProject.h"

namespace balsar {

namespace {

// The members in their project-file forms. Pictures find the library
// through the archive's context and, as in a project file, carry only the
// ID of their entry. Loading leaves the screens read in `screens`.
void SerializeState(CMirloProject& project, Archive& ar, std::vector<std::unique_ptr<CHMIFrame>>& screens) {
    ElementArchiveContext context(&project.bitmapLibrary, true);
    ArchiveContext* previous = ar.Context();
    ar.SetContext(&context);
    struct Restore {
        Archive& ar;
        ArchiveContext* previous;
        ~Restore() { ar.SetContext(previous); }
    } restore{ar, previous};

    for (int i = 0; i < 3; ++i) {
        project.GetPort(i)->Serialize(ar);
    }
    project.GetCanPort().Serialize(ar);
    project.languages.Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<uint32_t>(project.Screens().size()));
        for (const auto& screen : project.Screens()) {
            ar.WriteObject(screen.get());
        }
    } else {
        const uint32_t count = ar.ReadCount(2);
        screens.clear();
        for (uint32_t i = 0; i < count; ++i) {
            if (auto screen = ar.ReadObjectAs<CHMIFrame>()) {
                screens.push_back(std::move(screen));
            }
        }
    }
    project.settings.Serialize(ar);
    project.eventList.Serialize(ar);
    ar.Value(project.showLabels);
    project.dataTransfers.Serialize(ar);
}

} // namespace

ProjectStateSnapshot ProjectStateSnapshot::Take(CMirloProject& project) {
    Archive ar;
    std::vector<std::unique_ptr<CHMIFrame>> unused;
    SerializeState(project, ar, unused);
    ProjectStateSnapshot snapshot;
    snapshot.m_bytes = ar.TakeData();
    return snapshot;
}

bool ProjectStateSnapshot::Restore(CMirloProject& project, const ClassRegistry& registry) const {
    // Read into a scratch project first: a damaged state leaves the project
    // as it is instead of half replaced.
    {
        CMirloProject scratch;
        std::vector<std::unique_ptr<CHMIFrame>> screens;
        Archive probe(m_bytes, registry);
        try {
            SerializeState(scratch, probe, screens);
        } catch (const ArchiveError&) {
            return false;
        }
        if (probe.Remaining() != 0) {
            return false;
        }
    }
    Archive ar(m_bytes, registry);
    std::vector<std::unique_ptr<CHMIFrame>> screens;
    SerializeState(project, ar, screens);
    while (!project.Screens().empty()) {
        project.RemoveScreen(project.Screens().front().get());
    }
    for (auto& screen : screens) {
        project.AddScreen(std::move(screen));
    }
    return true;
}

} // namespace balsar
