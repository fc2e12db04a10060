#pragma once
// The local time of day the sky follows, as the C library tells it. The C library is asked to
// look at the time zone again before every reading (tzset), so a zone it notices has changed is
// followed at the next minute. glibc notices a change of TZ, but with TZ unset it keeps the
// /etc/localtime it read first. A reading that fails gives midday, the flight's usual light,
// never the dark of 00:00.

namespace altostrat {

// Minutes since local midnight, seconds as the fraction.
double SystemLocalMinutes();

}  // namespace altostrat
