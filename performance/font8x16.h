#pragma once

// The screen's narrow font: 256 glyphs of 8 x 16 pixels in code page 437 order. The glyph of
// byte value c starts at 16 * c; byte j is row j, bit 7 the leftmost pixel.
extern const unsigned char kFont8x16[4096];

// Unicode character of each byte value 0x80..0xFF in code page 437, so that text can be put
// into the font's own code page.
extern const unsigned short kCp437Upper[128];
