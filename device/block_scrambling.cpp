#include "device/block_scrambling.h"

#include <cstdint>
#include <utility>

namespace {

// "TaVrisOp", the fixed key that every scrambled block is offset by, nibble-swapped.
constexpr unsigned char swapNibbles(unsigned char c)
{
    return static_cast<unsigned char>((c << 4) | (c >> 4));
}
constexpr unsigned char Offsets[8] = {swapNibbles('T'), swapNibbles('a'), swapNibbles('V'), swapNibbles('r'),
                                      swapNibbles('i'), swapNibbles('s'), swapNibbles('O'), swapNibbles('p')};

void swapPairs(unsigned char *p)
{
    std::swap(p[0], p[5]);
    std::swap(p[1], p[4]);
    std::swap(p[2], p[7]);
    std::swap(p[3], p[6]);
}

void xorCode(unsigned char *p, const unsigned char *code)
{
    for (int i = 1; i <= 6; ++i)
        p[i] ^= code[i];
}

// The block read as one big-endian 64-bit number, p[0] most significant.
std::uint64_t load(const unsigned char *p)
{
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | p[i];
    return v;
}

void store(unsigned char *p, std::uint64_t v)
{
    for (int i = 7; i >= 0; --i) {
        p[i] = static_cast<unsigned char>(v & 0xFF);
        v >>= 8;
    }
}

} // namespace

void scrambleBlock(unsigned char *block, const unsigned char *secrecyCode)
{
    swapPairs(block);
    xorCode(block, secrecyCode);
    const std::uint64_t v = load(block);
    store(block, (v << 3) | (v >> 61));
    for (int i = 0; i < 8; ++i)
        block[i] = static_cast<unsigned char>(block[i] + Offsets[i]);
}

void unscrambleBlock(unsigned char *block, const unsigned char *secrecyCode)
{
    for (int i = 0; i < 8; ++i)
        block[i] = static_cast<unsigned char>(block[i] - Offsets[i]);
    const std::uint64_t v = load(block);
    store(block, (v >> 3) | (v << 61));
    xorCode(block, secrecyCode);
    swapPairs(block);
}
