// demo-generator OUTPUT.ZPJ: writes the demo project.
#include <filesystem>
#include <iostream>

#include "DemoProject.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerContext.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: demo-generator OUTPUT.ZPJ\n";
        return 2;
    }
    balsar::StderrMessageSink sink;
    balsar::FixedPrompt prompt(balsar::Answer::No);
    balsar::DesignerContext context(sink, prompt);
    balsar::CMirloDoc doc(context, balsar::CoreClassRegistry());
    doc.SetProject(balsar::demo::BuildDemoProject(context.languageDefaults));
    std::error_code ec;
    const std::filesystem::path output = std::filesystem::absolute(argv[1], ec);
    if (ec || !doc.OnSaveDocument(output.string())) {
        return 1;
    }
    std::cout << output.string() << '\n';
    return 0;
}
