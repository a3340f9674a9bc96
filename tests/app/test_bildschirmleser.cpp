// The main window as a screen reader sees it, through Qt's accessibility interfaces:
// names, roles and actions of the picture controls, the menu strip's commands, nothing
// hidden read as shown, and rectangles in the screen's pixels on a screen drawn larger.
#include "album/views/albumblatt.h"
#include "album/views/bildansicht.h"
#include "app/views/bildmenue.h"
#include "app/views/timageform.h"
#include "book/core/seitensatz.h"
#include "book/views/buchpanel.h"
#include "buchfixture.h"
#include "buchteile.h"
#include "fixture.h"
#include "menueteile.h"
#include "platform/screen.h"
#include "stillemeldungen.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

using testing::sichtbar;

namespace {

struct Leserbuch {
    Leserbuch() {
        w.schreiben("names.exe", "x");
        for (const char *bild : {"CBT0", "Book", "CBTend"})
            w.bitmap(QStringLiteral("Help/%1.bmp").arg(QLatin1String(bild)), 20, 20);
        w.bitmap("Help/Album0.bmp", 524, 384, Qt::white);
        w.text("Pagora.ini", {"ShowCBT=0", "Sheet1=Anfang", "Sheet2=Bilder", "Mark1=4", "Mark2=1002", "Mark6=4"});
        // Contents on two spreads: the second list of the first spread stays hidden.
        QStringList inhalt;
        for (int i = 1; i <= 50; ++i)
            inhalt << QStringLiteral("Kapitel %1").arg(i).leftJustified(14) + QString::number(2 + i % 8);
        w.text("Pagora/Pages/Pagora.1", inhalt);
        w.text("Pagora/Pages/Pagora.2", {"Bilder        1"});
        w.text("Pagora/Pages/Pagora.6", {"Hilfe         1"});
        w.text("Pagora/Pages/Pagora.3", {"Turm:Der Turm", "Hafen:Der Hafen"});
        QByteArray seiten;
        for (int s = 1; s <= 9; ++s) {
            book::Seitensatz satz;
            satz.setzen(1, "Seite " + QByteArray::number(s));
            if (s == 5) {
                satz.setzen(4, ":B:Turm");
                satz.setzen(5, "\xa4"
                               "Der Turm");
            }
            seiten += satz.bytes();
        }
        w.schreiben("Pagora/Pages/Pagora.5", seiten);
        w.schreiben("Pagora/Pages/Pagora.7", seiten.left(4 * 1537));
        w.bitmap("Pagora/Slides/Turm.bmp", 200, 100, Qt::darkGreen);
        for (const char *name : {"Turm", "Hafen"})
            w.bitmap(QStringLiteral("Pagora/Album/%1.bmp").arg(QLatin1String(name)), 400, 300, Qt::darkCyan);
        w.bitmap("Pagora/Pages/Pagora002.bmp", 524, 384, Qt::white);
        testing::leserOeffnen(w, screen, meldungen, zustand, form);
        form->show();
    }
    testing::Datenwurzel w;
    platform::SimulatedScreen screen{{1024, 768, 96}};
    testing::StilleMeldungen meldungen;
    std::unique_ptr<app::Zustand> zustand;
    std::unique_ptr<app::TImageForm> form;
};

QAccessibleInterface *zugang(QObject *o) {
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(o);
    if (!i) qFatal("no accessible interface for %s", qPrintable(o->objectName()));
    return i;
}

void druecken(QAccessibleInterface *i) {
    QVERIFY(i->actionInterface());
    const QStringList aktionen = i->actionInterface()->actionNames();
    const QString aktion = aktionen.contains(QAccessibleActionInterface::toggleAction())
                               ? QAccessibleActionInterface::toggleAction()
                               : QAccessibleActionInterface::pressAction();
    QVERIFY2(aktionen.contains(aktion), qPrintable(aktionen.join(',')));
    i->actionInterface()->doAction(aktion);
}

// Every object of the tree below `i`: what lies in a hidden object is hidden too, and
// every shown control a reader can meet has a name.
void baumPruefen(QAccessibleInterface *i, bool verborgen, QStringList &fehler, const QString &weg) {
    const bool hier = verborgen || i->state().invisible;
    const QString name = i->text(QAccessible::Name);
    const QString ort = weg + "/" + (i->object() ? i->object()->objectName() : name);
    if (verborgen && !i->state().invisible) fehler << "shown inside a hidden one: " + ort;
    static const QList<QAccessible::Role> benannt = {QAccessible::Button, QAccessible::CheckBox,
                                                     QAccessible::RadioButton, QAccessible::PageTab,
                                                     QAccessible::Graphic};
    if (!hier && benannt.contains(i->role()) && name.trimmed().isEmpty()) fehler << "no name: " + ort;
    for (int k = 0; k < i->childCount(); ++k)
        if (QAccessibleInterface *kind = i->child(k)) baumPruefen(kind, hier, fehler, ort);
}

} // namespace

