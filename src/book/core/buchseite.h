#pragma once

namespace book {

// A page of the reader's numbering: negative numbers are the cover and the tour's
// screens, 0..999 the text, 1000..1999 the album, from 2000 the help. Page 0 of each
// part is its contents spread. Stored bookmarks and tab targets use these numbers.
struct Buchseite {
    enum class Teil { Deckel, Text, Album, Hilfe };
    int zahl = 0;

    // Page `nummer` of a part; 0 is the part's contents spread.
    static Buchseite im(Teil teil, int nummer) {
        switch (teil) {
        case Teil::Album: return {1000 + nummer};
        case Teil::Hilfe: return {2000 + nummer};
        case Teil::Deckel:
        case Teil::Text: break;
        }
        return {nummer};
    }
    static Buchseite anfang(Teil teil) { return im(teil, 0); }

    Teil teil() const {
        if (zahl < 0) return Teil::Deckel;
        if (zahl < 1000) return Teil::Text;
        if (zahl < 2000) return Teil::Album;
        return Teil::Hilfe;
    }
    int nummer() const { return zahl % 1000; } // within the part
    bool inhalt() const { return zahl >= 0 && zahl % 1000 == 0; }
};

} // namespace book
