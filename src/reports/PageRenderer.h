// Paints a page description on a printer or a PDF writer: twips scaled by
// the device's resolution / 1440, the page's origin as the scale origin.
#pragma once

#include <memory>

class QPainter;
class QPdfWriter;
class QPrinter;

namespace quorin {

struct Page;

// Paints `page` and ends the document. Returns false when the printer could
// not start or finish the job.
bool renderPage(const Page& page, QPrinter& printer);
// The same page in a PDF, fonts embedded: the page the printer's PDF output
// gets. Returns false when the writer could not start or finish.
bool renderPage(const Page& page, QPdfWriter& writer);

// Many pages in one PDF, a sheet each, each painted as `renderPage` paints
// it on its own.
class PdfPages {
public:
    explicit PdfPages(QPdfWriter& writer);
    ~PdfPages();
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    // Paints the page on the next sheet; false when the writer could not
    // start or take a new sheet.
    bool add(const Page& page);
    // Ends the document; false when it could not be finished.
    bool finish();

private:
    QPdfWriter& writer_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace quorin
