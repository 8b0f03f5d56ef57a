#pragma once
// Dialogs: modeless windows that the host builds from a table of controls owned by the core. The user's
// actions come back through OnDialogEvent (app/meter_events.h); the core reads and sets every control here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/window.h"

namespace dorv {

enum class ControlKind {
    Tabs,          // tab strip; caption: the tab captions joined by '\n'; value: the selected tab, 0-based
    Page,          // borderless panel in the dialog's background colour that holds controls
    Frame,         // group box with a caption that holds controls
    Button,        // push button
    CheckBox,      // value 0 or 1
    OptionButton,  // radio button, value 0 or 1; setting 1 clears the others of its group
    Slider,        // horizontal track bar; value within its SliderRange
    TimePicker,    // hours and minutes shown "HH:mm"; value: minutes since midnight, 0..1439
    ColourSwatch,  // button without caption whose face is filled with its value, a colour 0x00BBGGRR
    Label,         // static text
    TextBox,       // read-only multi-line text with scroll bars
    Link,          // static text with the hand pointer; highlighted: blue and underlined, else black
    Icon,          // the program's icon
    Line,          // etched horizontal rule
};

enum class ButtonRole { None, Default, Cancel };  // Enter presses the default button, Esc the cancel one

struct FontStyle {
    std::string face;  // empty: the dialog's own font
    double points = 0;
    int charset = 1;  // 0 Western, 1 the system's default, 128 Japanese
    bool bold = false;
    // Text colour 0x00BBGGRR, or -1 for the system's. A label with a colour of its own is drawn without a
    // background, so labels laid over one another compose (a title over its shadow), later ones on top.
    std::int32_t colour = -1;
};

struct SliderRange {
    int minimum = 0;
    int maximum = 0;
    int smallStep = 1;    // arrow keys
    int largeStep = 1;    // Page Up, Page Down, a click on the track
    int tickSpacing = 1;  // a tick at every multiple, counted from the minimum
};

struct ControlLayout {
    int id = 0;      // unique in the dialog, never 0
    int parent = 0;  // 0: the dialog; else the id of a Page or Frame, which must come earlier in the table
    ControlKind kind = ControlKind::Label;
    std::string caption;  // UTF-8, "&" before the access key
    // Twips, from the parent's top-left corner (a frame's outer corner).
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    FontStyle font;
    SliderRange slider;  // Slider only
    ButtonRole role = ButtonRole::None;
    int group = 0;  // OptionButton: buttons of one group exclude each other
};

struct DialogLayout {
    std::string title;
    int width = 0;  // outer size in twips
    int height = 0;
    std::vector<ControlLayout> controls;  // creation order, which is also the Tab order
};

enum class DialogEvent {
    Clicked,    // a button, swatch or link was clicked; a check box or option button was set by the user
    Changed,    // the user moved a slider, changed a time or selected a tab
    MouseMove,  // the pointer moved over a control, or over the dialog's own background (id 0)
    Close,      // the close box, or Esc without a cancel button
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Builds the dialog and all its controls hidden, every control enabled and visible. Returns null on failure.
    virtual WindowHandle CreateDialogWindow(const DialogLayout& layout) = 0;
    // Shows the dialog, brings it to the front and gives it the focus.
    virtual void ShowDialog(WindowHandle dialog) = 0;
    virtual void DestroyDialog(WindowHandle dialog) = 0;

    // The control's value as its kind defines it. Setting a value never raises an event.
    virtual void SetValue(WindowHandle dialog, int id, int value) = 0;
    virtual int Value(WindowHandle dialog, int id) = 0;
    virtual void SetText(WindowHandle dialog, int id, const std::string& text) = 0;
    virtual std::string Text(WindowHandle dialog, int id) = 0;
    // A page or frame takes the controls inside it along.
    virtual void SetEnabled(WindowHandle dialog, int id, bool enabled) = 0;
    virtual void SetVisible(WindowHandle dialog, int id, bool visible) = 0;
    virtual void SetHighlighted(WindowHandle dialog, int id, bool highlighted) = 0;

    // The system's colour selection, modal over the dialog and not preset; nothing when cancelled.
    virtual std::optional<std::int32_t> PickColour(WindowHandle dialog) = 0;
};

}  // namespace dorv
