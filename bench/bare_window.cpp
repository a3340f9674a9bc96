// The reference of the start-up benchmark: a bare Qt program that shows one empty
// black full-screen window and reports its first painted frame, as Pagora does. Without a
// window manager (Xvfb) "full screen" alone leaves a window at Qt's default size: the
// window is given the screen's size itself, as Pagora's is, so that both draw as many pixels.
#include <QApplication>
#include <QScreen>
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
    fenster.setGeometry(QGuiApplication::primaryScreen()->geometry());
    fenster.showFullScreen();
    return anwendung.exec();
}
