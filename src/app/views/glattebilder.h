#pragma once
// When the book is drawn larger than its pixels, pictures shown in labels are scaled
// smoothly instead of having their pixels repeated.
class QApplication;

namespace app {

void GlatteBilderSetzen(QApplication &anwendung);

} // namespace app
