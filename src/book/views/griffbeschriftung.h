#pragma once
// The caption of a register tab. Keyboard users reach it with Tab, and Qt lays the text
// of a label that takes the focus out in a document of its own (when the text is set,
// when the label is first shown and when it gets the focus): for the ten captions a
// sixth of the program's start. This one is always drawn as plain text, focused or not,
// since nothing in it is selected or followed by key.
#include <QLabel>

namespace book {

class Griffbeschriftung : public QLabel {
public:
    using QLabel::QLabel;
    // Sets the caption without that document.
    void beschriften(const QString &text);

protected:
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace book
