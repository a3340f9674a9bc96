// A core that reaches for a widget: the build must refuse it.
#include <QtWidgets/QWidget>

int kernMitWidget() {
    return 0;
}
