#include "authoring/core/importlauf.h"
#include "platform/bitmapfile.h"

namespace authoring {

// Apart from the import, which links no picture reader of its own.
Bildwerkzeuge Bildwerkzeuge::mitGui() {
    return {album::Kleinbild, platform::bitmapSize};
}

} // namespace authoring
