// The range of resistances the model works on, whatever a typed text brought in.
#pragma once

// All nines, so that the rings of a clamped value show the largest digits and multiplier.
constexpr double kLargestMilliohms = 999'999'999'999'999.0;

// NaN reads as 0, the sign is dropped, and values above kLargestMilliohms are clamped to it.
double ClampMilliohms(double milliohms);
