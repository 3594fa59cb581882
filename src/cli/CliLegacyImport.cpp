#include "cli/CliLegacyImport.h"

#include <filesystem>
#include <ostream>

#include "base/Prompt.h"
#include "cli/CliStreamSink.h"
#include "elements/ElementFactory.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "project/LegacyImportReview.h"

namespace balsar {

namespace {

constexpr const char* kImportLegacyUsage = "usage: balsar-cli import-legacy FOLDER/sys.xml OUT.ZPJ\n";

// Pictures of the older form are read from "image" below the current
// folder: the folder of the file while the import runs.
class CurrentFolder {
public:
    explicit CurrentFolder(const std::filesystem::path& folder) {
        std::error_code ec;
        m_previous = std::filesystem::current_path(ec);
        if (!ec) {
            std::filesystem::current_path(folder, ec);
        }
    }
    ~CurrentFolder() {
        std::error_code ec;
        if (!m_previous.empty()) {
            std::filesystem::current_path(m_previous, ec);
        }
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    std::filesystem::path m_previous;
};

} // namespace

int RunImportLegacyCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        err << kImportLegacyUsage;
        return 2;
    }
    std::error_code ec;
    const std::filesystem::path xmlFile = std::filesystem::absolute(args[0], ec).lexically_normal();
    const std::filesystem::path target = std::filesystem::absolute(args[1], ec).lexically_normal();
    if (!std::filesystem::is_regular_file(xmlFile, ec)) {
        err << xmlFile.string() << ": no such file\n";
        return 1;
    }
    StreamSink sink(err);
    FixedPrompt prompt(Answer::No);
    DesignerSession session = DesignerSession::ForProgram(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    bool loaded = false;
    {
        const CurrentFolder folder(xmlFile.parent_path());
        loaded = doc.LoadLegacyXml(xmlFile.string(), CreateElementForXmlType);
    }
    if (!loaded || doc.Project() == nullptr) {
        err << xmlFile.string() << ": not imported (unreadable file, or its PLCID is not in the older PLC catalogue "
            << "lib/plc/legacy-plcs.xml); nothing written\n";
        return 1;
    }
    const std::vector<LegacyShortfall> shortfalls = ReviewLegacyXml(xmlFile, doc.Project());
    if (!doc.SaveToFile(target.string(), true)) {
        return 1;
    }
    for (const LegacyShortfall& shortfall : shortfalls) {
        err << ShortfallText(shortfall) << '\n';
    }
    out << target.string() << '\n';
    if (!shortfalls.empty()) {
        err << shortfalls.size() << " elements not taken over completely\n";
        return 3;
    }
    return 0;
}

} // namespace balsar
