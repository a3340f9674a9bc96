#pragma once
// pagora-tool pdf: a part of the book as a PDF, drawn by the reader itself.

// Called by the tool before it makes an application of its own: this command needs the
// windows' one (on a screen nobody sees), which it makes and ends itself.
extern "C" int pagora_werkzeug_pdf(int argc, char **argv);
