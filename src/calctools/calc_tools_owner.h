// What the calculation tools window asks of the window that owns it: the resistance it shows,
// and taking one of the tools' results as its own.
#pragma once

class ICalcToolsOwner
{
public:
    // The resistance the owner shows now, in milliohms.
    virtual double GetShownMilliohms() const = 0;
    // Into the owner's value box in ohms, as a click on a standard-value line does.
    virtual void UseResistance(double ohms) = 0;

protected:
    ~ICalcToolsOwner() = default;
};
