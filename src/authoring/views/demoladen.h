#pragma once
// Panel 6: switching to another project by its settings file, or to the demo on its CD.
#include "authoring/views/aufgabenpanel.h"

#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace authoring {

class DemoLaden : public Aufgabenpanel {
    Q_OBJECT
public:
    explicit DemoLaden(Bearbeitungskontext &kontext);

    // Points the file list at the data root the drive locator reports. Nothing of the
    // open project changes until a project is chosen and its settings are read.
    void vorbereiten();
    void BitBtnDemoLadenClick();
    void PanelDemoCDClick();
    void ok() override { BitBtnDemoLadenClick(); }

private:
    QLabel *LabelDemoLaden;
    QLineEdit *EditIniDatei;
    QListWidget *FileListBox1;
    QPushButton *PanelDemoCD;
    QPushButton *PanelIniLadenOk;
    QPushButton *BitBtnIniNichtLaden;
    std::optional<QString> datenwurzel();
    void oeffnen(const QString &stamm, const QString &name);
    void geladen();
};

} // namespace authoring
