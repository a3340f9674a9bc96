#pragma once
// Where the 16 captions of an album spread sit on the sheet (538 × 384): two pages of
// two columns and four rows; caption k (0..15) is on the left page for k < 8, two to a row.
#include <array>

namespace album {

inline constexpr std::array<int, 4> kAlbumSpalten = {0, 120, 296, 416};
inline constexpr std::array<int, 4> kAlbumZeilen = {5, 101, 197, 293};
inline constexpr int kAlbumBeschriftungBreite = 102;

constexpr int AlbumSpalte(int k) {
    return kAlbumSpalten[size_t((k % 16 / 8) * 2 + k % 2)];
}
constexpr int AlbumZeile(int k) {
    return kAlbumZeilen[size_t((k % 8) / 2)];
}

} // namespace album
