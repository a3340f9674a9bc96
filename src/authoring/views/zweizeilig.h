#pragma once
// Captions written for a narrow control with a break in the word ("Spei- chern"): shown
// as the two lines they were meant as, so that they never read as a typo.
#include <QRegularExpression>
#include <QString>

namespace authoring {

inline QString zweizeilig(QString text) {
    static const QRegularExpression fuge(QStringLiteral("(\\w)- (\\w)"));
    return text.replace(fuge, QStringLiteral("\\1-\n\\2"));
}

// The same caption in running text: the word joined ("Copyright-Vermerke").
inline QString zusammengezogen(QString text) {
    static const QRegularExpression fuge(QStringLiteral("(\\w)- (\\w)"));
    return text.replace(fuge, QStringLiteral("\\1-\\2"));
}

} // namespace authoring
