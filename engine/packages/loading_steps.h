#pragma once
// What a long load tells of its progress: started with the number of steps, advanced once per
// step. The loading dialog shows it; the loaders below the interface know only this.
#include <cstdint>

class SLoadingSteps {
public:
    virtual void Start(uint32_t count) = 0;
    // Held at the step count.
    virtual void Step() = 0;

protected:
    ~SLoadingSteps() = default;
};