class TestBildschirmleser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QAccessible::setActive(true); }

    // The menu strip is a tool bar of its commands; pressing one runs it.
    void dasBildmenueIstEineReiheVonKnoepfen() {
        Leserbuch b;
        b.form->SeitenZeigen(2);
        QAccessibleInterface *menue = zugang(testing::Menueteile(*b.form->PanelMenu()).ImageMenu);
        QCOMPARE(menue->role(), QAccessible::ToolBar);
        QCOMPARE(menue->childCount(), 10);
        QStringList namen;
        for (int k = 0; k < menue->childCount(); ++k) {
            QAccessibleInterface *befehl = menue->child(k);
            QCOMPARE(befehl->role(), QAccessible::Button);
            QCOMPARE(befehl->parent(), menue);
            QCOMPARE(menue->indexOfChild(befehl), k);
            QVERIFY(!befehl->text(QAccessible::Description).isEmpty());
            QVERIFY(befehl->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            namen << befehl->text(QAccessible::Name);
        }
        QCOMPARE(namen, QStringList({"Bearbeiten", "Lesen", "Album", "Hilfe", "Suchen", "Bildlauf", "Drucken",
                                     "Hintergrundbild", "Fensterdarstellung", "Beenden"}));
        const int album = 1000 + 2 * b.zustand->AlbumAufschlag;
        menue->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(b.zustand->AktuelleSeite, album);
        menue->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(b.zustand->AktuelleSeite >= 2000);
        menue->child(8)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(b.form->fensterstil());
    }

    // Ribbons, tabs, album cells, pictures in the text and the tick box: roles, names,
    // and a press that does what a click does.
    void bildsteuerungenHabenRollenUndAktionen() {
        Leserbuch b;
        auto teile = testing::teile(b.form->PanelBuch());
        b.form->SeitenZeigen(6);
        QVERIFY(sichtbar(teile.LesezeichenL[0])); // laid on page 4, before the spread
        QAccessibleInterface *band = zugang(teile.LesezeichenL[0]);
        QCOMPARE(band->role(), QAccessible::Button);
        QCOMPARE(band->text(QAccessible::Name), QString("Text, Seite 3-4"));
        druecken(band);
        QCOMPARE(b.zustand->AktuelleSeite, 4);

        b.form->SeitenZeigen(8);
        QLabel *griffBild = sichtbar(teile.LabelGriffL[1]) ? teile.LabelGriffL[1] : teile.LabelGriffR[1];
        QAccessibleInterface *griff = zugang(griffBild);
        QCOMPARE(griff->role(), QAccessible::PageTab);
        QCOMPARE(griff->text(QAccessible::Name), QString("Bilder"));
        druecken(griff);
        QCOMPARE(b.zustand->AktuelleSeite, 1002);

        QAccessibleInterface *zelle = zugang(b.form->albumblatt()->AlbumLabels[1]);
        QCOMPARE(zelle->role(), QAccessible::Button);
        QCOMPARE(zelle->text(QAccessible::Name), QString("Der Hafen"));
        QVERIFY(zugang(b.form->albumblatt()->AlbumLabels[5])->state().invisible); // an empty cell
        druecken(zelle);
        QCOMPARE(b.form->bildansicht()->aktuellesBild().toUpper(), QString("HAFEN"));

        b.form->SeitenZeigen(6);
        QAccessibleInterface *textbild = zugang(teile.ImageTextBild[0]);
        QCOMPARE(textbild->role(), QAccessible::Button);
        QVERIFY(!textbild->text(QAccessible::Name).isEmpty());
        druecken(textbild);
        QCOMPARE(b.form->bildansicht()->aktuellesBild().toUpper(), QString("TURM"));

        b.form->SeitenZeigen(-1);
        QAccessibleInterface *haken = zugang(teile.PanelNoCBT);
        QCOMPARE(haken->role(), QAccessible::CheckBox);
        QCOMPARE(haken->text(QAccessible::Name), QString("Anleitung nicht mehr zeigen"));
        QVERIFY(haken->state().checkable);
        QVERIFY(haken->state().checked); // ShowCBT=0: the guide is not shown
        druecken(haken);
        QVERIFY(!haken->state().checked);
        QCOMPARE(b.zustand->einstellungen.wert("ShowCBT"), QString());
    }

    // Nothing hidden is read as shown, and whatever is shown has a name: on a reading
    // spread after the contents, on the first contents spread, on an album spread.
    void verborgenesBleibtVerborgen() {
        Leserbuch b;
        for (int seite : {0, 2, 1000, 1002, 4, -1}) {
            b.form->SeitenZeigen(seite);
            if (seite == 1000 || seite == 0) {
                // A list entry chosen by key, then the list goes.
                QListWidget *liste = testing::teile(b.form->PanelBuch()).Inhalt1();
                liste->setFocus();
                liste->setCurrentRow(1);
            }
            QStringList fehler;
            baumPruefen(zugang(b.form.get()), false, fehler, QString::number(seite));
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join('\n')));
        }
        // The first contents spread: the second list is hidden and holds nothing to read.
        b.form->SeitenZeigen(0);
        QListWidget *zweite = testing::teile(b.form->PanelBuch()).Inhalt2();
        QVERIFY(!zweite->isVisible());
        QCOMPARE(zugang(zweite)->childCount() > 0 && !zugang(zweite)->child(0)->state().invisible, false);
    }

    // Drawn larger, the screen reader gets the screen's own pixels.
    void rechteckeInBildschirmpunkten() {
        Leserbuch b;
        b.form->SeitenZeigen(2);
        const double f = platform::drawingFactor();
        QAccessibleInterface *seite = zugang(b.form->PanelBuch()->findChild<QWidget *>("MemoTextLinks"));
        QCOMPARE(seite->rect().width(), qRound(241 * f));
        QAccessibleInterface *menue = zugang(testing::Menueteile(*b.form->PanelMenu()).ImageMenu);
        b.form->PanelMenu()->show();
        QCOMPARE(menue->child(0)->rect().width(), qRound(64 * f));
        QCOMPARE(menue->child(0)->rect().height(), qRound(65 * f));
        QAccessibleInterface *band = zugang(testing::teile(b.form->PanelBuch()).LesezeichenR[0]);
        QCOMPARE(band->rect().width(), qRound(38 * f)); // laid on page 4, after spread 2
        QCOMPARE(
            seite->rect().topLeft(),
            (QPointF(b.form->PanelBuch()->findChild<QWidget *>("MemoTextLinks")->mapToGlobal(QPoint())) * f).toPoint());
    }
};

int main(int argc, char **argv) {
    // The book drawn one and a half times as large, as "Passend" does on a large screen.
    QApplication anwendung(argc, argv);
    platform::setDrawingFactor(1.5);
    TestBildschirmleser test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_bildschirmleser.moc"
