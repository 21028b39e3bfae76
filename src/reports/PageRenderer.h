// Paints a page description on a printer (or a PDF file): twips scaled by
// the printer's resolution / 1440, the page's origin as the scale origin.
#pragma once

class QPrinter;

namespace quorin {

struct Page;

// Paints `page` and ends the document. Returns false when the printer could
// not start or finish the job.
bool renderPage(const Page& page, QPrinter& printer);

}  // namespace quorin
