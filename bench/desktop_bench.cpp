// Opening a module in the desktop program, from the open request to the tree on screen, beside the
// core's own load of the same file in the same run. Two modules, made here: about 200 MB in a few
// large resources, and 2,000 small resources.
#include "BenchSupport.h"

#include "app/TSettings.h"
#include "app/TWineRegistry.h"
#include "app/ui/TfrmLNZMain.h"
#include "documents/TDLLresfile.h"
#include "documents/ui/Childwin.h"
#include "formats/PEResourceWriter.h"

#include <QApplication>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>

using namespace ballforge;

static std::string MakeModule(const QTemporaryDir& dir, const char* name, int count, std::size_t size) {
    const std::string target = dir.filePath(name).toStdString();
    std::filesystem::copy_file(BALLFORGE_SAMPLE, target, std::filesystem::copy_options::overwrite_existing);
    auto update = BeginResUpdate(target, false);
    if (!update) throw std::runtime_error("cannot open the copy of the sample");
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 131 + (i >> 9));
    for (int i = 0; i < count; ++i) {
        bytes[0] = static_cast<std::uint8_t>(i);
        // A mix of editors: text, LNZ and hex resources.
        const char* type = i % 3 == 0 ? "TXT" : i % 3 == 1 ? "LNZ" : "DATA";
        UpdateResItem(*update, TResourceIDRec::Name(type), TResourceIDRec::Number(1000 + i), 1033,
                      bytes.data(), bytes.size());
    }
    if (!EndResUpdate(std::move(update), false)) throw std::runtime_error("cannot write the module");
    return target;
}

static void Measure(const std::string& file, const char* what) {
    const double core = bench::BestOf(3, [&] {
        TDLLresfile c(file);
        c.Load();
    });
    TWineRegistry noGames("/nowhere", "");
    TfrmLNZMain main(&noGames);
    main.resize(1000, 700);
    main.show();
    QApplication::processEvents();
    int items = 0;
    double desktop = 1e300;
    for (int run = 0; run < 5; ++run) {
        const auto t0 = std::chrono::steady_clock::now();
        TMDIChild* doc = main.OpenDocument(file);
        doc->vstResources->repaint(); // the tree on screen
        QApplication::processEvents();
        desktop =
            std::min(desktop, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        items = 0;
        for (QTreeWidgetItemIterator it(doc->vstResources); *it; ++it)
            ++items;
        delete doc;
        QApplication::processEvents();
    }
    std::printf("%-34s %8.1f MB  %5d tree items  core load %8.3f s  desktop open to tree %8.3f s  ratio %s "
                "(target <= 1.5x)\n",
                what, std::filesystem::file_size(file) / 1048576.0, items, core, desktop,
                bench::Ratio(desktop, core).c_str());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Settings().recentFiles.onChanged = nullptr;
    try {
        const std::string large = MakeModule(dir, "Large.dog", 4, std::size_t{50} << 20);
        Measure(large, "200 MB module, 4 resources");
        std::filesystem::remove(large);
        const std::string many = MakeModule(dir, "Many.dog", 2000, 512);
        Measure(many, "2,000 resources");
        // The floor: a window for a module with no more than the sample's seven resources.
        Measure(MakeModule(dir, "Small.dog", 0, 0), "the sample breed (7 resources)");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "desktop_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
