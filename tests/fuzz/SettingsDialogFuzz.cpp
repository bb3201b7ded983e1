// SPDX-License-Identifier: Apache-2.0
// Any card file goes through a product's settings dialog: it is read into the controls and saved.
// Nothing may crash, and saving a second time must change nothing: what the dialog writes it reads
// back the same way. QVT_FUZZ_DIALOG picks the dialog (its description, in catalogue order); the four-model
// dialog takes its product from the first input byte.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/AppContext.h"
#include "dialogs/Catalogue.h"
#include "dialogs/SettingsDialog.h"
#include "ui/Host.h"

namespace {

namespace fs = std::filesystem;
using namespace qvt;

class AnswerOkHost : public ui::Host {
public:
    ui::Answer messageBox(ui::Dialog*, std::string_view, std::string_view, ui::Icon, ui::Buttons) override {
        return ui::Answer::Ok;
    }
    std::optional<std::string> openFile(ui::Dialog*, const ui::FileRequest&) override { return std::nullopt; }
    ui::Result runModal(ui::Dialog& dialog) override {
        dialog.init();
        return ui::Result::Cancel;
    }
    ui::ProcessOutcome runProcess(ui::Dialog*, const ui::ProcessRequest&) override { return {}; }
};

// A PC and a card in memory-backed folders (the saves flush to the medium).
struct Folders {
    Folders() {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        root = base / ("qvt-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(root / "pc");
        fs::create_directories(root / "card" / "GSM");
    }
    ~Folders() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
};

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void require(bool condition) {
    if (!condition) std::abort();
}

constexpr dialogs::DescriptionOf kDescriptions[] = {dialogs::hx710tDescription, dialogs::hx720uDescription,
                                                    dialogs::lp300Description, dialogs::vex2Description,
                                                    dialogs::s1Description};

std::vector<const dialogs::Product*> allProducts() {
    std::vector<const dialogs::Product*> products;
    for (const dialogs::Product& p : dialogs::catalogue())
        if (p.description == kDescriptions[QVT_FUZZ_DIALOG]) products.push_back(&p);
    return products;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Folders folders;
    static const std::vector<const dialogs::Product*> products = allProducts();
    if (size == 0) return 0;
    const dialogs::Product& product = *products[data[0] % products.size()];
    // An even first byte gives the file its product's mark, so that it is read.
    std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) file = "[QVTFileMark]\r\nModel=" + std::string(product.modelCode) + "\r\n" + file;

    const fs::path pc = folders.root / "pc", card = folders.root / "card";
    std::error_code ec;
    fs::remove_all(pc / "LumbrakonBackup", ec);
    const fs::path cardFile = card / "GSM" / (std::string(product.fileCode) + ".TXT");
    std::ofstream(cardFile, std::ios::binary | std::ios::trunc) << file;

    AnswerOkHost host;
    dialogs::AppContext context(platform::Volumes(pc, {card}), platform::Clock({2024, 5, 17, 10, 20, 30}));
    context.CurrentModelCode = product.modelCode;
    const std::unique_ptr<ui::Dialog> dialog = dialogs::createSettingsDialog(product, host, context);
    dialog->init();
    dialog->notify(1, ui::Event::Clicked);  // Save
    const std::string first = readText(cardFile);
    const std::string firstBackup = readText(pc / "LumbrakonBackup" / (std::string(product.fileCode) + ".TXT"));
    require(!first.empty());
    dialog->notify(1, ui::Event::Clicked);
    require(readText(cardFile) == first);
    require(readText(pc / "LumbrakonBackup" / (std::string(product.fileCode) + ".TXT")) == firstBackup);
    return 0;
}
