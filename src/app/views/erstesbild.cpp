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
    ErstesBild(QWidget &flaeche, std::function<void()> danach) : QObject(&flaeche), danach_(std::move(danach)) {}
    bool eventFilter(QObject *obj, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            obj->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                danach_();
                deleteLater();
            });
        }
        return QObject::eventFilter(obj, event);
    }

private:
    std::function<void()> danach_;
};

} // namespace

void NachErstemBild(QWidget &flaeche, std::function<void()> danach) {
    flaeche.installEventFilter(new ErstesBild(flaeche, std::move(danach)));
}

void ErstesBildMelden(QWidget &flaeche) {
    if (!qEnvironmentVariableIsSet("PAGORA_BENCH_ERSTES_BILD")) return;
    NachErstemBild(flaeche, [] {
        std::puts("erstes-bild");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

} // namespace app
