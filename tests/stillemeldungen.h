#pragma once
// Message boxes that answer themselves, for tests that only drive the windows.
#include "app/views/meldungen.h"

namespace testing {

class StilleMeldungen : public app::Meldungen {
public:
    void zeigen(Art, const QString &) override {}
    bool okAbbrechen(const QString &) override { return true; }
};

} // namespace testing
