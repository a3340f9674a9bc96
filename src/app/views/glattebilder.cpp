#include "app/views/glattebilder.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

namespace app {
namespace {

class GlatteBilder : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawItemPixmap(QPainter *maler, const QRect &rechteck, int ausrichtung, const QPixmap &bild) const override {
        const bool vorher = maler->testRenderHint(QPainter::SmoothPixmapTransform);
        maler->setRenderHint(QPainter::SmoothPixmapTransform);
        QProxyStyle::drawItemPixmap(maler, rechteck, ausrichtung, bild);
        maler->setRenderHint(QPainter::SmoothPixmapTransform, vorher);
    }
};

} // namespace

void GlatteBilderSetzen(QApplication &anwendung) {
    anwendung.setStyle(new GlatteBilder(QApplication::style()->name()));
}

} // namespace app
