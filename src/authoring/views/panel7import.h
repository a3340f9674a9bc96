#pragma once
// Panel 7: importing a text file into the book. The author picks the part, a drive, a
// folder and a text file; OK (or Enter) runs the import.
#include "authoring/views/aufgabenpanel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace authoring {

class Panel7Import : public Aufgabenpanel {
    Q_OBJECT
public:
    explicit Panel7Import(Bearbeitungskontext &kontext);

    // The part chosen as the project has it, the lists read again.
    void vorbereiten();
    void BuchtextClick();
    void HilfetextClick();
    void AutorHilfeClick();
    // Runs the import of the named file; a name holding "*" or "?" only filters the list.
    void BitBtnLadenClick();
    void ok() override { BitBtnLadenClick(); }
    // The folder the lists show (a stored path), and the drive it is on.
    void ordnerSetzen(const QString &ordner);
    QString ordner() const { return ordner_; }

protected:
    // Enter in the folder list opens the folder and goes no further.
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QLabel *LabelTitel;
    QPushButton *Buchtext;
    QPushButton *Hilfetext;
    QPushButton *AutorHilfe;
    QLineEdit *EditDateiname;
    QComboBox *DriveComboBox1;
    QListWidget *DirectoryListBox;
    QLabel *LabelVerzeichnis;
    QListWidget *FileListBox;
    QCheckBox *Silbentrennung;
    QPushButton *BitBtnLaden;
    QPushButton *BitBtnCancel;
    void teilZeigen();
    void trennmusterPruefen();
    void laufwerkeLesen();
    void dateienZeigen();

    QString ordner_;
    QString maske_ = QStringLiteral("*.txt");
};

} // namespace authoring
