// Prefaulting a picture's pages with madvise, where Linux offers it (5.14 and later).
#include "ui/vorbelegen.h"

#include <QImage>

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

void bildVorbelegen(const QImage& bild)
{
#ifdef MADV_POPULATE_WRITE
    if (bild.isNull())
        return;
    // Only the whole pages inside the picture: the partial ones at either end
    // may belong to other allocations, and fault in on their own.
    static const auto seite = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto anfang = reinterpret_cast<std::uintptr_t>(bild.constBits());
    const std::uintptr_t von = (anfang + seite - 1) / seite * seite;
    const std::uintptr_t bis = (anfang + static_cast<std::uintptr_t>(bild.sizeInBytes())) / seite * seite;
    if (bis > von)
        madvise(reinterpret_cast<void*>(von), bis - von, MADV_POPULATE_WRITE);  // a refusal leaves the faults as they were
#else
    (void)bild;
#endif
}
