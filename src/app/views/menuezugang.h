#pragma once
// The menu strip's picture as a screen reader sees it: a tool bar of the commands its
// cells stand for, each a button with its name, its hint and a press action that runs
// the command as a click on the cell does.
class QAccessibleInterface;
class QWidget;

namespace app {

// The interface of the menu picture `ImageMenu`; nullptr for any other widget.
QAccessibleInterface *Menuezugang(QWidget *widget);

} // namespace app
