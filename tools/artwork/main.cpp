// Writes the component pictures the designer draws and compiles: every key
// picture of every key code the panel models use, in the three variants and
// five sizes, the hand pictures and the lamp pictures; with --fronts, the
// front picture of every panel model ("<model name>.bmp", the display area
// and the model's keys) into the model folder, for the simulators.
//
//   artwork-generator --models DIR --out DIR [--fronts] [--check]
//
// --check compares the pictures with the files already in the output folders
// and fails when any differs or is missing; nothing is written.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Bitmap1.h"
#include "FrontPainter.h"
#include "Painter.h"
#include "base/FileIo.h"
#include "base/MessageSink.h"
#include "elements/ComponentArtwork.h"
#include "hardware/HardwareModel.h"
#include "simulator/FrontLayout.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSizes[] = {8, 12, 16, 24, 32};
// A key code without picture.
constexpr int kBareKey = 30;

struct Output {
    fs::path folder;
    bool check = false;
    int written = 0;
    int differing = 0;

    void Put(const fs::path& subfolder, const std::string& name, const artwork::Bitmap1& picture) {
        const std::vector<uint8_t> bytes = artwork::EncodeBmp(picture);
        const fs::path path = folder / subfolder / name;
        if (check) {
            std::vector<uint8_t> existing;
            std::string error;
            if (!balsar::ReadFileBytes(path, existing, error) || existing != bytes) {
                std::fprintf(stderr, "differs or missing: %s\n", path.string().c_str());
                ++differing;
            }
            return;
        }
        fs::create_directories(path.parent_path());
        std::string error;
        if (!balsar::WriteFileAtomically(path, bytes, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            ++differing;
            return;
        }
        ++written;
    }
};

// The models of the folder, in file-name order; files that fail are
// reported and left out.
std::vector<balsar::HardwareModel> ModelsOf(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".CFG") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<balsar::HardwareModel> models;
    balsar::StderrMessageSink sink;
    for (const fs::path& file : files) {
        balsar::HardwareModel model;
        if (model.Load(file, sink)) {
            models.push_back(model);
        }
    }
    return models;
}

// Key code to key name over all models; the first model that names a code
// gives its caption.
std::map<int, std::string> KeysOfModels(const std::vector<balsar::HardwareModel>& models) {
    std::map<int, std::string> keys;
    for (const balsar::HardwareModel& model : models) {
        for (const balsar::HardwareKey& key : model.Keys()) {
            if (key.code != 0 && key.code != kBareKey) {
                keys.emplace(key.code, key.name);
            }
        }
    }
    return keys;
}

int Usage() {
    std::fprintf(stderr, "usage: artwork-generator --models DIR --out DIR [--fronts] [--check]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    fs::path models;
    Output out;
    bool fronts = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--models" && i + 1 < argc) {
            models = argv[++i];
        } else if (arg == "--out" && i + 1 < argc) {
            out.folder = argv[++i];
        } else if (arg == "--check") {
            out.check = true;
        } else if (arg == "--fronts") {
            fronts = true;
        } else {
            return Usage();
        }
    }
    if (models.empty() || out.folder.empty()) {
        return Usage();
    }
    std::error_code ec;
    if (!fs::is_directory(models, ec)) {
        std::fprintf(stderr, "no model folder: %s\n", models.string().c_str());
        return 1;
    }
    const std::vector<balsar::HardwareModel> modelList = ModelsOf(models);
    const std::map<int, std::string> keys = KeysOfModels(modelList);
    if (keys.empty()) {
        std::fprintf(stderr, "no keys in the models of %s\n", models.string().c_str());
        return 1;
    }
    for (const int size : kSizes) {
        for (const auto& [code, name] : keys) {
            for (int variant = 0; variant < 3; ++variant) {
                out.Put("funckey", balsar::artwork::KeyFileName(code, variant, size),
                        artwork::DrawKey(name, variant, size));
            }
        }
        for (int variant = 0; variant < 2; ++variant) {
            out.Put("funckey", balsar::artwork::HandFileName(variant, size),
                    artwork::DrawHand(variant, size));
        }
        for (int shape = 0; shape < 2; ++shape) {
            for (int state = 0; state < 2; ++state) {
                out.Put("led", balsar::artwork::LampFileName(shape, state, size),
                        artwork::DrawLamp(shape, state, size));
            }
        }
    }
    if (fronts) {
        Output front = out;
        front.folder = models;
        front.written = 0;
        front.differing = 0;
        for (const balsar::HardwareModel& model : modelList) {
            front.Put(fs::path(), balsar::simulator::FrontPictureName(model),
                      artwork::DrawFront(balsar::simulator::FrontLayout::ForModel(model)));
        }
        out.written += front.written;
        out.differing += front.differing;
    }
    if (out.differing != 0) {
        std::fprintf(stderr, "%d picture(s) %s\n", out.differing, out.check ? "differ" : "not written");
        return 1;
    }
    if (!out.check) {
        std::printf("%d pictures written to %s\n", out.written, out.folder.string().c_str());
    }
    return 0;
}
