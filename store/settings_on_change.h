// Settings kept current while the program runs, for hosts whose program may
// end without closing (a web page is simply gone): the program saves its
// settings at close, which such a host never sees.
#pragma once

namespace orrery {

// Gathers the live settings and writes them (as SaveSettings) when they differ
// from what this function wrote last, or on its first call. Returns false
// when a needed write failed (501 pushed); it is tried again next time.
bool SaveChangedSettings();

}  // namespace orrery
