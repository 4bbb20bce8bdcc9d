#pragma once

// A short tone for the user: a sine of the given frequency and length where sound can be played,
// the desktop's bell otherwise.
class Beeper
{
public:
    virtual ~Beeper() = default;
    virtual void beep(int frequencyHz, int durationMs) = 0;
};
