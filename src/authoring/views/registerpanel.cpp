#include "authoring/views/registerpanel.h"

#include "authoring/views/bearbeitungskontext.h"
#include "authoring/views/einstellungenspeichern.h"
#include "book/core/buchseite.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace authoring {

const QColor Registerpanel::kGewaehlt(255, 255, 0);
const QColor Registerpanel::kFrei(192, 192, 192);

Registerpanel::Registerpanel(Bearbeitungskontext &kontext) : Aufgabenpanel(kontext, "Panel9Register") {
    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(10, 8, 10, 8);
    raster->setHorizontalSpacing(3);
    auto *anleitung = new QLabel(tr("Beschriften Sie das Register und beobachten Sie die Textverteilung"), this);
    anleitung->setWordWrap(true);
    raster->addWidget(anleitung, 0, 0, 1, 6);
    raster->addWidget(new QLabel(tr("Beschriftung"), this), 1, 1);
    raster->addWidget(new QLabel(tr("Buchteil"), this), 1, 2, 1, 3, Qt::AlignHCenter);
    raster->addWidget(new QLabel(tr("Seite"), this), 1, 5);

    for (int k = 0; k < kGriffAnzahl; ++k) {
        const QString nummer = QString::number(k + 1);
        raster->addWidget(new QLabel(nummer, this), k + 2, 0);
        QLineEdit *text = new QLineEdit(this);
        text->setObjectName("EditGriff" + nummer);
        text->setAccessibleName(tr("Beschriftung %1").arg(nummer));
        text->setMaxLength(projekt::kMaxWertLaenge);
        connect(text, &QLineEdit::textChanged, this, &Registerpanel::vorschau);
        raster->addWidget(text, k + 2, 1);
        auto toggle = [&](const char *art, const QString &beschriftung, Buchteil teil) {
            auto *b = new QPushButton(beschriftung, this);
            b->setObjectName("PanelGriff" + nummer + QLatin1String(art));
            b->setAccessibleName(tr("Register %1: %2").arg(nummer, beschriftung));
            b->setFixedWidth(44);
            b->setCheckable(true);
            b->setFont(kontext_.schrift());
            connect(b, &QPushButton::clicked, this, [this, k, teil] { GriffZuordnung(k, teil); });
            return b;
        };
        PanelGriffT[size_t(k)] = toggle("T", tr("Text"), Buchteil::Text);
        PanelGriffB[size_t(k)] = toggle("B", tr("Bilder"), Buchteil::Bilder);
        PanelGriffH[size_t(k)] = toggle("H", tr("Hilfe"), Buchteil::Hilfe);
        raster->addWidget(PanelGriffT[size_t(k)], k + 2, 2);
        raster->addWidget(PanelGriffB[size_t(k)], k + 2, 3);
        raster->addWidget(PanelGriffH[size_t(k)], k + 2, 4);
        QLineEdit *seite = new QLineEdit(this);
        seite->setObjectName("EditGriff" + nummer + "Seite");
        seite->setAccessibleName(tr("Seite %1").arg(nummer));
        seite->setFixedWidth(44);
        seite->setMaxLength(11);
        connect(seite, &QLineEdit::textChanged, this, &Registerpanel::vorschau);
        raster->addWidget(seite, k + 2, 5);
        EditGriff[size_t(k)] = text;
        EditGriffSeite[size_t(k)] = seite;
        PanelFarbe(k);
    }
    // Said while typing: a caption the tab cannot hold is cut off on the book.
    LabelGriffWarnung = new QLabel(this);
    LabelGriffWarnung->setObjectName("LabelGriffWarnung");
    LabelGriffWarnung->setWordWrap(true);
    QPalette rot = LabelGriffWarnung->palette();
    rot.setColor(QPalette::WindowText, QColor(170, 0, 0));
    LabelGriffWarnung->setPalette(rot);
    raster->addWidget(LabelGriffWarnung, kGriffAnzahl + 2, 0, 1, 4);
    BitBtnRegisterOk = new QPushButton(tr("OK"), this);
    BitBtnRegisterOk->setObjectName("BitBtnRegisterOk");
    connect(BitBtnRegisterOk, &QPushButton::clicked, this, &Registerpanel::BitBtnRegisterOkClick);
    raster->addWidget(BitBtnRegisterOk, kGriffAnzahl + 2, 4, 1, 2, Qt::AlignRight);
    raster->setRowStretch(kGriffAnzahl + 3, 1);
    raster->setColumnStretch(1, 1);
}

