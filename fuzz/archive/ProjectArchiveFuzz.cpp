// Feeds arbitrary bytes to the project file reader: it must either load a
// project or raise an archive error, never crash or allocate wildly.
//   cmake --preset fuzz && cmake --build --preset fuzz --target fuzz_project_archive
//   build/fuzz/bin/fuzz_project_archive -max_total_time=60 [corpus/]
#include <cstddef>
#include <cstdint>
#include <span>

#include "base/Archive.h"
#include "base/MessageSink.h"
#include "base/Prompt.h"
#include "project/CMirloDoc.h"
#include "project/CoreClasses.h"
#include "project/DesignerSession.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    balsar::RecordingMessageSink sink;
    balsar::FixedPrompt prompt(balsar::Answer::No);
    balsar::DesignerSession session(sink, prompt);
    balsar::CMirloDoc doc(session, balsar::CoreClassRegistry());
    try {
        balsar::Archive ar(std::span<const uint8_t>(data, size), balsar::CoreClassRegistry());
        doc.Serialize(ar);
        // A loaded project must also store again.
        balsar::Archive out;
        doc.Serialize(out);
    } catch (const balsar::ArchiveError&) {
    }
    return 0;
}
