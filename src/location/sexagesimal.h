#pragma once
// An angle in decimal degrees as whole degrees, minutes and seconds.

namespace kelvara {

struct DegreesMinutesSeconds {
  double degrees;
  double minutes;
  double seconds;
};

// Each part truncated, never rounded: the whole part of the angle, the whole minutes of
// its fraction, and the whole seconds of the angle less those of the degrees and minutes.
// Where the minutes come out a hair low or high against the seconds (an angle a whole
// number of minutes in decimal degrees), the seconds are carried or borrowed so that they
// lie in 0 to 59 and the minutes in 0 to 59. An angle that is not finite gives parts that
// are not finite.
DegreesMinutesSeconds truncatedDegreesMinutesSeconds(double angle);

}  // namespace kelvara
