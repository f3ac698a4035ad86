#pragma once

#include <QRgb>

#include <span>

// The window as it stands when it is created, kept as data. Positions and sizes are in
// twips from the top-left corner of the container's inside.

enum class ControlKind { Frame, Label, Image, CommandButton };

enum class Colours {
    Platform,         // the platform's button look
    WhiteOnDarkGreen, // labels on the table
    TableGreen,       // a frame that merges with the felt
    DarkGreen,        // the scoreboard strip
};

enum class FontStyle {
    Regular,   // the window's font, 8.25 points
    Bold,      // 8.25 points bold
    LargeBold, // 9.75 points bold
};

struct ControlDescription {
    const char *name;
    int index = -1; // member of a control array, or -1
    ControlKind kind = ControlKind::Label;
    const char *container = nullptr; // a frame's name; none for the window itself
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const char *caption = "";
    bool visible = true;
    int tabIndex = -1;
    Colours colours = Colours::Platform;
    FontStyle font = FontStyle::Regular;
    bool centred = false;
    bool border = false;
    bool autoSize = false;
    bool stretch = false;
    const char *picture = nullptr;       // a compiled-in resource
    const char *spokenPicture = nullptr; // what a screen reader says for that picture
    const char *spokenAs = nullptr;      // the control's accessible name; %1 stands for
                                         // its picture's words or its caption
};

struct MenuDescription {
    const char *name;
    const char *caption;
    const char *under; // the heading an item belongs to; none for a heading
};

struct FormDescription {
    const char *caption;
    int clientWidth;
    int clientHeight;
    QRgb backColor;
    const char *picture;
};

inline constexpr QRgb TableGreen = 0xff008000;
inline constexpr QRgb DarkGreen = 0xff004000;
inline constexpr QRgb White = 0xffffffff;

const FormDescription &formDescription();
std::span<const ControlDescription> controlDescriptions();
std::span<const MenuDescription> menuDescriptions();
