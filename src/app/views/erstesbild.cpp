#include "app/views/erstesbild.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace app {
namespace {

class ErstesBild : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *obj, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            obj->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                std::puts("erstes-bild");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(obj, event);
    }
};

} // namespace

void ErstesBildMelden(QWidget &flaeche) {
    if (qEnvironmentVariableIsSet("PAGORA_BENCH_ERSTES_BILD")) flaeche.installEventFilter(new ErstesBild(&flaeche));
}

} // namespace app
