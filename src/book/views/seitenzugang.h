#pragma once
// What a screen reader gets of a page of the book: the page's name and its lines as
// read-only text, each character where the page draws it.
namespace book {

// Makes the pages known to the accessibility layer; once per program, on the first page.
void SeitenzugangEinrichten();

} // namespace book
