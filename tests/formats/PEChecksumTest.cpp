#include "formats/PEChecksum.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace ballforge;

// The textbook loop: add 16-bit words, fold after each addition.
static std::uint32_t ReferenceChecksum(const std::vector<std::uint8_t>& b, std::size_t csOffset) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < b.size(); i += 2) {
        std::uint32_t word = b[i];
        if (i + 1 < b.size()) word |= std::uint32_t(b[i + 1]) << 8;
        if (i >= csOffset && i < csOffset + 4) word = 0;
        sum += word;
        if (sum > 0xFFFF) sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return (sum & 0xFFFF) + std::uint32_t(b.size());
}

TEST(PEChecksum, MatchesTheWordByWordDefinitionInAnyChunking) {
    std::mt19937 rng(42);
    for (std::size_t size : {0u, 1u, 2u, 3u, 7u, 64u, 65u, 4097u, 100001u}) {
        std::vector<std::uint8_t> data(size);
        for (auto& b : data) b = std::uint8_t(rng());
        const std::size_t cs = size > 100 ? 64 : size + 10;
        const std::uint32_t expected = ReferenceChecksum(data, cs);
        EXPECT_EQ(PEImageChecksum(data, cs), expected) << size;
        // Feed the same bytes in odd-sized chunks, the checksum field as zeros.
        if (size > 100) {
            TPEChecksum sum;
            std::size_t pos = 0, step = 1;
            while (pos < cs) {
                const std::size_t n = std::min(step, cs - pos);
                sum.Add(std::span<const std::uint8_t>(data).subspan(pos, n));
                pos += n;
                step = step * 3 + 1;
            }
            sum.AddZeros(4);
            sum.Add(std::span<const std::uint8_t>(data).subspan(cs + 4, 3));
            sum.Add(std::span<const std::uint8_t>(data).subspan(cs + 7));
            EXPECT_EQ(sum.Value(), expected) << size;
        }
    }
}

TEST(PEChecksum, AllOnesFoldsToFFFF) {
    std::vector<std::uint8_t> data(1024, 0xFF);
    EXPECT_EQ(PEImageChecksum(data, 4096), ReferenceChecksum(data, 4096));
    std::vector<std::uint8_t> zeros(1024, 0);
    EXPECT_EQ(PEImageChecksum(zeros, 4096), 1024u);
}
