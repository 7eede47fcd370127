// Memory of a large picture taken from the system in one call instead of page by page.
#pragma once

class QImage;

// Has the system back the pages of `bild` before anything is drawn into it.
// A fresh picture's pages otherwise fault in one by one as the first fill
// touches them, and on a virtual machine each fault costs a few microseconds:
// the window's own buffer and the boards' pictures are some 1,300 pages.
// Does nothing where the system lacks the call.
void bildVorbelegen(const QImage& bild);
