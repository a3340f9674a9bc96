// The book's picture controls worked by key and seen by screen readers: register tabs,
// bookmark ribbons, pictures in the text and the tour's tick box. Tab reaches each,
// Return (or Space) does what a click does; Delete takes a bookmark out of the book.
#include "book/views/buchpanel.h"
#include "platform/keycontrols.h"

namespace book {

void BuchPanel::tastenEinrichten() {
    auto *tasten = new platform::KeyControls(this);
    ImageBuch->setAccessibleName(tr("Buch"));
    for (int n = 0; n < 5; ++n)
        for (QLabel *griff : {LabelGriffL[size_t(n)], LabelGriffR[size_t(n)]}) {
            griff->setFocusPolicy(Qt::TabFocus);
            tasten->add(griff, QAccessible::PageTab, [this, n] { Q_EMIT griffGeklickt(n + 1); });
            tasten->onFocus(griff, [this, n] { Q_EMIT griffMausBewegt(n + 1); });
            // The tab's picture only frames its caption.
            for (QLabel *bild : griff->parentWidget()->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
                if (bild != griff) bild->setProperty(platform::KeyControls::kHiddenProperty, true);
        }
    for (int n = 0; n < 4; ++n) {
        for (QLabel *band : {LesezeichenL[size_t(n)], LesezeichenR[size_t(n)]}) {
            band->setFocusPolicy(Qt::TabFocus);
            tasten->add(band, QAccessible::Button, [this, n] { Q_EMIT lesezeichenGedrueckt(n + 1, Qt::LeftButton); });
            for (int k : {int(Qt::Key_Delete), int(Qt::Key_Backspace)})
                tasten->key(band, k, [this, n] { Q_EMIT lesezeichenGedrueckt(n + 1, Qt::RightButton); });
            tasten->onFocus(band, [this, n] { Q_EMIT lesezeichenMausBewegt(n + 1); });
        }
        QLabel *bild = ImageTextBild[size_t(n)];
        bild->setFocusPolicy(Qt::TabFocus);
        tasten->add(bild, QAccessible::Button, [this, n] { Q_EMIT textbildGeklickt(n + 1); });
    }
    // The tick box is the panel with the mark and its caption; those two are its parts.
    PanelNoCBT->setFocusPolicy(Qt::TabFocus);
    tasten->add(PanelNoCBT, QAccessible::CheckBox, [this] { Q_EMIT tickBoxGeklickt(); });
    for (QLabel *teil : {LabelNoCBT, ImageNoCBT, ImageYesCBT})
        teil->setProperty(platform::KeyControls::kHiddenProperty, true);
}

} // namespace book
