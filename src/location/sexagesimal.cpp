#include "location/sexagesimal.h"

#include <cmath>

namespace kelvara {

DegreesMinutesSeconds truncatedDegreesMinutesSeconds(double angle) {
  DegreesMinutesSeconds result;
  result.degrees = std::floor(angle);
  result.minutes = std::floor((angle - result.degrees) * 60.0);
  result.seconds = std::floor(angle * 3600.0) - std::floor(result.degrees * 3600.0) -
                   std::floor(result.minutes * 60.0);
  if (result.seconds >= 60.0) {
    result.seconds -= 60.0;
    result.minutes += 1.0;
  } else if (result.seconds < 0.0) {
    result.seconds += 60.0;
    result.minutes -= 1.0;
  }
  if (result.minutes >= 60.0) {
    result.minutes -= 60.0;
    result.degrees += 1.0;
  } else if (result.minutes < 0.0) {
    result.minutes += 60.0;
    result.degrees -= 1.0;
  }
  return result;
}

}  // namespace kelvara
