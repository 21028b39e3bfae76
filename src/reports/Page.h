// A printed page described without a printer: text items and lines at twip
// positions (1440 a inch), with their fonts. The screen's renderer paints it
// on the printer the user chose; tests read it item by item.
//
// Positions are those handed to the printer after its scale origin was set
// to (originX, originY): an item at (x, y) lands at (x - originX,
// y - originY) twips from the top-left corner of the printable area.
#pragma once

#include <string>
#include <vector>

namespace quorin {

struct PageItem {
    enum class Kind { Text, Line };
    Kind kind = Kind::Text;
    int x = 0, y = 0;    // text: top-left of the text; line: first point
    int x2 = 0, y2 = 0;  // line: second point
    std::string text;    // UTF-8
    std::string font = "Arial";
    double pointSize = 12;
    bool bold = false;
    bool underline = false;
    // Text: the room it has before the next column or rule, in twips (0 for
    // no limit); a longer text is cut short with an ellipsis when painted.
    int maxWidth = 0;
    // Line: the drawing width, in pixels of a 600-dpi printer (2.4 twips
    // each), so a rule has the same thickness on every printer and in a PDF.
    int lineWidth = 1;

    // A line from (x1, y1) to (x2, y2), `width` pixels wide.
    static PageItem line(int x1, int y1, int x2, int y2, int width) {
        PageItem item;
        item.kind = Kind::Line;
        item.x = x1, item.y = y1, item.x2 = x2, item.y2 = y2;
        item.lineWidth = width;
        return item;
    }
};

struct Page {
    int originX = 0, originY = 0;
    int width = 12240, height = 15840;  // US Letter
    std::vector<PageItem> items;

    // The text items, in the order printed.
    std::vector<const PageItem*> texts() const;
};

// The maker as the printed reports' footer and the About box name it.
struct MakerAddress {
    const char* name;
    const char* street;
    const char* town;       // town, state and ZIP code
    const char* telephone;  // "(area) number"
};
inline constexpr MakerAddress kMaker{"Quorin Dynarel Inc.", "2750 Harrow Lane", "Fenwick, OH 44720",
                                     "(330) 555-0148"};

struct GasResultsView;
struct LiquidResultsView;

// The one-page reports of a Find Meter, from its results view. `today` is the
// date to print (MM-DD-YYYY). A value that is not finite is printed "Error"
// in place of its text and unit. At most eight meters are listed (rows 23 to
// 30); further candidates are left off the page.
Page modPrintResults(const GasResultsView& view, const std::string& today);
Page modLqdPrintResults(const LiquidResultsView& view, const std::string& today);

}  // namespace quorin
