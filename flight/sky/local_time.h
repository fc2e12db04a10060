#pragma once
// The local time of day the sky follows, as the C library tells it. The time zone is read again
// at every reading, so a change of zone during a long flight (a laptop carried across one, the
// user changing it) is followed at the next minute; a reading that fails gives midday, the
// flight's usual light, never the dark of 00:00.

namespace altostrat {

// Minutes since local midnight, seconds as the fraction.
double SystemLocalMinutes();

}  // namespace altostrat
