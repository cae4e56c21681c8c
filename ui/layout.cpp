#include "layout.h"

#include "app_info.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

using enum ControlKind;
using enum TextAlign;
using namespace color;

constexpr int kNoTab = -1;
constexpr double kKeyPt = 15.75;

// Keys have no accessible name of their own: screen readers announce the caption,
// then what the key does.

// The keypad: five columns, 1200 twips apart, six rows, 840 twips apart.
constexpr int kCol1 = 360, kCol2 = 1560, kCol3 = 2760, kCol4 = 3960, kCol5 = 5160;
constexpr int kRow1 = 3000, kRow2 = 3840, kRow3 = 4680, kRow4 = 5520, kRow5 = 6360, kRow6 = 7200;
constexpr int kKeyW = 855, kKeyH = 735;

constexpr LayoutRow key(Control id, std::string_view name, std::u16string_view caption, int left,
    int top, int tabIndex, std::string_view does, double points = kKeyPt)
{
    return { id, name, Key, caption, left, top, kKeyW, kKeyH, tabIndex, points, false, kButtonFace,
        kButtonText, Center, false, {}, does };
}

// Back to front: the labels and the picture are drawn on the window itself, behind
// every box and key; the phrase box is in front of everything.
constexpr std::array kControls = std::to_array<LayoutRow>({
    // clang-format off
    {Control::Label1, "Label1", Label, u"ENG KELVO ORVI STALBREN", 120, 120, 5535, 495, 31, 15.75, false, kTransparent, kButtonText, Center, false, "Credits", "The author's name"},
    {Control::Label2, "Label2", Label, u"kelvo.orvi@example.com", 600, 480, 4575, 255, 33, 12, false, kTransparent, kButtonText, Center, false, "Contact", "The author's e-mail address"},
    {Control::Image1, "Image1", Picture, u"", 3840, 840, 810, 1080, kNoTab, 0, false, kTransparent, kTransparent, Left, false, "Portrait", "The author's portrait, sliding across the banner"},
    {Control::Text3, "Text3", TextBox, u"", 360, 1080, 1215, 615, 34, 9.75, false, kInactiveTitleBar, 0x000000C0, Center, true, "Clock", "Today's date and the time"},
    {Control::TEXT1, "TEXT1", TextBox, u"", 360, 2040, 5655, 735, 0, 24, true, 0x00FFC0C0, 0x00FF0000, Left, false, "Display", "The number being entered and the results: type here or use the keys"},
    key(Control::Command1, "Command1", u"1", kCol1, kRow5, 1, "Enter the digit 1"),
    key(Control::Command2, "Command2", u"4", kCol1, kRow4, 2, "Enter the digit 4"),
    key(Control::Command3, "Command3", u"7", kCol1, kRow3, 3, "Enter the digit 7"),
    key(Control::Command4, "Command4", u"0", kCol1, kRow2, 4, "Enter the digit 0"),
    key(Control::Command5, "Command5", u"2", kCol2, kRow5, 5, "Enter the digit 2"),
    key(Control::Command6, "Command6", u"5", kCol2, kRow4, 6, "Enter the digit 5"),
    key(Control::Command7, "Command7", u"8", kCol2, kRow3, 7, "Enter the digit 8"),
    key(Control::Command8, "Command8", u"C", kCol2, kRow6, 8, "Remove the last character"),
    key(Control::Command9, "Command9", u"3", kCol3, kRow5, 9, "Enter the digit 3"),
    key(Control::Command10, "Command10", u"6", kCol3, kRow4, 10, "Enter the digit 6"),
    key(Control::Command11, "Command11", u"9", kCol3, kRow3, 11, "Enter the digit 9"),
    key(Control::Command12, "Command12", u"=", kCol4, kRow5, 12, "Equals: show the result"),
    key(Control::Command13, "Command13", u"+", kCol4, kRow1, 13, "Add"),
    key(Control::Command14, "Command14", u"-", kCol4, kRow2, 14, "Subtract"),
    key(Control::Command15, "Command15", u"*", kCol4, kRow3, 15, "Multiply"),
    key(Control::Command16, "Command16", u"/", kCol4, kRow4, 16, "Divide"),
    key(Control::Command17, "Command17", u".", kCol3, kRow2, 17, "Enter a decimal point"),
    key(Control::Command18, "Command18", u"Sqr", kCol3, kRow6, 18, "Square root"),
    key(Control::Command19, "Command19", u"nI", kCol4, kRow6, 19, "Base-2 logarithm"),
    key(Control::Command20, "Command20", u"AC", kCol1, kRow6, 20, "Blank the display"),
    key(Control::Command21, "Command21", u"OFF", kCol2, kRow1, 21, "Turn off"),
    {Control::Text2, "Text2", TextBox, u"", 5280, 2040, 735, 720, 22, 18, false, kInactiveTitleBar, kWindowText, Center, false, "Memory indicator", "Shows M once a number is added to the memory"},
    key(Control::Command22, "Command22", u"M+", kCol5, kRow1, 23, "Add to memory", 14.25),
    key(Control::Command23, "Command23", u"M-", kCol5, kRow2, 24, "Subtract from memory", 14.25),
    key(Control::Command24, "Command24", u"MS", kCol5, kRow3, 25, "Store in memory"),
    key(Control::Command25, "Command25", u"MR", kCol5, kRow4, 26, "Recall memory"),
    key(Control::Command26, "Command26", u"MC", kCol5, kRow5, 27, "Clear memory (a question follows)"),
    key(Control::Command27, "Command27", u"%", kCol2, kRow2, 28, "Percent"),
    key(Control::Command28, "Command28", u"Log", kCol5, kRow6, 29, "Base-10 logarithm"),
    key(Control::Command29, "Command29", u"ON", kCol1, kRow1, 30, "Show zero"),
    key(Control::Command30, "Command30", u"RUN", kCol3, kRow1, 32, "About", 9.75),
    {Control::Text4, "Text4", TextBox, u"", 4680, 1080, 1335, 615, 35, 11.25, false, kInactiveTitleBar, 0x000000C0, Center, true, "Phrase", "In the name of God, the Most Gracious, the Most Merciful"},
    {Control::Timer1, "Timer1", Timer, u"", 0, 0, 0, 0, kNoTab, 0, false, kTransparent, kTransparent, Left, false, "", ""},
    // clang-format on
});

