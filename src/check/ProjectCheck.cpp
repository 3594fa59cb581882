#include "check/ProjectCheck.h"

#include <algorithm>

#include "base/MessageSink.h"
#include "base/Text.h"
#include "check/ProjectRules.h"
#include "compiler/ImageCompiler.h"
#include "elements/FindingStrings.h"
#include "project/CMirloProject.h"
#include "project/DesignerSession.h"
#include "projecttext/TransferCapacity.h"

namespace balsar {

namespace {

// The image against the user-data region of each panel hardware: above
// both it cannot be downloaded; above hardware 1's only it fits hardware 2
// alone.
void CheckCapacity(const CMirloProject& project, const DesignerSession& session,
                   const std::filesystem::path& programFolder, const Image& image, FindingList& findings) {
    if (programFolder.empty() || !session.HasModel() || session.Model().id != project.panelModelId) {
        return;
    }
    TransferCapacity capacity;
    std::string reason;
    const FindingPlace place = FindingPlace::OfProject(strings::kFieldImage);
    if (!ProjectCapacity(project, session.Protocols(), session.Model(), programFolder / "lib" / "hardware",
                         capacity, reason)) {
        findings.push_back(Finding{Severity::Warning, strings::kCodeCapacityUnknown, place,
                                   Format(strings::kFindCapacityUnknown, reason.c_str())});
        return;
    }
    // The package carries the image padded to 4 bytes.
    const uint32_t bytes = (static_cast<uint32_t>(image.size()) + 3u) & ~3u;
    const uint32_t largest = std::max(capacity.hardware1, capacity.hardware2);
    if (bytes > largest) {
        findings.push_back(Finding{Severity::Error, strings::kCodeImageTooLarge, place,
                                   Format(strings::kFindImageTooLarge, bytes, largest)});
    } else if (bytes > capacity.hardware1) {
        findings.push_back(Finding{Severity::Warning, strings::kCodeImageTooLarge, place,
                                   Format(strings::kFindImageTooLarge, bytes, capacity.hardware1)});
    }
}

// Messages the compile sent to its sink (a picture file that cannot be
// read, a register name the panel does not know) become warnings of the
// project.
class FindingSink : public MessageSink {
public:
    explicit FindingSink(FindingList& findings) : m_findings(findings) {}
    void Message(const std::string& text, MessageKind kind, const std::string&) override {
        m_findings.push_back(Finding{kind == MessageKind::Error ? Severity::Error : Severity::Warning,
                                     strings::kCodeCompileMessage, FindingPlace::OfProject(), text});
    }

private:
    FindingList& m_findings;
};

void DropRepeats(FindingList& findings) {
    FindingList unique;
    for (Finding& finding : findings) {
        const bool seen = std::any_of(unique.begin(), unique.end(), [&](const Finding& other) {
            return other.code == finding.code && other.place == finding.place && other.message == finding.message;
        });
        if (!seen) {
            unique.push_back(std::move(finding));
        }
    }
    findings = std::move(unique);
}

} // namespace

size_t CheckResult::Count(Severity severity) const {
    return static_cast<size_t>(std::count_if(findings.begin(), findings.end(),
                                             [severity](const Finding& f) { return f.severity == severity; }));
}

CheckResult CheckProject(const CMirloProject& project, const DesignerSession& session,
                         const std::filesystem::path& programFolder) {
    CheckResult result;
    FindingList& findings = result.findings;
    CheckModel(project, session, findings);
    CheckScreenNumbers(project, findings);
    CheckAddresses(project, &session.PortDescriptions(), findings);
    CheckDataTransfers(project, findings);

    FindingList compiled;
    FindingSink sink(compiled);
    result.image = CompileProject(project, CompileInputs{sink, session.PanelWidth(), session.PanelHeight(),
                                                         &session.PortDescriptions(), session.Fonts(), &compiled});
    findings.insert(findings.end(), compiled.begin(), compiled.end());
    CheckCapacity(project, session, programFolder, result.image, findings);
    DropRepeats(findings);
    return result;
}

} // namespace balsar
