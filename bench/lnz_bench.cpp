// Checking, reformatting and scanning a generated 1,000,000-line LNZ text, as ratios to splitting it
// into lines in the same run. Targets: check <= 10x, reformat <= 15x, scanning <= 3x the split.
#include "BenchSupport.h"

#include "lnz/TLNZChecker.h"
#include "lnz/TLNZTextLines.h"
#include "lnz/synLNZhighlighter.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

using namespace ballforge;
using namespace ballforge::bench;

namespace {

// A text shaped like real breed files: every section kind, comments, loose spacing for the
// reformatter to tidy, variation sets, and the odd mistake.
std::string MakeText(std::size_t targetLines) {
    std::mt19937 rng(1234);
    auto n = [&](int lo, int hi) { return std::to_string(std::uniform_int_distribution<int>(lo, hi)(rng)); };
    std::string text;
    text.reserve(targetLines * 40);
    std::size_t lines = 0;
    auto line = [&](const std::string& l) {
        text += l;
        text += "\r\n";
        ++lines;
    };
    while (lines < targetLines) {
        line(";generated breed section block");
        line("[Breed Name]");
        line("Benchmark Terrier");
        line("");
        line("[Head Rotation Limits]");
        line("-20, 20");
        line("");
        line("[256 Eyelid Color]");
        line(n(0, 255) + ", 1");
        line("");
        line("[Omissions]");
        for (int i = 0; i < 3; ++i)
            line(n(0, 66) + " ; omitted");
        line("");
        line("[Move]");
        line(";Ball number,x,y,z,(relative ball num)");
        for (int i = 0; i < 10; ++i)
            line(n(0, 66) + ", " + n(-50, 50) + ", " + n(-50, 50) + ", " + n(-50, 50));
        line("#2.a");
        line(n(0, 66) + " " + n(-50, 50) + " " + n(-50, 50) + " " + n(-50, 50) + " " + n(0, 66));
        line("#1");
        line(n(0, 66) + " " + n(-50, 50) + " " + n(-50, 50) + " " + n(-50, 50));
        line("##");
        line("");
        line("[Project Ball]");
        for (int i = 0; i < 5; ++i)
            line(n(0, 66) + ",\t" + n(0, 66) + ",\t" + n(0, 100));
        line("");
        line("[Add Ball]");
        for (int i = 0; i < 8; ++i) {
            std::string l = n(0, 66);
            for (int f = 0; f < 13; ++f)
                l += ", " + n(-10, 100);
            line(l + " ;extra");
        }
        line("");
        line("[Linez]");
        line(";Start ball,end ball,fuzz,colour,left colour,right colour,start thickness,end thickness");
        for (int i = 0; i < 30; ++i)
            line(n(0, 66) + ", " + n(0, 66) + ", 1, -1, -1, -1, " + n(-1, 100) + ", " + n(50, 100) +
                 " ;line");
        line("");
        line("[Paint Ballz]");
        for (int i = 0; i < 40; ++i)
            line(n(0, 66) + " " + n(10, 60) + " 0.5 -1 2.25 " + n(0, 255) + " -1 0 -1 -1 -1 ; spot");
        line("0 0 x 0 0 0 0 0 0 0 0");
        line("");
        line("[Ballz Info]");
        for (int i = 0; i < 67; ++i)
            line(n(0, 255) + ",\t244,\t-1,\t" + n(0, 4) + ",\t-1,\t" + n(0, 10) + ",\t1,\t" + n(-1, 5));
        line("");
        line("[Texture List]");
        line("\\art\\textures\\hair4.bmp  1");
        line("\"\\art\\textures\\spotted fur.bmp\", 2");
        line("");
        line("[Color Info Override]");
        line("12 3 4");
        line("");
        line("[Fuzz Override]");
        for (int i = 0; i < 5; ++i)
            line(n(0, 66) + " ,  " + n(0, 9) + " ;  tail ");
        line("");
        line("[Ball Size Override]");
        for (int i = 0; i < 5; ++i)
            line(n(0, 66) + "\t" + n(80, 130));
        line("");
        line("[Thin/Fat]");
        for (int i = 0; i < 5; ++i)
            line(n(0, 66) + ", " + n(-10, 0) + ", " + n(0, 12));
        line("");
        line("[Paint Balz]");
        line("1 2 3");
        line("");
    }
    return text;
}

} // namespace

int main() {
    const std::size_t targetLines = 1000000;
    const std::string text = MakeText(targetLines);
    ResetPeakMemory();
    const std::uint64_t startMemory = CurrentMemory();

    // The best of several splits into the same list: the memory is warm, so the baseline is the split
    // itself and not the system handing out fresh pages (which makes the ratios below conservative).
    std::size_t lineCount = 0;
    TLNZTextLines target;
    const double split = BestOf(5, [&] { target.SetText(text); });
    lineCount = target.Count();

    TLNZTextLines lines(text);
    TLNZChecker checker;
    const double check = BestOf(3, [&] { checker.CheckForErrors(lines); });
    const std::size_t messages = checker.messages.size();

    std::size_t changed = 0;
    double reformat = 1e300;
    for (int i = 0; i < 3; ++i) {
        TLNZTextLines fresh(text); // outside the timing: each run starts from the untidy text
        const double t = BestOf(1, [&] { checker.ReformatLines(fresh); });
        reformat = std::min(reformat, t);
        changed = fresh.changedLines();
    }

    TSynLNZSyn scanner;
    ApplyLNZFrameSettings(scanner);
    std::size_t tokens = 0;
    const double scan = BestOf(3, [&] {
        tokens = 0;
        for (std::size_t i = 0; i < lines.Count(); ++i)
            for (scanner.SetLine(lines.Get(i), std::int32_t(i)); !scanner.GetEol(); scanner.Next())
                ++tokens;
    });

    std::printf("LNZ text: %zu lines, %s\n", lineCount, Megabytes(text.size()).c_str());
    std::printf("split into lines (baseline)  %8.1f ms\n", split * 1e3);
    std::printf("check                        %8.1f ms  %s  (target <= 10x; %zu messages)\n", check * 1e3,
                Ratio(check, split).c_str(), messages);
    std::printf("reformat                     %8.1f ms  %s  (target <= 15x; %zu lines rewritten)\n",
                reformat * 1e3, Ratio(reformat, split).c_str(), changed);
    std::printf("scan all tokens              %8.1f ms  %s  (target <= 3x; %zu tokens)\n", scan * 1e3,
                Ratio(scan, split).c_str(), tokens);
    std::printf("memory: at start %s, peak %s\n", Megabytes(startMemory).c_str(),
                Megabytes(PeakMemory()).c_str());
    return 0;
}
