#include "render/fill/edge_walker.h"

#include <initializer_list>

template <bool kForward, bool kToEnd>
bool EdgeWalker::walk(int32_t c) {
    while (c >= Major(m_next)) {
        m_current = m_next;
        if (kToEnd && m_current == m_last) {
            m_pixel = kPassedEnd;
            return false;
        }
        if (kForward) {
            m_next = m_next + 1 == m_count ? 0 : m_next + 1;
        } else {
            m_next = m_next == 0 ? m_count - 1 : m_next - 1;
        }
    }
    SetupEdge4(m_minorStepper, Minor(m_current), Major(m_current), Minor(m_next), Major(m_next));
    return true;
}

void EdgeWalker::StepForward(int32_t c) { walk<true, false>(c); }
void EdgeWalker::StepBackward(int32_t c) { walk<false, false>(c); }
bool EdgeWalker::StepForwardToEnd(int32_t c) { return walk<true, true>(c); }
bool EdgeWalker::StepBackwardToEnd(int32_t c) { return walk<false, true>(c); }

void FindPolyExtremes(EdgeWalker& walker1, EdgeWalker& walker2, int major, int minor, uint32_t count,
                      const SRenderVertex* vertices) {
    for (EdgeWalker* walker : {&walker1, &walker2}) {
        walker->m_count = count;
        walker->m_vertices = vertices;
        walker->m_majorAxis = major;
        walker->m_minorAxis = minor;
    }
    const EdgeWalker& axes = walker1;
    uint32_t top1 = 0, bottom1 = 0, top2 = 0, bottom2 = 0;
    for (uint32_t i = 1; i < count; ++i) {
        const int32_t m = axes.Major(i), n = axes.Minor(i);
        auto better = [&](uint32_t best, bool lesserMajor, bool lesserMinor) {
            const int32_t bm = axes.Major(best), bn = axes.Minor(best);
            if (m != bm) return lesserMajor ? m < bm : m > bm;
            return lesserMinor ? n < bn : n > bn;
        };
        if (better(top1, true, true)) top1 = i;
        if (better(bottom1, false, true)) bottom1 = i;
        if (better(top2, true, false)) top2 = i;
        if (better(bottom2, false, false)) bottom2 = i;
    }
    walker1.m_first = walker1.m_current = walker1.m_next = top1;
    walker1.m_last = bottom1;
    walker2.m_first = walker2.m_current = walker2.m_next = top2;
    walker2.m_last = bottom2;
}
