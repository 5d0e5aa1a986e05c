// The range of resistances the model works on, whatever a typed text brought in.
#include "model/resistance_range.h"

#include <cmath>

double ClampMilliohms(double milliohms)
{
    if (std::isnan(milliohms))
    {
        return 0.0;
    }
    const double magnitude = std::fabs(milliohms);
    return magnitude > kLargestMilliohms ? kLargestMilliohms : magnitude;
}
