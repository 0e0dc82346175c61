#pragma once

#include <QVariantList>
#include <array>
#include <cstdint>

// The mouse's 96 x 39 monochrome screen in the device's format: 512 bytes of column pages.
// Byte n holds page n / 96 and column n % 96; its bit b is the pixel (column, 8 * page + b).
// Pages 0..4 cover the screen (row 39, bit 7 of page 4, lies below it); bytes 480..511, the
// first 32 columns of page 5, are sent as they are.
constexpr int kScreenWidth = 96;
constexpr int kScreenHeight = 39;
constexpr int kScreenImageBytes = 512;
constexpr int kPictureBytes = 480;
constexpr int kScreenChunkBytes = 128;

using ScreenImage = std::array<unsigned char, kScreenImageBytes>;

// One 64-bit entry per column; bit y of entry x is the pixel (x, y).
using ScreenColumns = std::array<std::uint64_t, kScreenWidth>;

ScreenImage packScreenColumns(const ScreenColumns &columns);

// A zeroed image with byte i set to the low 8 bits of entry i; entries beyond 512 are ignored.
ScreenImage screenImageFromList(const QVariantList &bytes);
