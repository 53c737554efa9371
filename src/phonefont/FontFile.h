#pragma once
// The phone font file: the screen profiles and the glyph bitmaps of every font, made at
// build time by avizad-phonefont-gen and read by this library and by the emulator. All
// numbers are big-endian; offsets count from the start of the file.
//
//   "APF1"
//   u8 profile count; per profile: u16 width, u16 height, u8 small, medium, large pixel size
//   u8 family of each face (system, monospace, proportional)
//   u16 character count n; n UTF-16 code units, ascending
//   u8 strike count; per strike: u8 family, u8 pixel size, u8 variant (1 bold, 2 italic),
//      u8 ascent, u8 descent, u32 offset of its n + 1 glyph records
//   glyph record (8 bytes): u8 advance, i8 left, i8 top, u8 width, u8 height, u24 offset of
//      its bitmap; record 0 is the replacement glyph, record i + 1 that of character i
//   bitmap: width x height bits, row after row, most significant bit first, rows not padded
//
// `left` is the bitmap's first column right of the pen, `top` its first row above the
// baseline.

#include <cstdint>

namespace avizad::phonefont {

inline constexpr char kFontFileMagic[4] = {'A', 'P', 'F', '1'};
inline constexpr int kFaceCount = 3;
inline constexpr int kGlyphRecordSize = 8;
inline constexpr std::uint8_t kVariantBold = 1;
inline constexpr std::uint8_t kVariantItalic = 2;

}  // namespace avizad::phonefont
