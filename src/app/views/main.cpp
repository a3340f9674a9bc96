// Program entry: the three windows in their order, then the event loop.
#include "app/core/zustand.h"
#include "app/views/druckausgabe.h"
#include "app/views/erstesbild.h"
#include "app/views/glattebilder.h"
#include "app/views/meldungen.h"
#include "app/views/timageform.h"
#include "authoring/views/tbearbeitung.h"
#include "platform/fonts.h"
#include "platform/screen.h"
#include "platform/translation.h"
#include "project/core/exelaufwerk.h"
#include "search/views/tfundliste.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <memory>

int main(int argc, char **argv) {
    platform::useOwnFontConfiguration();
    QApplication anwendung(argc, argv);
    platform::registerBundledFonts();
    platform::installTranslation(anwendung);

    app::Zustand zustand;
    QSettings vorlieben(QSettings::UserScope, QStringLiteral("Pagora"), QStringLiteral("Pagora"));
    zustand.ansicht = app::Ansicht::lesen(vorlieben);
    const QSize geraet = platform::nativeScreenSize();
    const double faktor = app::Zeichenfaktor(zustand.ansicht.buchgroesse, geraet.width(), geraet.height());
    if (faktor != platform::drawingFactor()) {
        platform::setDrawingFactor(faktor);
        app::GlatteBilderSetzen(anwendung);
    }
    zustand.programmDatei = projekt::laufendeProgrammDatei(zustand.dateien, argc > 0 ? argv[0] : nullptr);
    platform::SystemScreen bildschirm;
    app::Meldungsboxen boxen;

    app::TImageForm ImageForm(zustand, bildschirm, boxen);
    if (ImageForm.startAbgebrochen()) return 1;
    std::unique_ptr<search::TFundliste> Fundliste;
    // The found list is made by the first album search; the authoring window when first
    // wanted, at the latest once the book has opened: the reader waits for neither.
    std::unique_ptr<authoring::TBearbeitung> Bearbeitung;
    ImageForm.setFenster(
        [&] {
            if (!Fundliste) Fundliste = std::make_unique<search::TFundliste>();
            return Fundliste.get();
        },
        [&] {
            if (!Bearbeitung) Bearbeitung = std::make_unique<authoring::TBearbeitung>(zustand, bildschirm, boxen);
            return Bearbeitung.get();
        });
    ImageForm.setDrucker([](const app::Druckvorlage &seite) { return app::Ausdrucken(seite, QDir::homePath()); });
    boxen.setEltern(&ImageForm);
    QObject::connect(&ImageForm, &app::TImageForm::programmEnde, &anwendung, &QCoreApplication::quit);

    app::ErstesBildMelden(*ImageForm.centralWidget());
    ImageForm.showFullScreen();
    return anwendung.exec();
}
