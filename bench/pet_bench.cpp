// Loading (verified), walking the family tree of, and saving a large generated pet, beside reading
// and copying the same file in the same run.
#include "BenchSupport.h"

#include "documents/ByteWriter.h"
#include "documents/FileUtils.h"
#include "formats/StreamHelpers.h"
#include "formats/TPetresfile.h"
#include "formats/petdecoder.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>

using namespace ballforge;
using namespace ballforge::bench;

namespace {

constexpr std::size_t kRecords = 20000;
constexpr int kMaxDepth = 15; // real trees of this size store about 15 generations

void WriteRecord(ByteWriter& out, std::size_t& written, int depth, std::mt19937& rng) {
    ++written;
    for (int i = 0; i < 16; ++i)
        out.u8(static_cast<std::uint8_t>(rng()));
    WriteString(out, "Pet" + std::to_string(written));
    WriteString(out, "Breed" + std::to_string(rng() % 40));
    WriteString(out, "Owner_" + std::to_string(rng() % 5000));
    out.u32(1600000000 + rng() % 100000000);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(kMaxDepth - depth));
    out.u8(static_cast<std::uint8_t>(rng() & 2));
    for (int parent = 0; parent < 2; ++parent) {
        const bool present = depth < kMaxDepth && written < kRecords;
        out.u8(present ? 1 : 0);
        if (present) WriteRecord(out, written, depth + 1, rng);
    }
}

std::vector<std::uint8_t> Text(std::size_t size, std::mt19937& rng) {
    std::vector<std::uint8_t> text(size);
    for (auto& c : text)
        c = static_cast<std::uint8_t>('a' + rng() % 26);
    return text;
}

// A pet much like the largest real one: about 1.5 MB, nearly all of it family tree.
std::vector<std::uint8_t> GeneratePet() {
    std::mt19937 rng(42);
    TPetDecoder pet;
    auto& loadInfo = pet.PartByName("LOADINFO").data;
    loadInfo.assign(816, 0);
    const std::string name = "Benchmark";
    std::copy(name.begin(), name.end(), loadInfo.begin() + 2);
    loadInfo[792] = 0x02, loadInfo[794] = 0xCB, loadInfo[795] = 0x0A;
    pet.PartByName("MISC").data = Text(5000, rng);
    pet.PartByName("Adult.LNZ").data = Text(20000, rng);
    pet.PartByName("Child.LNZ").data = Text(20000, rng);
    pet.PartByName("CLOTHESETC").data = Text(3000, rng);
    pet.PartByName("Petz info").data = Text(3000, rng);
    pet.PartByName("Genome").data = Text(1600, rng);
    ByteWriter tree;
    tree.u32(0);
    std::size_t written = 0;
    WriteRecord(tree, written, 0, rng);
    WriteString(tree, "Owner");
    WriteString(tree, "Comments");
    tree.u32(0);
    pet.PartByName("FamilyTree").data = tree.take();
    pet.PartByName("Picture").data = Text(120000, rng);
    return pet.SaveToBytes();
}

} // namespace

int main() {
    const auto folder =
        std::filesystem::temp_directory_path() / ("ballforge-pet-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "Large.pet").string();
    const std::string copy = (folder / "Copy.pet").string();
    const std::string saved = (folder / "Saved.pet").string();
    {
        const auto bytes = GeneratePet();
        if (!WriteFileSafely(file, bytes)) return 1;
    }
    const std::uint64_t size = FileSizeOf(file);
    constexpr int kRuns = 15;

    const double read = BestOf(kRuns, [&] { (void)ReadWholeFile(file); });
    const double copied = BestOf(kRuns, [&] {
        std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
    });

    const std::uint64_t before = CurrentMemory();
    const bool peakReset = ResetPeakMemory();
    std::size_t records = 0;
    const double loadWalk = BestOf(kRuns, [&] {
        TPetDecoder pet;
        pet.LoadFromFile(file, true);
        records = 0;
        VisitAncestors(*pet.ancestry, true, 0, [&records](const TOfflineAncestryInfo&, int) {
            ++records;
            return true;
        });
    });
    // Where the time goes: the parts alone, and the family tree alone.
    const double partsOnly = BestOf(kRuns, [&] {
        TPetDecoder plain;
        const auto bytes = ReadWholeFile(file);
        plain.TPartDecoder::LoadFromStream(bytes, true); // without reading the family tree
    });
    std::vector<std::uint8_t> treePart;
    {
        TPetDecoder pet;
        pet.LoadFromFile(file, false);
        treePart = pet.FindPart("FamilyTree")->data;
    }
    const double treeOnly = BestOf(kRuns, [&] {
        auto root = ReadFamilyTree(treePart);
        std::size_t n = 0;
        VisitAncestors(*root, true, 0, [&n](const TOfflineAncestryInfo&, int) { return ++n > 0; });
    });
    TPetresfile container(file);
    container.Load();
    const double save = BestOf(kRuns, [&] {
        if (!container.SaveTo(saved)) std::abort();
    });
    const double encodeCheck = BestOf(kRuns, [&] {
        const auto bytes = container.decoder().SaveToBytes();
        container.decoder().CheckReadsBack(bytes);
    });
    const double writeOnly = BestOf(kRuns, [&] {
        if (!WriteFileSafely(saved, ReadWholeFile(file))) std::abort();
    });
    const std::uint64_t peak = PeakMemory();
    const bool identical = ReadWholeFile(saved) == ReadWholeFile(file);

    std::cout << "pet_bench: generated pet of " << Megabytes(size) << ", " << records << " ancestry records\n"
              << "  read file (baseline)          " << read * 1e3 << " ms\n"
              << "  copy file (baseline)          " << copied * 1e3 << " ms\n"
              << "  load verified + walk ancestry " << loadWalk * 1e3 << " ms  = " << Ratio(loadWalk, read)
              << " of reading (target <= 3x)\n"
              << "    of which parts split, copied, verified " << partsOnly * 1e3
              << " ms = " << Ratio(partsOnly, read) << "\n"
              << "    of which family tree read + walked     " << treeOnly * 1e3
              << " ms = " << Ratio(treeOnly, read) << "\n"
              << "  save (encode, check, replace) " << save * 1e3 << " ms  = " << Ratio(save, copied)
              << " of copying (target <= 3x)\n"
              << "    of which encode + read-back check      " << encodeCheck * 1e3
              << " ms = " << Ratio(encodeCheck, copied) << "\n"
              << "    writing any file safely (temp, fsync, rename) " << writeOnly * 1e3
              << " ms = " << Ratio(writeOnly, copied) << "\n"
              << "  peak memory above start       " << Megabytes(peak > before ? peak - before : 0) << " = "
              << Ratio(double(peak > before ? peak - before : 0), double(size))
              << " of the file size (target <= 10x)"
              << (peakReset ? "" : " [peak could not be reset: whole-process peak]") << "\n"
              << "  saved copy identical          " << (identical ? "yes" : "NO") << "\n";
    std::filesystem::remove_all(folder);
    return identical ? 0 : 1;
}
