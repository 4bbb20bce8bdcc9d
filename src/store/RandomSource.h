#pragma once

// Where shuffles and the random presentation order take their numbers from: integers 0 to 32767.
// The program uses RandomGenerator; tests replay fixed sequences with ScriptedRandomSource.
class RandomSource
{
public:
    static constexpr int largestDraw = 32767;

    virtual ~RandomSource() = default;
    virtual int draw() = 0;
};
