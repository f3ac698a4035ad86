#include "window/FormDescription.h"

#include <array>

namespace
{

const FormDescription form = {
    .caption = "Ombrix!",
    .clientWidth = 7290,
    .clientHeight = 4845,
    .backColor = DarkGreen,
    .picture = ":/art/table.bmp",
};

// In the order the controls are created. Frames and buttons are stacked above labels and
// images whatever their place here.
// clang-format off
const std::array controls = std::to_array<ControlDescription>({
    {.name = "EndButton", .kind = ControlKind::CommandButton, .left = 3075, .top = 4080, .width = 1125, .height = 480, .caption = "End Turn", .visible = false, .tabIndex = 13},
    {.name = "ScoreFrame", .kind = ControlKind::Frame, .left = 2040, .top = 0, .width = 3135, .height = 615, .visible = false, .tabIndex = 9, .colours = Colours::DarkGreen},
    {.name = "ScoreTwo", .kind = ControlKind::Label, .container = "ScoreFrame", .left = 2760, .top = 240, .width = 90, .height = 195, .caption = "0", .tabIndex = 15, .colours = Colours::WhiteOnDarkGreen, .autoSize = true, .spokenAs = "Spades, games won: %1"},
    {.name = "ScoreOne", .kind = ControlKind::Label, .container = "ScoreFrame", .left = 1080, .top = 240, .width = 90, .height = 195, .caption = "0", .tabIndex = 14, .colours = Colours::WhiteOnDarkGreen, .autoSize = true, .spokenAs = "Hearts, games won: %1"},
    {.name = "P2Label", .kind = ControlKind::Label, .container = "ScoreFrame", .left = 2040, .top = 240, .width = 585, .height = 195, .caption = "Spades:", .tabIndex = 12, .colours = Colours::WhiteOnDarkGreen},
    {.name = "P1Label", .kind = ControlKind::Label, .container = "ScoreFrame", .left = 360, .top = 240, .width = 510, .height = 195, .caption = "Hearts:", .tabIndex = 11, .colours = Colours::WhiteOnDarkGreen},
    {.name = "ScoreLabel", .kind = ControlKind::Label, .container = "ScoreFrame", .left = 1080, .top = 0, .width = 990, .height = 195, .caption = "Scoreboard", .tabIndex = 10, .colours = Colours::WhiteOnDarkGreen, .font = FontStyle::Bold, .autoSize = true},
    {.name = "Welcome", .kind = ControlKind::Frame, .left = 1440, .top = 1040, .width = 4200, .height = 3360, .tabIndex = 0, .colours = Colours::TableGreen},
    {.name = "Rules", .kind = ControlKind::CommandButton, .container = "Welcome", .left = 705, .top = 1440, .width = 1260, .height = 495, .caption = "How Does Ombrix Work?", .tabIndex = 3},
    {.name = "LetsPlay", .kind = ControlKind::CommandButton, .container = "Welcome", .left = 2265, .top = 1440, .width = 1260, .height = 495, .caption = "Let's Play!", .tabIndex = 1},
    {.name = "WelcomeLabel", .kind = ControlKind::Label, .container = "Welcome", .left = 1050, .top = 900, .width = 2085, .height = 270, .caption = "Welcome to Ombrix!", .tabIndex = 2, .colours = Colours::WhiteOnDarkGreen, .font = FontStyle::LargeBold, .centred = true, .border = true, .autoSize = true},
    {.name = "SPic", .index = 0, .kind = ControlKind::Image, .left = 240, .top = 2040, .width = 525, .height = 720, .visible = false, .picture = ":/art/spades-2.png", .spokenPicture = "Two of Spades"},
    {.name = "SPic", .index = 1, .kind = ControlKind::Image, .left = 480, .top = 2400, .width = 525, .height = 720, .visible = false, .picture = ":/art/spades-j.png", .spokenPicture = "Jack of Spades"},
    {.name = "SPic", .index = 2, .kind = ControlKind::Image, .left = 0, .top = 2400, .width = 525, .height = 720, .visible = false, .picture = ":/art/spades-q.png", .spokenPicture = "Queen of Spades"},
    {.name = "SPic", .index = 3, .kind = ControlKind::Image, .left = 480, .top = 1680, .width = 525, .height = 720, .visible = false, .picture = ":/art/spades-k.png", .spokenPicture = "King of Spades"},
    {.name = "SPic", .index = 4, .kind = ControlKind::Image, .left = 0, .top = 1680, .width = 525, .height = 720, .visible = false, .picture = ":/art/spades-a.png", .spokenPicture = "Ace of Spades"},
    {.name = "HPic", .index = 0, .kind = ControlKind::Image, .left = 240, .top = 360, .width = 525, .height = 720, .visible = false, .picture = ":/art/hearts-2.png", .spokenPicture = "Two of Hearts"},
    {.name = "HPic", .index = 2, .kind = ControlKind::Image, .left = 0, .top = 720, .width = 525, .height = 720, .visible = false, .picture = ":/art/hearts-q.png", .spokenPicture = "Queen of Hearts"},
    {.name = "HPic", .index = 1, .kind = ControlKind::Image, .left = 480, .top = 720, .width = 525, .height = 720, .visible = false, .picture = ":/art/hearts-j.png", .spokenPicture = "Jack of Hearts"},
    {.name = "HPic", .index = 3, .kind = ControlKind::Image, .left = 480, .top = 0, .width = 525, .height = 720, .visible = false, .picture = ":/art/hearts-k.png", .spokenPicture = "King of Hearts"},
    {.name = "HPic", .index = 4, .kind = ControlKind::Image, .left = 0, .top = 0, .width = 525, .height = 720, .visible = false, .picture = ":/art/hearts-a.png", .spokenPicture = "Ace of Hearts"},
    {.name = "PCard", .index = 0, .kind = ControlKind::Image, .left = 1920, .top = 3240, .width = 525, .height = 720},
    {.name = "PCard", .index = 1, .kind = ControlKind::Image, .left = 2640, .top = 3240, .width = 525, .height = 720},
    {.name = "PCard", .index = 2, .kind = ControlKind::Image, .left = 3360, .top = 3240, .width = 525, .height = 720},
    {.name = "PCard", .index = 3, .kind = ControlKind::Image, .left = 4080, .top = 3240, .width = 525, .height = 720},
    {.name = "PCard", .index = 4, .kind = ControlKind::Image, .left = 4800, .top = 3240, .width = 525, .height = 720},
    {.name = "RedCard", .kind = ControlKind::Image, .left = 6240, .top = 3360, .width = 525, .height = 720, .visible = false, .stretch = true, .picture = ":/art/back-red.png", .spokenPicture = "face down"},
    {.name = "BlueCard", .kind = ControlKind::Image, .left = 6240, .top = 3960, .width = 525, .height = 720, .visible = false, .stretch = true, .picture = ":/art/back-blue.png", .spokenPicture = "face down"},
    {.name = "BLabel", .index = 4, .kind = ControlKind::Label, .left = 4800, .top = 1800, .width = 525, .height = 255, .visible = false, .tabIndex = 8, .colours = Colours::WhiteOnDarkGreen, .centred = true, .spokenAs = "Pair 5: %1"},
    {.name = "BLabel", .index = 3, .kind = ControlKind::Label, .left = 4080, .top = 1800, .width = 525, .height = 255, .visible = false, .tabIndex = 7, .colours = Colours::WhiteOnDarkGreen, .centred = true, .spokenAs = "Pair 4: %1"},
    {.name = "BLabel", .index = 2, .kind = ControlKind::Label, .left = 3360, .top = 1800, .width = 525, .height = 255, .visible = false, .tabIndex = 6, .colours = Colours::WhiteOnDarkGreen, .centred = true, .spokenAs = "Pair 3: %1"},
    {.name = "BLabel", .index = 1, .kind = ControlKind::Label, .left = 2640, .top = 1800, .width = 525, .height = 255, .visible = false, .tabIndex = 5, .colours = Colours::WhiteOnDarkGreen, .centred = true, .spokenAs = "Pair 2: %1"},
    {.name = "BLabel", .index = 0, .kind = ControlKind::Label, .left = 1920, .top = 1800, .width = 525, .height = 255, .visible = false, .tabIndex = 4, .colours = Colours::WhiteOnDarkGreen, .centred = true, .spokenAs = "Pair 1: %1"},
    {.name = "TwoCard", .index = 0, .kind = ControlKind::Image, .left = 1920, .top = 840, .width = 525, .height = 720, .visible = false, .spokenAs = "Spades slot 1, %1"},
    {.name = "TwoCard", .index = 2, .kind = ControlKind::Image, .left = 3360, .top = 840, .width = 525, .height = 720, .visible = false, .spokenAs = "Spades slot 3, %1"},
    {.name = "TwoCard", .index = 1, .kind = ControlKind::Image, .left = 2640, .top = 840, .width = 525, .height = 720, .visible = false, .spokenAs = "Spades slot 2, %1"},
    {.name = "TwoCard", .index = 3, .kind = ControlKind::Image, .left = 4080, .top = 840, .width = 525, .height = 720, .visible = false, .spokenAs = "Spades slot 4, %1"},
    {.name = "TwoCard", .index = 4, .kind = ControlKind::Image, .left = 4800, .top = 840, .width = 525, .height = 720, .visible = false, .spokenAs = "Spades slot 5, %1"},
    {.name = "OneCard", .index = 0, .kind = ControlKind::Image, .left = 1920, .top = 2280, .width = 525, .height = 720, .visible = false, .spokenAs = "Hearts slot 1, %1"},
    {.name = "OneCard", .index = 3, .kind = ControlKind::Image, .left = 4080, .top = 2280, .width = 525, .height = 720, .visible = false, .spokenAs = "Hearts slot 4, %1"},
    {.name = "OneCard", .index = 2, .kind = ControlKind::Image, .left = 3360, .top = 2280, .width = 525, .height = 720, .visible = false, .spokenAs = "Hearts slot 3, %1"},
    {.name = "OneCard", .index = 1, .kind = ControlKind::Image, .left = 2640, .top = 2280, .width = 525, .height = 720, .visible = false, .spokenAs = "Hearts slot 2, %1"},
    {.name = "OneCard", .index = 4, .kind = ControlKind::Image, .left = 4800, .top = 2280, .width = 525, .height = 720, .visible = false, .spokenAs = "Hearts slot 5, %1"},
});
// clang-format on

const std::array menu = std::to_array<MenuDescription>({
    {"MenuFile", "&File", nullptr},
    {"MenuExit", "&Exit", "MenuFile"},
    {"MenuAbout", "&About", "MenuFile"},
});

} // namespace

const FormDescription &formDescription()
{
    return form;
}

std::span<const ControlDescription> controlDescriptions()
{
    return controls;
}

std::span<const MenuDescription> menuDescriptions()
{
    return menu;
}
