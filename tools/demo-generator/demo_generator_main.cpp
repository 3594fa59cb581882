// demo-generator OUTPUT.ZPJ: writes the demo project.
// demo-generator --template MODEL_ID MODEL_NAME OUTPUT.SFP: writes the
// template project of a panel model.
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>

#include "DemoProject.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "elements/Languages.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"

int main(int argc, char** argv) {
    const bool isTemplate = argc == 5 && std::string(argv[1]) == "--template";
    int32_t modelId = 0;
    if (isTemplate) {
        const std::string id = argv[2];
        const auto parsed = std::from_chars(id.data(), id.data() + id.size(), modelId);
        if (parsed.ec != std::errc() || parsed.ptr != id.data() + id.size()) {
            std::cerr << "bad model ID: " << id << '\n';
            return 2;
        }
    } else if (argc != 2 || argv[1][0] == '-') {
        // An option is never taken for the output file ("--help" wrote a
        // project of that name).
        const bool help = argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h");
        (help ? std::cout : std::cerr) << "usage: demo-generator OUTPUT.ZPJ\n"
                                          "       demo-generator --template MODEL_ID MODEL_NAME OUTPUT.SFP\n";
        return help ? 0 : 2;
    }
    balsar::StderrMessageSink sink;
    balsar::FixedPrompt prompt(balsar::Answer::No);
    // Templates start with the fixed default language, not the locale's, so
    // every machine generates the same files.
    balsar::DesignerSession session = balsar::DesignerSession::ForProgram(sink, prompt, balsar::LanguageDefaults{});
    balsar::CMirloDoc doc(session, balsar::CoreClassRegistry());
    // The demo is a Chinese project: its first language is Chinese (PRC) with
    // that language's default font, so texts typed into it show their glyphs.
    const balsar::LanguageDefaults chinese{0x0804, balsar::DefaultFontOfLanguage(session.Fonts(), 0x0804)};
    doc.SetProject(isTemplate ? balsar::demo::BuildModelTemplate(session.NewProjectLanguage(), modelId, argv[3])
                              : balsar::demo::BuildDemoProject(chinese));
    std::error_code ec;
    const std::filesystem::path output = std::filesystem::absolute(argv[argc - 1], ec);
    // A template keeps no path of its own: the wizard gives it the new one.
    if (ec || !doc.SaveToFile(output.string(), !isTemplate)) {
        return 1;
    }
    std::cout << output.string() << '\n';
    return 0;
}
