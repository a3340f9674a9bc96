// The reference of the start-up benchmark: a bare Qt program that shows one empty
// black full-screen window and reports its first painted frame, as Pagora does.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

class Fenster : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override {
        if (gemeldet_) return;
        gemeldet_ = true;
        QTimer::singleShot(0, qApp, [] {
            std::puts("erstes-bild");
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

private:
    bool gemeldet_ = false;
};

} // namespace

int main(int argc, char **argv) {
    QApplication anwendung(argc, argv);
    Fenster fenster;
    fenster.setAutoFillBackground(true);
    fenster.setPalette(QPalette(Qt::black));
    fenster.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    fenster.showFullScreen();
    return anwendung.exec();
}
