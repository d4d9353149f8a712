// Opening and saving large modules, measured against reading and copying the same file.
#include "BenchSupport.h"

#include "documents/FileUtils.h"
#include "documents/TDLLresfile.h"

#include <cstdio>
#ifndef _WIN32
#include <unistd.h>
#endif
#include <fstream>
#include <filesystem>
#include <iostream>
#include <random>

using namespace ballforge;
using namespace ballforge::bench;
namespace fs = std::filesystem;

namespace {

void FlushToDisk(const std::string& file) {
#ifndef _WIN32
    if (std::FILE* f = std::fopen(file.c_str(), "rb")) {
        ::fsync(fileno(f));
        std::fclose(f);
    }
#else
    (void)file;
#endif
}

std::string MakeModule(const fs::path& dir, const std::string& base, const std::string& name, int count,
                       std::size_t size) {
    const std::string file = (dir / name).string();
    fs::copy_file(base, file, fs::copy_options::overwrite_existing);
    TDLLresfile f(file);
    f.Load();
    std::mt19937 rng(1);
    for (int i = 0; i < count; ++i) {
        auto* leaf = f.root().GetOrAddChildByName(i % 2 ? "WAV" : "SPR")->GetOrAddChildByID(1000 + i)->GetOrAddChildByID(1033);
        leaf->data.resize(size);
        for (std::size_t k = 0; k < size; k += 64) leaf->data[k] = std::uint8_t(rng());
    }
    if (!f.SaveTo(file)) throw std::runtime_error("cannot build " + file + ": " + f.lastError());
    return file;
}

void Measure(const std::string& label, const std::string& file, int rounds) {
    const auto size = FileSizeOf(file);
    const std::string copy = file + ".copy";
    const double read = BestOf(rounds, [&] { auto b = ReadWholeFile(file); });
    // Copying as a program does it: the bytes pass through memory once (the system's own copy
    // call may clone or splice without touching them, which no editor can match).
    const double copyTime = BestOf(rounds, [&] {
        std::ifstream in(file, std::ios::binary);
        std::ofstream out(copy, std::ios::binary | std::ios::trunc);
        std::vector<char> buffer(1 << 20);
        while (in.read(buffer.data(), std::streamsize(buffer.size())) || in.gcount())
            out.write(buffer.data(), in.gcount());
    });
    // The same, flushed to the disk as every save is before it replaces the original.
    const double durableCopy = BestOf(rounds, [&] {
        {
            std::ifstream in(file, std::ios::binary);
            std::ofstream out(copy, std::ios::binary | std::ios::trunc);
            std::vector<char> buffer(1 << 20);
            while (in.read(buffer.data(), std::streamsize(buffer.size())) || in.gcount())
                out.write(buffer.data(), in.gcount());
        }
        FlushToDisk(copy);
    });
    const double kernelCopy = BestOf(rounds, [&] { fs::copy_file(file, copy, fs::copy_options::overwrite_existing); });
    const double open = BestOf(rounds, [&] {
        TDLLresfile f(file);
        f.Load();
    });
    TDLLresfile f(copy);
    f.Load();
    const double save = BestOf(rounds, [&] {
        if (!f.SaveTo(copy)) throw std::runtime_error(f.lastError());
    });
    tresourcenode* first = f.root().child(0)->child(0)->child(0);
    const double replace = BestOf(rounds, [&] {
        first->data[0] ^= 1;
        if (!f.SaveTo(copy)) throw std::runtime_error(f.lastError());
    });

    // Peak memory of a fresh open and save, above what the process held before.
    std::uint64_t peak = 0;
    {
        const std::uint64_t before = CurrentMemory();
        const bool reset = ResetPeakMemory();
        {
            TDLLresfile g(copy);
            g.Load();
            if (!g.SaveTo(copy)) throw std::runtime_error(g.lastError());
        }
        peak = reset ? PeakMemory() - std::min(before, PeakMemory()) : 0;
    }
    fs::remove(copy);
    std::printf("%-34s %9s  read %.3fs copy %.3fs | open %s of read | save unchanged %s of copy | "
                "save with one resource replaced %s of copy | peak memory %.2fx file size | save %s of a flushed copy, %s of the system's copy call\n",
                label.c_str(), Megabytes(size).c_str(), read, copyTime, Ratio(open, read).c_str(),
                Ratio(save, copyTime).c_str(), Ratio(replace, copyTime).c_str(), double(peak) / double(size), Ratio(save, durableCopy).c_str(), Ratio(save, kernelCopy).c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::string base = argc > 1 ? argv[1] : std::string(BALLFORGE_FIXTURES) + "/pe/rsrc-reloc-512.dll";
    const fs::path dir = fs::temp_directory_path() / ("ballforge-pe-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
    try {
        std::printf("Module open and save (targets: open <= 2x read, save <= 3x copy, peak memory <= 3x file)\n");
        Measure("2,000 resources of 10 KB", MakeModule(dir, base, "many.dll", 2000, 10 * 1024), 3);
        Measure("4 resources of 50 MB", MakeModule(dir, base, "large.dll", 4, 50u << 20), 2);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pe_bench: %s\n", e.what());
        fs::remove_all(dir);
        return 1;
    }
    fs::remove_all(dir);
    return 0;
}