static_assert(kControls.size() == kControlCount);

constexpr std::array<std::size_t, kControlCount> indexById()
{
    std::array<std::size_t, kControlCount> index {};
    for (std::size_t i = 0; i < kControls.size(); ++i)
        index[static_cast<std::size_t>(kControls[i].id)] = i;
    return index;
}

constexpr auto kIndexById = indexById();

// The keys and text boxes take the focus; labels, the picture and the timer never do.
constexpr bool isTabStop(const LayoutRow& row)
{
    return row.tabIndex >= 0 && (row.kind == Key || row.kind == TextBox);
}

constexpr std::size_t kTabStopCount
    = static_cast<std::size_t>(std::count_if(kControls.begin(), kControls.end(), isTabStop));

constexpr std::array<Control, kTabStopCount> sortedTabOrder()
{
    std::array<const LayoutRow*, kTabStopCount> rows {};
    std::size_t n = 0;
    for (const LayoutRow& row : kControls)
        if (isTabStop(row))
            rows[n++] = &row;
    std::sort(rows.begin(), rows.end(),
        [](const LayoutRow* a, const LayoutRow* b) { return a->tabIndex < b->tabIndex; });
    std::array<Control, kTabStopCount> order {};
    for (std::size_t i = 0; i < n; ++i)
        order[i] = rows[i]->id;
    return order;
}

constexpr auto kTabOrder = sortedTabOrder();

constexpr WindowRow kWindow { kApplicationTitle, 6345, 8430, 0x00FF8080, "Times New Roman",
    "Liberation Serif", "Amiri", 500 };

} // namespace

const WindowRow& windowRow() { return kWindow; }

std::span<const LayoutRow> layoutRows() { return kControls; }

const LayoutRow& layoutRow(Control control)
{
    return kControls[kIndexById[static_cast<std::size_t>(control)]];
}

std::span<const Control> tabOrder() { return kTabOrder; }

int indicatorOverlapTwips()
{
    const LayoutRow& display = layoutRow(Control::TEXT1);
    return display.left + display.width - layoutRow(Control::Text2).left;
}

} // namespace ui
