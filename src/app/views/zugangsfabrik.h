#pragma once
// What screen readers get of the program's picture controls: the roles and press
// actions their owners gave them (`platform::KeyControls`), decorative pictures and
// controls out of use hidden, the menu strip as its commands, and every rectangle in
// the screen's own pixels.
namespace app {

// Makes the interfaces known to the accessibility layer; once per program.
void ZugangEinrichten();

} // namespace app
