#pragma once

#include <span>
#include <vector>

class QWidget;

namespace monocl {

// The kinds of control a tab's layout table places.
enum class ControlKind {
    Title,            // bold 19-pixel navy caption
    GroupBox,         // captioned frame; what it holds is bold
    Label,            // regular caption
    BoldLabel,
    NoteLabel,        // small grey text
    SpinEdit,
    LineEdit,         // the caption is its text
    TrackBar,
    Radio,
    Grid,
    Memo,
    Button,
    ComboBox,
    Canvas,           // the sketch's drawing surface
    Picture,          // the caption is the picture's resource, shown at its size
    StretchedPicture, // the same, stretched to the control
};

// An x of after(gap) places a control that far right of the previous row's
// control; a width of fit(extra) makes it as wide as its caption plus extra.
inline constexpr int Flow = 1 << 20;
constexpr int after(int gap) { return Flow + gap; }
constexpr int fit(int extra = 0) { return Flow + extra; }

// A spin edit's start value and range; a track bar's start position; 1 for
// a radio button checked at start; a grid's column count (0 keeps the grid's
// own).
struct ControlValue {
    int start = 0;
    int minimum = 0;
    int maximum = 0;
};

// One row of a tab's layout table. Unnamed labels have an empty name; a
// parent is the name of a group box above in the same table, or nullptr for
// the tab itself. A label that captions controls names them in captionOf,
// separated by blanks; a control's accessible name is made of its captions.
struct ControlRow {
    ControlKind kind;
    const char* name;
    const char* parent;
    int x;
    int y;
    int width;
    int height;
    const char* caption;
    ControlValue value = {};
    const char* captionOf = nullptr;
    bool enabled = true;
};

// Creates the rows' controls on page, in table order, each with its object
// name, geometry, font, caption in the window's language and start value,
// and gives them back in the same order. Spin edits read and write numbers
// with the given decimal separator.
std::vector<QWidget*> buildControls(QWidget* page, std::span<const ControlRow> rows,
                                    char decimalSeparator);

// Writes the captions of controls built from rows in the window's language
// anew, and places the rows again for their new widths. Edit fields keep
// their texts.
void recaptionControls(std::span<const ControlRow> rows, const std::vector<QWidget*>& controls);

} // namespace monocl