void Registerpanel::PanelRegisterClick() {
    kontext_.verbergen();
    if (Buchsteuerung *buch = kontext_.buch())
        buch->SeitenZeigen(book::Buchseite::anfang(book::Buchseite::Teil::Album).zahl);
    kontext_.inDieEcke(true);
    kontext_.Auswahl(Aufgabe::Register);
}

void Registerpanel::laden() {
    const auto geladen = GriffzeilenLesen(kontext_.zustand().einstellungen, teile_);
    for (int k = 0; k < kGriffAnzahl; ++k) {
        const Griffzeile &z = geladen[size_t(k)];
        const QSignalBlocker a(EditGriff[size_t(k)]), b(EditGriffSeite[size_t(k)]);
        EditGriff[size_t(k)]->setText(z.text);
        EditGriffSeite[size_t(k)]->setText(z.seite);
        teile_[size_t(k)] = z.teil;
        PanelFarbe(k);
    }
    vorschau();
}

void Registerpanel::PanelFarbe(int k) {
    const auto faerben = [](QPushButton *b, bool gewaehlt) {
        b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid gray; padding: 1px; }")
                             .arg((gewaehlt ? kGewaehlt : kFrei).name()));
        b->setChecked(gewaehlt);
    };
    faerben(PanelGriffT[size_t(k)], teile_[size_t(k)] == Buchteil::Text);
    faerben(PanelGriffB[size_t(k)], teile_[size_t(k)] == Buchteil::Bilder);
    faerben(PanelGriffH[size_t(k)], teile_[size_t(k)] == Buchteil::Hilfe);
}

void Registerpanel::GriffZuordnung(int k, Buchteil geklickt) {
    Buchteil &teil = teile_[size_t(k)];
    teil = teil == geklickt ? Buchteil::Keiner : geklickt;
    PanelFarbe(k);
    vorschau();
}

std::array<Griffzeile, kGriffAnzahl> Registerpanel::zeilen() const {
    std::array<Griffzeile, kGriffAnzahl> z;
    for (int k = 0; k < kGriffAnzahl; ++k)
        z[size_t(k)] = {EditGriff[size_t(k)]->text(), teile_[size_t(k)], EditGriffSeite[size_t(k)]->text()};
    return z;
}

// The tabs as OK would leave them: a row without a part has no tab.
void Registerpanel::vorschau() {
    Buchsteuerung *buch = kontext_.buch();
    if (!buch) return;
    QStringList texte;
    std::array<int, kGriffAnzahl> ziele{};
    const auto z = zeilen();
    for (int k = 0; k < kGriffAnzahl; ++k) {
        const Griffziel ziel = Griffdaten(z[size_t(k)]);
        texte << ziel.text;
        ziele[size_t(k)] = ziel.seite;
    }
    buch->GriffeVorschau(texte, ziele);
    QStringList zuBreit;
    for (int k = 0; k < kGriffAnzahl; ++k)
        if (!buch->GriffTextPasst(texte[k])) zuBreit << QString::number(k + 1);
    LabelGriffWarnung->setText(zuBreit.isEmpty() ? QString()
                                                 : tr("Die Beschriftung von Register %1 passt nicht auf den Griff "
                                                      "und wird abgeschnitten.")
                                                       .arg(zuBreit.join(", ")));
}

void Registerpanel::BitBtnRegisterOkClick() {
    GriffeEintragen(kontext_.zustand().einstellungen, zeilen());
    kontext_.verbergen();
    EinstellungenSpeichern(kontext_);
}

} // namespace authoring
