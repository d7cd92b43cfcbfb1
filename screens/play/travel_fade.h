#pragma once
// STravelFade: the picture between two places of a travel with a transition. Each kind lasts its
// number of frames and opens with its sound: a teleport (kind 1) fades the fog to white and draws
// it in, the last frame all white; a fall, ladders and stairs show black. The play screen counts
// the frames off and travels when the last one is over.
#include <cstdint>

struct SViewDescriptor;

class STravelFade {
public:
    static constexpr uint32_t kTeleport = 1;
    static constexpr uint32_t kFall = 3;
    static constexpr uint32_t kLastKind = 7;
    static constexpr uint16_t kWhite = 0xFFFF;
    static constexpr uint16_t kBlack = 0x0000;

    // What the fade's sound depends on besides its kind.
    struct SWalker {
        bool male = true;
        bool booted = false;
    };

    static bool IsKind(uint32_t kind) { return kind >= kTeleport && kind <= kLastKind; }
    // The frames of a kind; 0 for none of the seven.
    static uint32_t FramesOf(uint32_t kind);
    // The sound that opens a fade of a kind; null for none. The teleport's sound is the travel
    // event's own, played before the fade, so the fade has none.
    static const char* SoundOf(uint32_t kind, SWalker walker);

    // Starts a fade of a kind (1 to 7); a teleport takes its fog steps from the view's fog now.
    void Start(uint32_t kind, const SViewDescriptor& view);
    // A teleport's fog one step nearer to white and to the eye, while more than one frame is left.
    void StepFog(SViewDescriptor& view) const;
    // The colour the view is covered with this frame, if any: black through a fall, a ladder or
    // stairs, white on a teleport's last frame.
    bool Cover(uint16_t& colour) const;
    // Counts a frame off; true when that was the last.
    bool CountFrame();

    uint32_t Kind() const { return m_kind; }
    uint32_t FramesLeft() const { return m_framesLeft; }

private:
    uint32_t m_kind = 0;
    uint32_t m_framesLeft = 0;
    int32_t m_redStep = 0, m_greenStep = 0, m_blueStep = 0;
    int32_t m_nearStep = 0, m_farStep = 0;
};
