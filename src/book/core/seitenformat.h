#pragma once
// Byte layout of a page record: 29 lines of 53 bytes (text and CR LF).
namespace book {

constexpr int kZeilenJeSeite = 29;
constexpr int kZeilenLaenge = 53;
constexpr int kSeitensatzGroesse = 1537;
static_assert(kZeilenJeSeite * kZeilenLaenge == kSeitensatzGroesse);

} // namespace book
