// Paints a page description on a printer or a PDF writer: twips scaled by
// the device's resolution / 1440, the page's origin as the scale origin.
#pragma once

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

}  // namespace quorin
