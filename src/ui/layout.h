// Building a window's controls from a table that reads like its layout.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>

class QWidget;

namespace zv::ui {

enum class Kind { Label, TransparentLabel, EditBox, Button, GroupBox, ListBox };
enum Container { InWindow, InGroup1, InGroup2 };
enum Alignment { AlignDefault, AlignCentre, AlignLeftEdge };
enum Behaviour : unsigned {
    ReadOnly = 1u << 0,
    Hidden = 1u << 1,
    TabStop = 1u << 2,
    Digits5 = 1u << 3, // digits and "-" only, at most 5 characters
    Digits7 = 1u << 4, // digits and "-" only, at most 7 characters
};

// One row of a control table. Rows stand front to back within a container.
struct ControlSpec {
    const char* name;
    Kind kind;
    Container in;
    int left, top, width, height;
    const char* text;       // initial text ("" for none)
    const char* foreground; // text colour, nullptr for the default
    const char* background; // edit-box background, nullptr for the default
    const char* face;       // font face, nullptr for the default face
    int pixelSize;          // 0 for the default size
    bool bold;
    Alignment align;
    unsigned behaviour;
};

// The font of a row: the default font unless the row names a face or a size.
QFont fontOf(const ControlSpec& row);

// Creates the controls of the table in their containers (the window's client
// area and the group boxes named 分组框1 and 分组框2), stacked as the table
// says, with the tab order of the table's tab stops.
void buildControls(QWidget* client, const QList<ControlSpec>& table);

} // namespace zv::ui
