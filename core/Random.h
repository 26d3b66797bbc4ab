// The game's one random generator: Random(n) gives a uniform whole number 0..n-1.
#pragma once

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int next(int n) = 0;
    virtual void seed() = 0;
};

// A uniform draw from 0..n-1 (0 when n < 1).
int Random(int n);
// Seeds the generator from the clock.
void Randomize();
// Installs a source (not owned); null puts the real generator back. Returns the previous one.
RandomSource* InstallRandomSource(RandomSource* source);
