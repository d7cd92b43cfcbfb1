#pragma once
// Loading steps that only count them, for loaders tested without the loading dialog.
#include <cstdint>

#include "engine/packages/loading_steps.h"

class StepCounter : public SLoadingSteps {
public:
    void Start(uint32_t count) override {
        m_count = count;
        m_current = 0;
    }
    void Step() override {
        if (m_current < m_count) ++m_current;
    }
    uint32_t Current() const { return m_current; }

private:
    uint32_t m_count = 0;
    uint32_t m_current = 0;
};
