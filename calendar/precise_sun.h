#pragma once
// The Sun's apparent geocentric longitude to a fraction of an arcsecond (1900-2100), for the
// precise astronomy: the Earth's heliocentric longitude and radius from the VSOP87 theory
// (Bretagnon & Francou 1988) as abridged in Meeus, "Astronomical Algorithms" 2nd ed. (1998),
// ch. 32 and Appendix III, turned geocentric, corrected to FK5, nutation in longitude from the
// IAU 1980 theory (Meeus ch. 22, the larger terms) and the annual aberration. Time in TT is found
// from UT with the ΔT polynomials of Espenak & Meeus (NASA eclipse web site, 2006).

namespace suimei {

// ΔT = TT - UT in seconds at the decimal year (2000.0 = 2000 January 1): the Espenak & Meeus
// polynomials for 1600..2200, their long-term parabola -20 + 32 u² (u centuries from 1820)
// outside them.
double deltaTSeconds(double decimalYear);

// Apparent geocentric longitude of the Sun in degrees, 0 <= value < 360, referred to the true
// equinox of date, at julian ephemeris day jde (TT).
double preciseSunLongitudeTt(double jde);

// The same at julian day jdUt (UT); NaN for a NaN or far out-of-range day.
double preciseSunLongitude(double jdUt);

// Julian day (UT) at which the apparent longitude reaches `longitude` degrees, nearest to
// jdUtGuess (within about ±150 days of it), to well under a second; NaN when not found.
double preciseSunLongitudeMoment(double longitude, double jdUtGuess);

}  // namespace suimei
