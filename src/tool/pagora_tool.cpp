// pagora-tool: the authoring engines without the windows. Works on a data root and a
// programme name as the program does when started through "<name>.exe" there.
//
// This front needs Qt's core only: it runs the commands that only read (pages,
// contents, suche) and the import itself and hands every other call to the module
// beside it that links the picture libraries, so that a search or an import costs no
// more to start than it must.
#include "platform/translation.h"
#include "tool/aufruf.h"
#include "tool/befehl_import.h"
#include "tool/werkzeug.h"
#include "tool/werkzeugmodul.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

int befehlsmodulAusfuehren() {
    const QString hier = QCoreApplication::applicationDirPath();
    if (auto befehl = reinterpret_cast<int (*)()>(werkzeugmodul(hier, "pagora-tool-befehle", "pagora_werkzeug_befehl")))
        return befehl();
    klage(befehlsmodulFehlt());
    return Abgelehnt;
}

// `pdf` draws with the reader's windows and makes their application itself: it is
// handed over, to a module of its own that links them, before this front makes its own.
std::optional<int> pdfAusfuehren(int argc, char **argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const auto aufruf = lesen(args);
    if (!aufruf || aufruf->befehl != QLatin1String("pdf") || aufruf->hilfe) return std::nullopt;
    const QString hier = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section('/', 0, -2);
    if (auto befehl =
            reinterpret_cast<int (*)(int, char **)>(werkzeugmodul(hier, "pagora-tool-pdf", "pagora_werkzeug_pdf")))
        return befehl(argc, argv);
    QCoreApplication anwendung(argc, argv);
    platform::installTranslation(anwendung);
    klage(Werkzeug::tr("Der Teil von pagora-tool, der PDF-Dateien schreibt (pagora-tool-pdf.so), fehlt neben %1; "
                       "bitte installieren Sie Pagora neu.")
              .arg(hier));
    return Abgelehnt;
}

} // namespace

int main(int argc, char **argv) {
    if (const auto pdf = pdfAusfuehren(argc, argv)) return *pdf;
    qInstallMessageHandler(stilleMeldungen);
    // No command needs a font engine or a screen: the import measures text in widths
    // built into the program, and the album only reads and writes pictures.
    // Pictures without a resolution of their own are written at 96 dpi, as the program
    // on its offscreen or standard screen writes them, not at Qt's 100 for no screen.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
    QCoreApplication anwendung(argc, argv);
    platform::installTranslation(anwendung);
    const auto aufruf = lesen(QCoreApplication::arguments());
    const bool import = aufruf && aufruf->befehl == QLatin1String("import");
    if (!aufruf || aufruf->hilfe || aufruf->root.isEmpty() || aufruf->name.isEmpty() ||
        (!nurLesend(*aufruf) && !import))
        return befehlsmodulAusfuehren();
    projekt::Zustand z;
    if (!oeffnen(z, *aufruf)) return Abgelehnt;
    const int ergebnis = import ? importAusfuehren(z, *aufruf) : lesendAusfuehren(z, *aufruf).value_or(Aufruffehler);
    if (ergebnis == Aufruffehler) klage(Werkzeug::tr(kBefehlsHilfe.value(aufruf->befehl)));
    return ergebnis;
}
