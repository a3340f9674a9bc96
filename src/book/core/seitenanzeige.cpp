#include "book/core/seitenanzeige.h"

#include "platform/cp1252.h"

#include <QCoreApplication>

namespace book {

Seitenbild TestseiteBearbeiten(const Seitensatz &satz) {
    Seitenbild b;
    for (int i = 1; i <= 28; ++i) {
        QString s = platform::fromCp1252(satz.text(i));
        // A damaged record must not push lines about: control characters show as blanks.
        for (QChar &c : s)
            if (c.category() == QChar::Other_Control) c = ' ';
        while (s.endsWith(' '))
            s.chop(1);
        if (!s.isEmpty() && s.at(0) == QChar(0xD0)) {
            s.remove(0, 1);
            while (s.endsWith(' '))
                s.chop(1);
            if (s.isEmpty()) s = QStringLiteral("\n\n");
            ++b.titelzeilen;
            if (!b.titel.isEmpty()) s = b.titel + ' ' + s;
            if (const qsizetype p = s.indexOf(QStringLiteral("\n\n ")); p >= 0) {
                s.remove(p + 2, 1);
                ++b.titelzeilen;
            }
            b.titel = s;
            if (b.ersteTitelzeile == 0) b.ersteTitelzeile = i;
            s.clear();
        }
        b.zeilen << s;
    }
    return b;
}

QList<Textbild> BilderImBuch(QStringList &links, QStringList &rechts,
                             const std::function<std::optional<QString>(const QString &)> &datei) {
    QList<Textbild> bilder;
    for (QStringList *memo : {&links, &rechts}) {
        for (int i = 0; i < memo->size(); ++i) {
            const QString &zeile = (*memo)[i];
            if (!zeile.startsWith(":B:") || zeile.size() <= 3) continue;
            QString name = zeile.mid(3);
            while (!name.isEmpty() && (name.back() == ' ' || name.back() == '\r' || name.back() == '\n'))
                name.chop(1);
            const auto pfad = datei(name);
            if (!pfad) continue;
            Textbild b;
            b.bildzeile = i;
            b.links = memo == &links;
            b.name = name;
            b.datei = *pfad;
            while (i + 1 < memo->size()) {
                const QString naechste = (*memo)[i + 1];
                (*memo)[i + 1].clear();
                if (!naechste.startsWith(QChar(0xA4))) break;
                b.unterschrift += naechste.mid(1, 48);
                ++i;
            }
            b.letzteZeile = i;
            bilder << b;
        }
    }
    return bilder;
}

Inhaltsseite InhaltFuer(QStringList e, int a) {
    Inhaltsseite s;
    for (qsizetype i = 1; i < e.size(); ++i)
        if (e[i].isEmpty()) e[i] = QStringLiteral("  ");
    s.anzahl = int((e.size() + 31) / 56 + 1);
    if (e.size() > 24) {
        const qsizetype ende = qsizetype(a - 1) * 54 + 25;
        if (ende < e.size()) e.erase(e.begin() + ende, e.end());
        if (a > 1) {
            const qsizetype weg = qMin<qsizetype>(qsizetype(a - 1) * 54 - 29, e.size());
            e.erase(e.begin(), e.begin() + weg);
            const qsizetype links = qMin<qsizetype>(25, e.size());
            s.inhalt2 = e.mid(0, links);
            e.erase(e.begin(), e.begin() + links);
        }
        if (!e.isEmpty() && e.first().isEmpty()) e.removeFirst();
        if (!s.inhalt2.isEmpty() && s.inhalt2.first().isEmpty()) s.inhalt2.removeFirst();
    }
    s.inhalt1 = e;
    return s;
}

int InhaltZiel(const QStringList &eintraege, int index) {
    if (index < 0 || index >= eintraege.size()) return 0;
    QString text = eintraege[index];
    auto endetMitZiffer = [](const QString &t) { return !t.isEmpty() && t.back() >= '0' && t.back() <= '9'; };
    while (!endetMitZiffer(text) && index < eintraege.size() - 1)
        text = eintraege[++index];
    QString rest = text.right(4);
    while (rest.startsWith(' '))
        rest.remove(0, 1);
    int wert = 0;
    for (const QChar c : rest) {
        if (c < '0' || c > '9') break;
        wert = wert * 10 + (c.unicode() - '0');
    }
    return wert;
}

QString GriffHinweis(QString text, int ziel) {
    if (const qsizetype p = text.indexOf(QStringLiteral("- ")); p >= 0) {
        text.remove(p + 1, 1);
        static const QString klein = QStringLiteral("àâäçèéêîïôöùûü");
        const QChar danach = p + 1 < text.size() ? text.at(p + 1) : QChar();
        if ((danach >= 'a' && danach <= 'z') || klein.contains(danach)) text.remove(p, 1);
    }
    if (ziel % 1000 == 0)
        return QCoreApplication::translate("book::GriffHinweis", "Inhaltsverzeichnis am Beginn des Abschnitts \"%1\"")
            .arg(text);
    return QCoreApplication::translate("book::GriffHinweis", "Beginn des Abschnitts \"%1\"").arg(text);
}

} // namespace book
