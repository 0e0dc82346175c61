#pragma once

// Unicode character of every cell of the GB2312 code space, row-major from code A1A1 (cell
// (hi - 0xA1) * 94 + (lo - 0xA1)); 0 where GB2312 assigns nothing.
extern const unsigned short kGb2312Unicode[94 * 94];
