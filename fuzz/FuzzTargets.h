// One entry per content reader for the fuzzer and for replaying the files it found: each takes any bytes as the
// contents of one file and must neither crash, hang nor allocate without bound.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

struct FuzzTarget {
    const char* name; // also the folder of its seeds and of its regression files
    int (*run)(const uint8_t* data, size_t size);
    const char* seeds; // the files the game reads with it, as patterns from the repository root: its fuzzer's seeds
};

const std::vector<FuzzTarget>& FuzzTargets();
// The target of that name, or nullptr.
const FuzzTarget* FindFuzzTarget(const QString& name);
