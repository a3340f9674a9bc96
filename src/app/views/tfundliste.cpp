#include "app/views/tfundliste.h"

namespace app {

TFundliste::TFundliste(QWidget *parent) : QWidget(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("Fundliste");
    setWindowTitle(tr("Fundliste"));
    resize(320, 400);
}

} // namespace app
