#include "cli/CliStrings.h"

#include <filesystem>
#include <ostream>

#include "base/FileIo.h"
#include "base/Prompt.h"
#include "cli/CliStreamSink.h"
#include "elements/Languages.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"
#include "projecttext/ProjectStrings.h"
#include "projecttext/StringsCsv.h"
#include "projecttext/StringsXliff.h"
#include "projecttext/TranslationFit.h"

namespace balsar {

namespace {

constexpr const char* kStringsUsage = "usage: balsar-cli strings export PROJECT.ZPJ --lang ID OUT.(csv|xlf)\n"
                               "       balsar-cli strings import PROJECT.ZPJ IN.(csv|xlf) --lang ID [--out NEW.ZPJ]\n";

enum class Format { Csv, Xliff, Unknown };

Format FormatOf(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (ext == ".csv") {
        return Format::Csv;
    }
    return ext == ".xlf" || ext == ".xliff" ? Format::Xliff : Format::Unknown;
}

struct Arguments {
    bool exporting = false;
    std::string project;
    std::string file;
    std::string language;
    std::string out;
};

bool Parse(const std::vector<std::string>& args, Arguments& parsed) {
    if (args.empty() || (args[0] != "export" && args[0] != "import")) {
        return false;
    }
    parsed.exporting = args[0] == "export";
    std::vector<std::string> positional;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) {
            parsed.language = args[++i];
        } else if (!parsed.exporting && args[i] == "--out" && i + 1 < args.size()) {
            parsed.out = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2 || parsed.language.empty()) {
        return false;
    }
    parsed.project = positional[0];
    parsed.file = positional[1];
    return true;
}

int Export(CMirloDoc& doc, const DesignerSession& session, const Arguments& args, int language, std::ostream& out,
           std::ostream& err) {
    const Format format = FormatOf(args.file);
    const ProjectTexts texts = CollectProjectTexts(*doc.Project(), language, session.PanelWidth());
    const std::string text = format == Format::Csv
                                 ? WriteStringsCsv(texts)
                                 : WriteStringsXliff(texts, std::filesystem::path(args.project).filename().string());
    std::string error;
    if (!WriteFileAtomically(args.file, std::vector<uint8_t>(text.begin(), text.end()), error)) {
        err << args.file << ": " << error << '\n';
        return 1;
    }
    out << args.file << ": " << texts.texts.size() << " texts\n";
    return 0;
}

int Import(CMirloDoc& doc, const DesignerSession& session, const Arguments& args, int language, std::ostream& out,
           std::ostream& err) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(args.file, bytes, error)) {
        err << args.file << ": " << error << '\n';
        return 1;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<Translation> translations;
    CMirloProject& project = *doc.Project();
    const bool read = FormatOf(args.file) == Format::Csv
                          ? ReadStringsCsv(text, language, translations, error)
                          : ReadStringsXliff(text, LanguageTagOfId(project.languages.GetLangID(language)),
                                             translations, error);
    TranslationResult result;
    if (!read || !ApplyTranslations(project, language, translations, session.Fonts(), result, error)) {
        err << args.file << ": " << error << "; nothing written\n";
        return 1;
    }
    for (const std::string& warning : result.warnings) {
        err << args.file << ": warning: " << warning << '\n';
    }
    const std::string target = args.out.empty() ? args.project : args.out;
    if (!doc.SaveToFile(target, true)) {
        return 1;
    }
    for (const TranslationFinding& finding : CheckTranslatedTexts(project, session, result.changed)) {
        err << finding.place.id << ": " << finding.message << '\n';
    }
    out << target << ": " << result.changed.size() << " texts changed\n";
    return 0;
}

std::string Absolute(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

} // namespace

int RunStringsCommand(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
    Arguments args;
    if (!Parse(argv, args)) {
        err << kStringsUsage;
        return 2;
    }
    if (FormatOf(args.file) == Format::Unknown) {
        err << args.file << ": the file name must end in .csv, .xlf or .xliff\n" << kStringsUsage;
        return 2;
    }
    args.project = Absolute(args.project);
    if (!args.out.empty()) {
        args.out = Absolute(args.out);
    }
    StreamSink sink(err);
    FixedPrompt prompt(Answer::No);
    DesignerSession session = DesignerSession::ForProgram(sink, prompt);
    CMirloDoc doc(session, CoreClassRegistry());
    if (!doc.OnOpenDocument(args.project)) {
        return 1;
    }
    session.Activate(*doc.Project());
    int language = 0;
    std::string error;
    if (!ResolveTextLanguage(doc.Project()->languages, args.language, language, error)) {
        err << error << '\n';
        return 1;
    }
    return args.exporting ? Export(doc, session, args, language, out, err)
                          : Import(doc, session, args, language, out, err);
}

} // namespace balsar
